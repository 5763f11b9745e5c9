// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands: Load, Save as, Save, Clear all, Close and the start-up file.
#include "ui/list/ListColumnCommands.h"

#include <QFile>
#include <QPushButton>
#include <QStringList>

#include <string>
#include <vector>

#include "documents/ListDocument.h"
#include "formats/ConversionLoss.h"
#include "formats/FileWarning.h"
#include "formats/ListFiles.h"
#include "model/ChannelList.h"
#include "ui/changes/ListChanges.h"
#include "ui/list/ListColumn.h"
#include "ui/platform/UserPrompts.h"
#include "ui/status/EditorStatusBar.h"

namespace qvx {
namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

// "name.dvb: first; second": what a load left out or a save could not keep.
QString noteFor(const std::string& path, const std::vector<std::string>& texts) {
    QStringList parts;
    for (const std::string& text : texts) parts << QString::fromStdString(text);
    return fromLocal(fileNameOf(path)) + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

}  // namespace

ListColumnCommands::ListColumnCommands(ChannelList& list, ListColumn& column, ListChanges& changes,
                                       EditorStatusBar& statusBar, UserPrompts& prompts, QWidget& window)
    : list_(list),
      document_(list),
      column_(column),
      changes_(changes),
      statusBar_(statusBar),
      prompts_(prompts),
      window_(window) {}

void ListColumnCommands::updateStatusPane() {
    QString text = fromLocal(list_.statusText());
    if (changes_.history().isChanged(list_)) text += QStringLiteral(" (changed)");
    statusBar_.setPaneText(list_.number() == 1 ? EditorStatusBar::kList1Pane : EditorStatusBar::kList2Pane, text);
}

bool ListColumnCommands::finishLoad(const FileResult& result) {
    if (result.outcome != FileOutcome::UnknownFormat) changes_.loaded(list_);
    if (!result.warnings.empty()) {
        std::vector<std::string> texts;
        for (const FileWarning& warning : result.warnings) texts.push_back(fileWarningText(warning));
        statusBar_.showNote(noteFor(list_.path(), texts));
    }
    if (!result.message.empty()) prompts_.tell(&window_, fromLocal(result.message));
    return result.ok();
}

void ListColumnCommands::finishSave(const FileResult& result) {
    if (!result.ok()) {
        prompts_.tell(&window_, fromLocal(result.message));
        return;
    }
    changes_.saved(list_);
    // What the format written cannot hold of this list, as qvxtool convert says it.
    const ListFormatEntry* format = document_.format();
    if (!format) return;
    std::vector<std::string> texts;
    for (const ConversionLoss& loss : conversionLosses(format->format, list_.television(), list_.radio()))
        texts.push_back(conversionLossText(loss));
    if (!texts.empty()) statusBar_.showNote(noteFor(list_.path(), texts));
}

void ListColumnCommands::Load() {
    const QString path =
        prompts_.chooseFileToLoad(&window_, QStringLiteral("Load Channellist File %1").arg(list_.number()));
    if (path.isEmpty()) return;
    loading_ = true;
    const FileResult result = document_.load(localPath(path));
    loading_ = false;
    updateStatusPane();
    if (!finishLoad(result)) return;
    column_.saveButton()->setEnabled(true);
    column_.closeButton()->setEnabled(true);
}

void ListColumnCommands::SaveAs() {
    const QString path =
        prompts_.chooseFileToSave(&window_, QStringLiteral("Save Channellist File %1").arg(list_.number()));
    if (path.isEmpty()) return;
    const FileResult result = document_.saveAs(localPath(path));
    updateStatusPane();
    finishSave(result);
    column_.saveButton()->setEnabled(true);
}

void ListColumnCommands::Save() {
    // Another program's changes are not overwritten without asking; No writes
    // nothing and tells no viewer.
    if (document_.changedOnDisk() &&
        !prompts_.askYesNo(&window_,
                           QStringLiteral("%1 has changed on disk since it was loaded. Overwrite it?")
                               .arg(fromLocal(list_.path())),
                           DefaultAnswer::No))
        return;
    finishSave(document_.save());
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
    // Asked without waiting: a pipe, a device or a folder named there must
    // never hang the start.
    if (!isReadablePlainFile(localPath(commandLine))) return;
    loading_ = true;
    const FileResult result = document_.loadAtStartup(localPath(commandLine));
    loading_ = false;
    // Gone or changed since the look: ignored as if it had never opened.
    if (result.outcome == FileOutcome::UnknownFormat || result.outcome == FileOutcome::CannotOpen) return;
    updateStatusPane();
    if (!finishLoad(result)) return;
    // Close stays disabled until the panel next leaves edit mode.
    column_.saveButton()->setEnabled(true);
}

}  // namespace qvx
