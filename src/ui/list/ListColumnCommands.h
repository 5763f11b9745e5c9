// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>


class QString;
class QWidget;

namespace qvx {

class EditorSession;
class EditorStatusBar;
class UserPrompts;
struct FileResult;
struct ListFormatEntry;

// The commands of one list's buttons: Load, Save as, Save, Clear all and
// Close; for list 1 also the start-up file. It asks for files and tells what
// failed through the window's prompts; the session does the rest, and the
// window shows the session's state.
class ListColumnCommands final {
public:
    ListColumnCommands(int number, EditorSession& session, EditorStatusBar& statusBar, UserPrompts& prompts,
                       QWidget& window);
    ListColumnCommands(const ListColumnCommands&) = delete;
    ListColumnCommands& operator=(const ListColumnCommands&) = delete;

    void Load();
    void SaveAs();
    void Save();
    void ClearAll();
    void Close();
    // The start-up file: the command line as one text. Only a native or
    // WinDVBLive list is loaded; anything else is ignored silently.
    void loadStartupFile(const QString& commandLine);

    // Runs after every Save, also one that failed (list 1 tells the viewer).
    void setAfterSave(std::function<void()> afterSave) { afterSave_ = std::move(afterSave); }

private:
    void tellFailure(const FileResult& result);
    // What a load left out, in the status bar's last pane.
    void noteWarnings(const FileResult& result);
    // What the format written cannot hold of the list, as qvxtool convert says it.
    void noteLosses(const FileResult& result);
    // Before writing `format`: asks for a SAT>IP server where the list
    // needs one and none was given in this run; false on Cancel.
    bool haveSatipServer(const ListFormatEntry* format);

    int number_;
    EditorSession& session_;
    EditorStatusBar& statusBar_;
    UserPrompts& prompts_;
    QWidget& window_;
    std::function<void()> afterSave_;
};

}  // namespace qvx
