// Tree editing in the window: the context menu and its commands, the bulk
// settings dialogs and the quick-search field. The effects on the trees are the
// editing core's; this file only finds what was clicked and shows the results.
#include <QHBoxLayout>

#include "editing/TreeCommands.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/CQuickSearchEdit.h"
#include "ui/dialogs/CSetLnbDialog.h"
#include "ui/dialogs/CSetRotorPositionDialog.h"
#include "ui/dialogs/CSetVolumeDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/list/ListColumn.h"
#include "ui/tree/TreeContextMenu.h"

namespace qvx {
namespace {

std::unique_ptr<BulkSettingDialog> makeBulkDialog(BulkField field, QWidget* parent) {
    switch (field) {
    case BulkField::Lnb:
        return std::make_unique<CSetLnbDialog>(parent);
    case BulkField::RotorPosition:
        return std::make_unique<CSetRotorPositionDialog>(parent);
    case BulkField::Volume:
        break;
    }
    return std::make_unique<CSetVolumeDialog>(parent);
}

MenuTarget targetOf(const TreeItem* item, const ChannelTree& tree) {
    if (item) return item->hasParent() ? MenuTarget::Channel : MenuTarget::Provider;
    return tree.empty() ? MenuTarget::EmptyTree : MenuTarget::ElsewhereWithItems;
}

}  // namespace

void CEditorDialog::installEditing() {
    for (CTreeSat* tree : channelTrees())
        connect(tree, &CTreeSat::rightClicked, this,
                [this, tree](const QPoint& point) { OnTreeRightClick(*tree, point); });

    quickSearch_ = new CQuickSearchEdit(statusBar_->quickSearchSlot());
    auto* slotLayout = new QHBoxLayout(statusBar_->quickSearchSlot());
    slotLayout->setContentsMargins(0, 0, 0, 0);
    slotLayout->addWidget(quickSearch_);
    quickSearch_->setTrees({column(1).tree(TreeKind::Television), column(2).tree(TreeKind::Television),
                            column(1).tree(TreeKind::Radio), column(2).tree(TreeKind::Radio)});
}

void CEditorDialog::OnTreeRightClick(CTreeSat& tree, const QPoint& viewportPoint) {
    if (editing_) return;
    editTree_ = &tree;
    const QModelIndex hit = tree.indexOnIconOrLabel(viewportPoint);
    TreeItem* item = hit.isValid() ? tree.channelModel()->itemAt(hit) : nullptr;
    QPoint menuCorner = tree.viewport()->mapToGlobal(viewportPoint);
    if (item) {
        tree.selectItem(item);
        editItem_ = item;
        showItemRecord(*item);
        menuCorner.ry() += tree.visualRect(hit).height();
    }
    TreeContextMenu menu(targetOf(item, tree.channelModel()->tree()), !clipboard_.empty(), this);
    const std::optional<TreeMenuCommand> command = menu.commandOf(menu.exec(menuCorner));
    if (command) RunTreeCommand(*command, tree, item);
}

void CEditorDialog::RunTreeCommand(TreeMenuCommand command, CTreeSat& tree, TreeItem* item) {
    if (editing_) return;
    ChannelTree& channels = tree.channelModel()->tree();
    switch (command) {
    case TreeMenuCommand::NewChannel:
    case TreeMenuCommand::NewProvider: {
        TreeItem* created = command == TreeMenuCommand::NewChannel ? insertNewChannel(channels, item)
                                                                   : insertNewProvider(channels, item);
        tree.selectItem(created);
        tree.setFocus(Qt::OtherFocusReason);
        tree.startLabelEdit();
        return;
    }
    case TreeMenuCommand::Paste:
        if (TreeItem* pasted = clipboard_.paste(channels, item)) tree.selectItem(pasted);
        return;
    // Without an item these are the "for all" forms.
    case TreeMenuCommand::SetLnb:
        runBulkSetting(BulkField::Lnb, tree, item);
        return;
    case TreeMenuCommand::SetRotorPosition:
        runBulkSetting(BulkField::RotorPosition, tree, item);
        return;
    case TreeMenuCommand::SetVolume:
        runBulkSetting(BulkField::Volume, tree, item);
        return;
    default:
        break;
    }
    if (!item) return;  // the remaining commands need the clicked item
    switch (command) {
    case TreeMenuCommand::Edit:
        tree.selectItem(item);
        EditSelectedItem(tree);
        break;
    case TreeMenuCommand::Rename:
        tree.selectItem(item);
        tree.setFocus(Qt::OtherFocusReason);
        tree.startLabelEdit();
        break;
    case TreeMenuCommand::Copy:
        clipboard_.copy(*item);
        break;
    case TreeMenuCommand::Cut:
        forgetRemovedEditItem(item);
        clipboard_.cut(channels, item);
        break;
    case TreeMenuCommand::Delete:
        forgetRemovedEditItem(item);
        DeleteTreeItem(channels, item);
        break;
    default:
        break;
    }
}

void CEditorDialog::runBulkSetting(BulkField field, CTreeSat& tree, TreeItem* item) {
    if (!item && tree.channelModel()->tree().empty()) return;
    const std::unique_ptr<BulkSettingDialog> dialog = makeBulkDialog(field, this);
    dialog->setValue(bulkStartValue(field, item));
    prompts_->runDialog(*dialog);
    if (dialog->result() != QDialog::Accepted) return;
    applyBulkValue(tree.channelModel()->tree(), item, field, dialog->value());
    // "For all" leaves the panel as it is.
    if (item) showItemRecord(*item);
}

void CEditorDialog::forgetRemovedEditItem(const TreeItem* removed) {
    if (editItem_ == removed || (editItem_ && editItem_->parent() == removed)) editItem_ = nullptr;
}

}  // namespace qvx
