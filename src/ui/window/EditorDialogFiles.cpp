// The list commands: Load, Save as, Save, Clear all, Close and the start-up file.
#include <QFile>
#include <QFileInfo>
#include <QPushButton>

#include "formats/ListFiles.h"
#include "formats/ListFormat.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/list/ListColumn.h"
#include "ui/platform/UserPrompts.h"

namespace qvx {
namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

}  // namespace

void CEditorDialog::updateStatusPane(int number) {
    statusBar_->setPaneText(number == 1 ? EditorStatusBar::kList1Pane : EditorStatusBar::kList2Pane,
                            fromLocal(list(number).statusText()));
}

bool CEditorDialog::readChosenFile(ChannelList& target, ListFormat format) {
    target.setHasFile(true);
    loading_ = true;
    const ReadResult result = readList(target.path(), format, target.television(), target.radio());
    loading_ = false;
    if (result.code != kReadOk) prompts_->tell(this, fromLocal(result.message));
    return result.code == kReadOk;
}

void CEditorDialog::writeChosenFile(const ChannelList& target) {
    const WriteResult result =
        writeList(target.path(), target.extension(), target.television(), target.radio());
    if (!result.ok) prompts_->tell(this, fromLocal(result.message));
}

void CEditorDialog::Load(int number) {
    const QString path =
        prompts_->chooseFileToLoad(this, QStringLiteral("Load Channellist File %1").arg(number));
    if (path.isEmpty()) return;
    ChannelList& target = list(number);
    target.chooseFile(localPath(path));
    updateStatusPane(number);
    const auto format = listFormatForExtension(target.extension());
    if (!format || !readChosenFile(target, *format)) return;
    column(number).saveButton()->setEnabled(true);
    column(number).closeButton()->setEnabled(true);
}

void CEditorDialog::SaveAs(int number) {
    const QString path =
        prompts_->chooseFileToSave(this, QStringLiteral("Save Channellist File %1").arg(number));
    if (path.isEmpty()) return;
    ChannelList& target = list(number);
    target.chooseFile(localPath(path));
    updateStatusPane(number);
    writeChosenFile(target);
    column(number).saveButton()->setEnabled(true);
}

void CEditorDialog::Save(int number) {
    writeChosenFile(list(number));
    // The viewer rereads list 1 after every Save, also one that failed.
    if (number == 1 && notifyViewer_) notifyViewer_(static_cast<unsigned long>(winId()));
}

void CEditorDialog::ClearAll(int number) { list(number).clearAll(); }

void CEditorDialog::Close(int number) {
    list(number).close();
    column(number).closeButton()->setEnabled(false);
    column(number).saveButton()->setEnabled(false);
    updateStatusPane(number);
}

void CEditorDialog::loadStartupFile(const QString& commandLine) {
    if (commandLine.isEmpty()) return;
    QFile file(commandLine);
    if (!QFileInfo(commandLine).isFile() || !file.open(QIODevice::ReadOnly)) return;
    file.close();
    ChannelList& first = list(1);
    first.chooseFile(localPath(commandLine));
    if (first.extension() != "qvx" && first.extension() != "chl") return;
    updateStatusPane(1);
    if (!readChosenFile(first, ListFormat::Native)) return;
    // Close stays disabled until the panel next leaves edit mode.
    column(1).saveButton()->setEnabled(true);
}

}  // namespace qvx
