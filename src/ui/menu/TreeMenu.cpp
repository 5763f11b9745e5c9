// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/TreeMenu.h"

#include <memory>
#include <optional>
#include <vector>

#include "commands/ListCommands.h"
#include "model/ChannelTree.h"
#include "session/EditorSession.h"
#include "ui/dialogs/CSetLnbDialog.h"
#include "ui/dialogs/CSetRotorPositionDialog.h"
#include "ui/dialogs/CSetVolumeDialog.h"
#include "ui/menu/TreeContextMenu.h"
#include "ui/menu/UndoRedo.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/panel/EditSession.h"
#include "ui/platform/UserPrompts.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/tree/HeldItem.h"

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

QString removedNote(const RemovedCounts& removed) {
    if (removed.channels == 0) return QStringLiteral("No duplicate channels");
    QString note = QStringLiteral("Removed %1 duplicate channel%2")
                       .arg(removed.channels)
                       .arg(removed.channels == 1 ? "" : "s");
    if (removed.providers > 0)
        note += QStringLiteral(" and %1 provider%2 left empty")
                    .arg(removed.providers)
                    .arg(removed.providers == 1 ? "" : "s");
    return note;
}

}  // namespace

TreeMenu::TreeMenu(QWidget& window, EditSession& panelEdit, EditorSession& session, UndoRedo& undoRedo,
                   UserPrompts& prompts, const ChannelSettingsPanel& panel, EditorStatusBar& statusBar)
    : window_(window),
      panelEdit_(panelEdit),
      session_(session),
      undoRedo_(undoRedo),
      prompts_(prompts),
      panel_(panel),
      statusBar_(statusBar) {}

void TreeMenu::OnTreeRightClick(CTreeSat& tree, const QPoint& viewportPoint) {
    if (session_.isEditing()) return;
    const QModelIndex hit = tree.indexOnIconOrLabel(viewportPoint);
    TreeItem* item = hit.isValid() ? tree.channelModel()->itemAt(hit) : nullptr;
    QPoint menuCorner = tree.viewport()->mapToGlobal(viewportPoint);
    if (item) {
        tree.selectItem(item);
        menuCorner.ry() += tree.visualRect(hit).height();
    }
    panelEdit_.takeClickedItem(tree, item);
    // The menu runs its own event loop: hold the item so that it cannot dangle meanwhile.
    HeldItem clicked;
    clicked.hold(tree.channelModel(), item);
    const HistoryEntries history{undoRedo_.undoText(), undoRedo_.canUndo(), undoRedo_.redoText(),
                                 undoRedo_.canRedo()};
    TreeContextMenu menu(targetOf(item, tree.channelModel()->tree()), session_.canPaste(), history, &window_);
    const std::optional<TreeMenuCommand> command = menu.commandOf(menu.exec(menuCorner));
    // An item that went while the menu was open is no reason to act on the whole tree.
    if (!command || (item && !clicked)) return;
    RunTreeCommand(*command, tree, clicked.get());
}

void TreeMenu::OnTreeKey(CTreeSat& tree, TreeKeyCommand command) {
    switch (command) {
    case TreeKeyCommand::ContextMenu:
        OnTreeRightClick(tree, tree.keyboardMenuPoint());
        return;
    case TreeKeyCommand::Cut:
        // Cut and Copy are open on an item only; Paste while the clipboard holds something
        // (RunTreeCommand checks), at the selected item or, without one, at the end.
        if (TreeItem* item = tree.selectedItem()) RunTreeCommand(TreeMenuCommand::Cut, tree, item);
        return;
    case TreeKeyCommand::Copy:
        if (TreeItem* item = tree.selectedItem()) RunTreeCommand(TreeMenuCommand::Copy, tree, item);
        return;
    case TreeKeyCommand::Paste:
        RunTreeCommand(TreeMenuCommand::Paste, tree, tree.selectedItem());
        return;
    }
}

