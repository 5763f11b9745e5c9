// The list commands: Load, Save as, Save, Clear all, Close and the start-up file.
#include "ui/list/ListColumnCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "formats/ListFiles.h"
#include "formats/ListFormat.h"
#include "model/ChannelList.h"
#include "ui/changes/ListChanges.h"
#include "ui/list/ListColumn.h"
#include "ui/platform/UserPrompts.h"
#include "ui/status/EditorStatusBar.h"

namespace qvx {
namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

}  // namespace

ListColumnCommands::ListColumnCommands(ChannelList& list, ListColumn& column, ListChanges& changes,
                           EditorStatusBar& statusBar, UserPrompts& prompts, QWidget& window)
    : list_(list), column_(column), changes_(changes), statusBar_(statusBar), prompts_(prompts), window_(window) {}

void ListColumnCommands::updateStatusPane() {
    statusBar_.setPaneText(list_.number() == 1 ? EditorStatusBar::kList1Pane : EditorStatusBar::kList2Pane,
                           fromLocal(list_.statusText()));
}

bool ListColumnCommands::readChosenFile(ListFormat format) {
    list_.setHasFile(true);
    loading_ = true;
    const ReadResult result = readList(list_.path(), format, list_.television(), list_.radio());
    loading_ = false;
    changes_.loaded(list_);
    if (result.code != kReadOk) prompts_.tell(&window_, fromLocal(result.message));
    return result.code == kReadOk;
}

void ListColumnCommands::writeChosenFile() {
    const WriteResult result = writeList(list_.path(), list_.extension(), list_.television(), list_.radio());
    if (result.ok)
        changes_.saved(list_);
    else
        prompts_.tell(&window_, fromLocal(result.message));
}

void ListColumnCommands::Load() {
    const QString path =
        prompts_.chooseFileToLoad(&window_, QStringLiteral("Load Channellist File %1").arg(list_.number()));
    if (path.isEmpty()) return;
    list_.chooseFile(localPath(path));
    updateStatusPane();
    const auto format = listFormatForExtension(list_.extension());
    if (!format || !readChosenFile(*format)) return;
    column_.saveButton()->setEnabled(true);
    column_.closeButton()->setEnabled(true);
}

void ListColumnCommands::SaveAs() {
    const QString path =
        prompts_.chooseFileToSave(&window_, QStringLiteral("Save Channellist File %1").arg(list_.number()));
    if (path.isEmpty()) return;
    list_.chooseFile(localPath(path));
    updateStatusPane();
    writeChosenFile();
    column_.saveButton()->setEnabled(true);
}

void ListColumnCommands::Save() {
    writeChosenFile();
    if (afterSave_) afterSave_();
}

void ListColumnCommands::ClearAll() { changes_.clearAll(list_); }

void ListColumnCommands::Close() {
    changes_.close(list_);
    column_.closeButton()->setEnabled(false);
    column_.saveButton()->setEnabled(false);
    updateStatusPane();
}

void ListColumnCommands::loadStartupFile(const QString& commandLine) {
    if (commandLine.isEmpty()) return;
    QFile file(commandLine);
    if (!QFileInfo(commandLine).isFile() || !file.open(QIODevice::ReadOnly)) return;
    file.close();
    list_.chooseFile(localPath(commandLine));
    if (list_.extension() != "qvx" && list_.extension() != "chl") return;
    updateStatusPane();
    if (!readChosenFile(ListFormat::Native)) return;
    // Close stays disabled until the panel next leaves edit mode.
    column_.saveButton()->setEnabled(true);
}

}  // namespace qvx
