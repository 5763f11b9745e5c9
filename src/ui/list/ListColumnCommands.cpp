// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands: Load, Save as, Save, Clear all, Close and the start-up file.
#include "ui/list/ListColumnCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <string>
#include <vector>

#include "formats/ConversionLoss.h"
#include "files/FileWarning.h"
#include "formats/ListFiles.h"
#include "session/EditorSession.h"
#include "ui/platform/FileMessages.h"
#include "ui/platform/UserPrompts.h"
#include "ui/status/EditorStatusBar.h"

namespace qvx {
namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString fromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

// "name.dvb: first; second": what a load left out or a save could not keep.
QString noteFor(const std::string& path, const QStringList& parts) {
    return fromLocal(fileNameOf(path)) + QStringLiteral(": ") + parts.join(QStringLiteral("; "));
}

}  // namespace

ListColumnCommands::ListColumnCommands(int number, EditorSession& session, EditorStatusBar& statusBar,
                                       UserPrompts& prompts, QWidget& window)
    : number_(number), session_(session), statusBar_(statusBar), prompts_(prompts), window_(window) {}

void ListColumnCommands::tellFailure(const FileResult& result) {
    if (!result.message.empty()) prompts_.tell(&window_, fileMessage(result));
}

void ListColumnCommands::noteWarnings(const FileResult& result) {
    if (result.warnings.empty()) return;
    QStringList parts;
    for (const FileWarning& warning : result.warnings) parts << fileWarningNote(warning);
    statusBar_.showNote(noteFor(session_.document(number_).path(), parts));
}

void ListColumnCommands::noteLosses(const FileResult& result) {
    const ListDocument& document = session_.document(number_);
    const ListFormatEntry* format = document.format();
    if (!result.ok() || !format) return;
    const ChannelList& list = session_.list(number_);
    QStringList parts;
    for (const ConversionLoss& loss : conversionLosses(format->format, list.television(), list.radio()))
        parts << conversionLossNote(loss);
    if (!parts.isEmpty()) statusBar_.showNote(noteFor(document.path(), parts));
}

void ListColumnCommands::Load() {
    const QString path =
        prompts_.chooseFileToLoad(&window_, QCoreApplication::translate("Window", "Load Channellist File %1").arg(number_));
    if (path.isEmpty()) return;
    const FileResult result = session_.load(number_, localPath(path));
    noteWarnings(result);
    tellFailure(result);
}

void ListColumnCommands::SaveAs() {
    const UserPrompts::SaveChoice choice =
        prompts_.chooseFileToSave(&window_, QCoreApplication::translate("Window", "Save Channellist File %1").arg(number_));
    if (choice.path.isEmpty()) return;
    const std::string path = localPath(choice.path);
    // The chosen file type names the format only for its own extension: the
    // extension decides, and where formats share it (".conf"), the type does.
    std::optional<ListFormat> named;
    if (choice.format && listFormatEntry(*choice.format).extension == lowerCasedExtension(path)) named = choice.format;
    const FileResult result = session_.saveAs(number_, path, named);
    noteLosses(result);
    tellFailure(result);
}

void ListColumnCommands::Save() {
    // Another program's changes are not overwritten without asking; No writes
    // nothing and tells no viewer.
    const ListDocument& document = session_.document(number_);
    if (document.changedOnDisk() &&
        !prompts_.askYesNo(&window_,
                           QCoreApplication::translate("Window", "%1 has changed on disk since it was loaded. Overwrite it?")
                               .arg(fromLocal(document.path())),
                           DefaultAnswer::No))
        return;
    const FileResult result = session_.save(number_);
    noteLosses(result);
    tellFailure(result);
    if (afterSave_) afterSave_();
}

void ListColumnCommands::ClearAll() { session_.clearAll(number_); }

void ListColumnCommands::Close() { session_.close(number_); }

void ListColumnCommands::loadStartupFile(const QString& commandLine) {
    const FileResult result = session_.loadAtStartup(localPath(commandLine));
    // Gone or changed since the look: ignored as if it had never opened.
    if (result.outcome == FileOutcome::CannotOpen) return;
    noteWarnings(result);
    tellFailure(result);
}

}  // namespace qvx