void TreeMenu::RunTreeCommand(TreeMenuCommand command, CTreeSat& tree, TreeItem* item) {
    if (session_.isEditing()) return;
    ChannelTree& channels = tree.channelModel()->tree();
    switch (command) {
    case TreeMenuCommand::NewChannel:
    case TreeMenuCommand::NewProvider: {
        TreeItem* created = session_
                                .run(command == TreeMenuCommand::NewChannel ? makeNewChannelCommand(channels, item)
                                                                            : makeNewProviderCommand(channels, item))
                                .item;
        tree.selectItem(created);
        tree.setFocus(Qt::OtherFocusReason);
        tree.startLabelEdit();
        return;
    }
    case TreeMenuCommand::Paste:
        if (TreeItem* pasted = session_.run(makePasteCommand(channels, item, session_.clipboardForCommands())).item)
            tree.selectItem(pasted);
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
    case TreeMenuCommand::RemoveDuplicates:
        removeDuplicates(tree);
        return;
    case TreeMenuCommand::SortByName:
        sortChannels(tree, item, SortKey::Name);
        return;
    case TreeMenuCommand::SortByFrequency:
        sortChannels(tree, item, SortKey::Frequency);
        return;
    case TreeMenuCommand::SortByServiceId:
        sortChannels(tree, item, SortKey::ServiceId);
        return;
    case TreeMenuCommand::Undo:
        undoRedo_.undo();
        return;
    case TreeMenuCommand::Redo:
        undoRedo_.redo();
        return;
    default:
        break;
    }
    if (!item) return;  // the remaining commands need the clicked item
    switch (command) {
    case TreeMenuCommand::Edit:
        tree.selectItem(item);
        panelEdit_.EditSelectedItem(tree);
        break;
    case TreeMenuCommand::Rename:
        tree.selectItem(item);
        tree.setFocus(Qt::OtherFocusReason);
        tree.startLabelEdit();
        break;
    case TreeMenuCommand::Copy:
        session_.copy(*item);
        break;
    case TreeMenuCommand::Cut:
        session_.run(makeCutCommand(channels, *item, session_.clipboardForCommands()));
        break;
    case TreeMenuCommand::Delete:
        session_.run(makeDeleteCommand(channels, *item));
        break;
    default:
        break;
    }
}

void TreeMenu::runBulkSetting(BulkField field, CTreeSat& tree, TreeItem* item) {
    if (!item && tree.channelModel()->tree().empty()) return;
    const std::unique_ptr<BulkSettingDialog> dialog = makeBulkDialog(field, &window_);
    dialog->setValue(bulkStartValue(field, item));
    // The dialog runs its own event loop, like the menu.
    HeldItem reference;
    reference.hold(tree.channelModel(), item);
    prompts_.runDialog(*dialog);
    if (dialog->result() != QDialog::Accepted || (item && !reference)) return;
    item = reference.get();
    session_.run(makeBulkSettingCommand(tree.channelModel()->tree(), item, field, dialog->value()));
    // "For all" leaves the panel as it is.
    if (item) panelEdit_.showItemRecord(tree, *item);
}

void TreeMenu::removeDuplicates(CTreeSat& tree) {
    ChannelTree& channels = tree.channelModel()->tree();
    if (channels.empty()) return;
    const std::vector<const TreeItem*> open = tree.openProviders();
    RemovedCounts removed;
    session_.run(makeRemoveDuplicatesCommand(channels, panel_.compareOptions(), &removed));
    statusBar_.showNote(removedNote(removed));
    tree.reopenProviders(open);
}

// On a channel the entry sorts its provider; elsewhere every provider.
void TreeMenu::sortChannels(CTreeSat& tree, TreeItem* item, SortKey key) {
    ChannelTree& channels = tree.channelModel()->tree();
    if (channels.empty()) return;
    TreeItem* provider = item && item->hasParent() ? item->parent() : item;
    const std::vector<const TreeItem*> open = tree.openProviders();
    session_.run(makeSortChannelsCommand(channels, provider, key));
    tree.reopenProviders(open);
    // Sorting takes nothing away: the clicked item is still there to select.
    if (item) tree.selectItem(item);
}

}  // namespace qvx
