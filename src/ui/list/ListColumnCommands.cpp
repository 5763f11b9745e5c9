// SPDX-License-Identifier: GPL-3.0-or-later
// The list commands: Load, Save as, Save, Clear all, Close and the start-up file.
#include "ui/list/ListColumnCommands.h"

#include <QCoreApplication>
#include <QFile>

#include "session/EditorSession.h"
#include "ui/platform/FileMessages.h"
#include "ui/platform/UserPrompts.h"

namespace qvx {
namespace {

std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

ListColumnCommands::ListColumnCommands(int number, EditorSession& session, UserPrompts& prompts, QWidget& window)
    : number_(number), session_(session), prompts_(prompts), window_(window) {}

void ListColumnCommands::tellFailure(const FileResult& result) {
    if (!result.message.empty()) prompts_.tell(&window_, fileMessage(result));
}

void ListColumnCommands::Load() {
    const QString path =
        prompts_.chooseFileToLoad(&window_, QCoreApplication::translate("Window", "Load Channellist File %1").arg(number_));
    if (path.isEmpty()) return;
    tellFailure(session_.load(number_, localPath(path)));
}

void ListColumnCommands::SaveAs() {
    const QString path =
        prompts_.chooseFileToSave(&window_, QCoreApplication::translate("Window", "Save Channellist File %1").arg(number_));
    if (path.isEmpty()) return;
    tellFailure(session_.saveAs(number_, localPath(path)));
}

void ListColumnCommands::Save() {
    tellFailure(session_.save(number_));
    if (afterSave_) afterSave_();
}

void ListColumnCommands::ClearAll() { session_.clearAll(number_); }

void ListColumnCommands::Close() { session_.close(number_); }

void ListColumnCommands::loadStartupFile(const QString& commandLine) {
    tellFailure(session_.loadAtStartup(localPath(commandLine)));
}

}  // namespace qvx
