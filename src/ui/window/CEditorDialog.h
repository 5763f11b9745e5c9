// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <memory>

#include <QDialog>

#include "input/InputFilterHost.h"
#include "session/EditorSession.h"
#include "ui/list/ListColumnCommands.h"
#include "ui/menu/TreeMenu.h"
#include "ui/panel/EditSession.h"
#include "ui/platform/UserPrompts.h"

class QPushButton;

namespace qvx {

class CInputFilter;
class ChannelSettingsPanel;
class CQuickSearchEdit;
class CTreeSat;
class DragController;
class EditorStatusBar;
class HintControl;
class ListColumn;
class UndoRedo;

// The editor's one window: the two lists side by side, the settings panel, the
// command buttons and the status bar. It owns both lists, lays the window out
// and wires it to the parts that each own a concern: the commands of each list
// column, the panel's edit session, the tree menu, the drag; all of them change
// the lists through the editing session, whose state the window shows. Its operations of
// those names hand over to the part.
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
    void loadStartupFile(const QString& commandLine) { commands(1).loadStartupFile(commandLine); }

    ChannelList& list(int number) { return session_->list(number); }
    ListColumn& column(int number) const { return *columns_[static_cast<std::size_t>(number - 1)]; }
    ChannelSettingsPanel& panel() const { return *panel_; }
    EditorStatusBar& statusBar() const { return *statusBar_; }
    const HintControl& hints() const { return *hints_; }

    // The parts.
    ListColumnCommands& commands(int number) const { return *commands_[static_cast<std::size_t>(number - 1)]; }
    EditSession& editSession() const { return *panelEdit_; }
    TreeMenu& treeMenu() const { return *treeMenu_; }
    DragController& drag() const { return *drag_; }
    EditorSession& session() const { return *session_; }
    UndoRedo& undoRedo() const { return *undoRedo_; }

    bool isEditing() const override { return session_->isEditing(); }
    bool isLoading() const { return session_->isLoading(); }

    // The list commands (the buttons of each list).
    void Load(int number) { commands(number).Load(); }
    void SaveAs(int number) { commands(number).SaveAs(); }
    void Save(int number) { commands(number).Save(); }
    void ClearAll(int number) { commands(number).ClearAll(); }
    void Close(int number) { commands(number).Close(); }

    // The settings panel's edit session.
    bool EditSelectedItem(CTreeSat& tree) { return panelEdit_->EditSelectedItem(tree); }
    void ApplyEdit() { panelEdit_->ApplyEdit(); }
    void CancelEdit() { panelEdit_->CancelEdit(); }

    // The tree menu.
    void OnTreeRightClick(CTreeSat& tree, const QPoint& viewportPoint) {
        treeMenu_->OnTreeRightClick(tree, viewportPoint);
    }
    void RunTreeCommand(TreeMenuCommand command, CTreeSat& tree, TreeItem* item) {
        treeMenu_->RunTreeCommand(command, tree, item);
    }
    const EditorClipboard& clipboard() const { return session_->clipboard(); }
    CQuickSearchEdit* quickSearch() const { return quickSearch_; }

    // "Compare Lists" (EditorDialogCompare.cpp): removes from both lists the channels the other holds.
    void CompareLists();
    void showAbout();

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    QWidget* buildCommandGroup();
    void buildQuickSearch();
    void connectList(int number);
    void connectDrag();
    void connectCompare();
    void setFocusOrder();
    // What the session tells: each list's buttons and status pane.
    void showSessionState();
    // Edit mode locks everything outside the panel and trades Quit and Compare Lists for OK and Cancel.
    void showEditControls(bool editing, bool asChannel);
    // List 1 Television, list 1 Radio, list 2 Television, list 2 Radio.
    std::array<CTreeSat*, 4> channelTrees() const;

    // InputFilterHost
    QWidget* filteredWindow() const override;
    std::array<InputTree*, 4> inputTrees() const override;
    bool isDragging() const override;
    void CancelDrag() override;
    void deleteSelectedItem(InputTree& tree) override;
    void relayToHints(QObject* target, QEvent* event) override;

    std::unique_ptr<UserPrompts> prompts_;
    std::unique_ptr<EditorSession> session_;
    std::array<ListColumn*, 2> columns_{};
    ChannelSettingsPanel* panel_ = nullptr;
    EditorStatusBar* statusBar_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    CQuickSearchEdit* quickSearch_ = nullptr;
    std::unique_ptr<HintControl> hints_;
    CInputFilter* inputFilter_ = nullptr;

    std::array<std::unique_ptr<ListColumnCommands>, 2> commands_;
    EditSession* panelEdit_ = nullptr;
    std::unique_ptr<TreeMenu> treeMenu_;
    DragController* drag_ = nullptr;
    UndoRedo* undoRedo_ = nullptr;

    bool shownBefore_ = false;
};

}  // namespace qvx
