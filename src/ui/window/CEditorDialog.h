#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include <QDialog>

#include "editing/BulkSettings.h"
#include "editing/EditorClipboard.h"
#include "input/InputFilterHost.h"
#include "model/ChannelList.h"
#include "model/ChannelRecord.h"
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
enum class ListFormat;
enum class TreeMenuCommand;

// The editor's one window: the two lists side by side, the settings panel, the
// command buttons and the status bar. It owns both lists.
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

    ChannelList& list(int number) { return *lists_[static_cast<std::size_t>(number - 1)]; }
    ListColumn& column(int number) const { return *columns_[static_cast<std::size_t>(number - 1)]; }
    ChannelSettingsPanel& panel() const { return *panel_; }
    EditorStatusBar& statusBar() const { return *statusBar_; }
    const HintControl& hints() const { return *hints_; }
    bool isEditing() const override { return editing_; }
    bool isLoading() const { return loading_; }

    // The list commands (the buttons of each list).
    void Load(int number);
    void SaveAs(int number);
    void Save(int number);
    void ClearAll(int number);
    void Close(int number);

    // Enters edit mode for the selected item of `tree`; false when it has none.
    bool EditSelectedItem(CTreeSat& tree);
    void BeginEdit(bool asChannel);
    void EndEdit();
    void ApplyEdit();
    void CancelEdit();
    // A click on an item's picture or label shows its record again.
    void ShowRecordOfClickedItem(CTreeSat& tree, TreeItem* item);

    void showAbout();

    // Tree editing (EditorDialogEditing.cpp): the context menu of a right-click
    // at `viewportPoint`, and the command picked from it for `item` (null: elsewhere).
    void OnTreeRightClick(CTreeSat& tree, const QPoint& viewportPoint);
    void RunTreeCommand(TreeMenuCommand command, CTreeSat& tree, TreeItem* item);
    const EditorClipboard& clipboard() const { return clipboard_; }
    CQuickSearchEdit* quickSearch() const { return quickSearch_; }
    // Drag and drop (EditorDialogDrag.cpp).
    DragController& drag() const { return *drag_; }
    // "Compare Lists" (EditorDialogCompare.cpp): removes from both lists the channels the other holds.
    void CompareLists();

public slots:
    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildWindow();
    QWidget* buildCommandGroup();
    void connectList(int number);
    void setFocusOrder();
    void setListButtonsEnabled(bool enabled);
    void updateStatusPane(int number);
    // Reads or writes the file `target` has chosen; a failure is told to the user.
    bool readChosenFile(ChannelList& target, ListFormat format);
    void writeChosenFile(const ChannelList& target);
    void showEditControls(bool editing, bool asChannel);
    void onCurrentItemChanged(CTreeSat& tree, TreeItem* item);
    // Shows the item's record in the panel; Cancel shows it again.
    void showItemRecord(const TreeItem& item);
    void onItemRenamed(const QString& text);
    // Tree editing (EditorDialogEditing.cpp).
    void installEditing();
    void runBulkSetting(BulkField field, CTreeSat& tree, TreeItem* item);
    void forgetRemovedEditItem(const TreeItem* removed);
    void connectDrag();
    void connectCompare();
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
    std::array<std::unique_ptr<ChannelList>, 2> lists_;
    std::array<ListColumn*, 2> columns_{};
    ChannelSettingsPanel* panel_ = nullptr;
    EditorStatusBar* statusBar_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    std::unique_ptr<HintControl> hints_;
    CInputFilter* inputFilter_ = nullptr;
    DragController* drag_ = nullptr;
    std::function<void(unsigned long)> notifyViewer_;

    bool shownBefore_ = false;
    bool editing_ = false;
    bool loading_ = false;
    bool editAsChannel_ = false;
    CTreeSat* editTree_ = nullptr;
    TreeItem* editItem_ = nullptr;
    // A copy of the record last shown for editing or by a click; Cancel shows it again.
    std::optional<ChannelRecord> editRecord_;
    // Tree editing: the one clipboard of both lists, and the status bar's quick search.
    EditorClipboard clipboard_;
    CQuickSearchEdit* quickSearch_ = nullptr;
};

}  // namespace qvx
