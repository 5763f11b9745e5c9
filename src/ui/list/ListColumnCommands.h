#pragma once

#include <functional>

class QString;
class QWidget;

namespace qvx {

class ChannelList;
class EditorStatusBar;
class ListChanges;
class ListColumn;
class UserPrompts;
enum class ListFormat;

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
    // Runs after every Save, also one that failed (list 1 tells the viewer).
    void setAfterSave(std::function<void()> afterSave) { afterSave_ = std::move(afterSave); }

private:
    void updateStatusPane();
    // Reads or writes the file the list has chosen; a failure is told to the user.
    bool readChosenFile(ListFormat format);
    void writeChosenFile();

    ChannelList& list_;
    ListColumn& column_;
    ListChanges& changes_;
    EditorStatusBar& statusBar_;
    UserPrompts& prompts_;
    QWidget& window_;
    std::function<void()> afterSave_;
    bool loading_ = false;
};

}  // namespace qvx
