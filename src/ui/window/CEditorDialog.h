// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QDialog>

#include "ui/input/InputFilterHost.h"
#include "session/EditorSession.h"
#include "ui/platform/UserPrompts.h"

class QPushButton;

namespace qvx {

class CInputFilter;
class ChannelSettingsPanel;
class CommandTable;
class CQuickSearchEdit;
class CTreeSat;
class DragController;
class EditSession;
class EditorStatusBar;
class HintControl;
class ListColumn;
class ListColumnCommands;
class TreeMenu;
class UndoRedo;

// The editor's one window: the two lists side by side, the settings panel, the
// command buttons and the status bar. It lays the window out and wires it: the
// editing session holds both lists and every state the window shows, the table
// of commands carries every button, menu entry and key, and the parts (each
// list's commands, the panel's edit session, the tree menu, the drag) do what
// the commands say.
class CEditorDialog final : public QDialog, private InputFilterHost {
    Q_OBJECT

public:
    // `prompts` answers the window's questions (the real dialogs when null).
    explicit CEditorDialog(std::unique_ptr<UserPrompts> prompts = nullptr, QWidget* parent = nullptr);
    ~CEditorDialog() override;
    CEditorDialog(const CEditorDialog&) = delete;
    CEditorDialog& operator=(const CEditorDialog&) = delete;

    // Called after each Save of list 1 with the window's own id (to be skipped).
    void setViewerNotifier(std::function<void(unsigned long ownWindowId)> notifier);
    // The start-up file: the command line as one text. Only a native or
    // WinDVBLive list is loaded, into list 1; anything else is ignored silently.
    void loadStartupFile(const QString& commandLine);

    EditorSession& session() const { return *session_; }
    ChannelList& list(int number) { return session_->list(number); }
    CommandTable& commands() const { return *commands_; }
    ListColumn& column(int number) const { return *columns_[static_cast<std::size_t>(number - 1)]; }
    ChannelSettingsPanel& panel() const { return *panel_; }
    EditorStatusBar& statusBar() const { return *statusBar_; }
    CQuickSearchEdit* quickSearch() const { return quickSearch_; }
    const HintControl& hints() const { return *hints_; }
    EditSession& editSession() const { return *panelEdit_; }
    DragController& drag() const { return *drag_; }
    bool isEditing() const override { return session_->isEditing(); }

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    QWidget* buildCommandGroup();
    void buildQuickSearch();
    // The table of commands (WindowCommands.cpp).
    void buildCommands();
    void connectList(int number);
    void connectDrag();
    void setFocusOrder();
    // What the session tells: each list's status pane, and every command's state.
    void showSessionState();
    void showSelectionCount(const CTreeSat& tree);
    // Edit mode locks the trees and the quick search and trades Quit and Compare Lists for OK and Cancel.
    void showEditControls(bool editing, bool asChannel);
    // "Compare Lists" (EditorDialogCompare.cpp): removes from both lists the channels the other holds.
    void CompareLists();
    // List 1 Television, list 1 Radio, list 2 Television, list 2 Radio.
    std::array<CTreeSat*, 4> channelTrees() const;

    // InputFilterHost
    QWidget* filteredWindow() const override;
    std::array<InputTree*, 4> inputTrees() const override;
    bool isDragging() const override;
    void CancelDrag() override;
    bool runSelectedItemKey(InputTree& tree, int key) override;
    void relayToHints(QObject* target, QEvent* event) override;

    std::unique_ptr<UserPrompts> prompts_;
    std::unique_ptr<EditorSession> session_;
    CommandTable* commands_ = nullptr;
    std::array<ListColumn*, 2> columns_{};
    std::array<std::unique_ptr<ListColumnCommands>, 2> listCommands_;
    ChannelSettingsPanel* panel_ = nullptr;
    EditorStatusBar* statusBar_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    CQuickSearchEdit* quickSearch_ = nullptr;
    std::unique_ptr<HintControl> hints_;
    CInputFilter* inputFilter_ = nullptr;

    EditSession* panelEdit_ = nullptr;
    std::unique_ptr<TreeMenu> treeMenu_;
    std::unique_ptr<UndoRedo> undoRedo_;
    DragController* drag_ = nullptr;

    bool shownBefore_ = false;
};

}  // namespace qvx
