// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "documents/ListDocument.h"

class QString;
class QWidget;

namespace qvx {

class ChannelList;
class EditorStatusBar;
class ListChanges;
class ListColumn;
class UserPrompts;
struct FileResult;

// The commands of one list's buttons: Load, Save as, Save, Clear all and
// Close, with the list's status pane and the state of its Save and Close
// buttons; for list 1 also the start-up file. Questions and messages go
// through the window's prompts; clearing goes through the one road of changes.
class ListColumnCommands final {
public:
    ListColumnCommands(ChannelList& list, ListColumn& column, ListChanges& changes, EditorStatusBar& statusBar,
                       UserPrompts& prompts, QWidget& window);
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

    // True while a reader fills the list.
    bool isLoading() const { return loading_; }
    // Shows the list's file in its status pane, marked " (changed)" while the
    // list differs from what was last loaded or saved.
    void updateStatusPane();
    // Runs after every Save, also one that failed (list 1 tells the viewer).
    void setAfterSave(std::function<void()> afterSave) { afterSave_ = std::move(afterSave); }

private:
    // After a read: the changes learn of the new contents, the user why it
    // failed; true when it went well.
    bool finishLoad(const FileResult& result);
    // After a write: the changes learn that the list is saved, or the user why not.
    void finishSave(const FileResult& result);

    ChannelList& list_;
    // The list with its file, across commands: it remembers what is on disk.
    ListDocument document_;
    ListColumn& column_;
    ListChanges& changes_;
    EditorStatusBar& statusBar_;
    UserPrompts& prompts_;
    QWidget& window_;
    std::function<void()> afterSave_;
    bool loading_ = false;
};

}  // namespace qvx
