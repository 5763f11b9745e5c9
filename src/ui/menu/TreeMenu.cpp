// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/TreeMenu.h"

#include <memory>

#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

#include "commands/ListCommands.h"
#include "model/ChannelTree.h"
#include "session/EditorSession.h"
#include "ui/commands/CommandTable.h"
#include "ui/dialogs/CSetLnbDialog.h"
#include "ui/dialogs/CSetRotorPositionDialog.h"
#include "ui/dialogs/CSetVolumeDialog.h"
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

QString removedNote(const RemovedCounts& removed) {
    if (removed.channels == 0) return QCoreApplication::translate("Window", "No duplicate channels");
    // Whole sentences, one for each of one and more channels and providers.
    const char* const sentences[2][3] = {
        {QT_TRANSLATE_NOOP("Window", "Removed 1 duplicate channel"),
         QT_TRANSLATE_NOOP("Window", "Removed 1 duplicate channel and 1 provider left empty"),
         QT_TRANSLATE_NOOP("Window", "Removed 1 duplicate channel and %2 providers left empty")},
        {QT_TRANSLATE_NOOP("Window", "Removed %1 duplicate channels"),
         QT_TRANSLATE_NOOP("Window", "Removed %1 duplicate channels and 1 provider left empty"),
         QT_TRANSLATE_NOOP("Window", "Removed %1 duplicate channels and %2 providers left empty")},
    };
    const std::size_t channels = removed.channels == 1 ? 0 : 1;
    const std::size_t providers = removed.providers == 0 ? 0 : removed.providers == 1 ? 1 : 2;
    QString note = QCoreApplication::translate("Window", sentences[channels][providers]);
    if (note.contains(QLatin1String("%1"))) note = note.arg(removed.channels);
    if (note.contains(QLatin1String("%2"))) note = note.arg(removed.providers);
    return note;
}

QString placedNote(const ArrangedCounts& counts) {
    const auto number = [](std::size_t count) { return QLocale().toString(static_cast<qulonglong>(count)); };
    if (counts.channelsPlaced == 0)
        return QCoreApplication::translate("Window", "No channel of this tree is in the other list");
    if (counts.channelsPlaced == counts.channels) {
        if (counts.channels == 1) return QCoreApplication::translate("Window", "Placed 1 channel like the other list");
        return QCoreApplication::translate("Window", "Placed all %1 channels like the other list")
            .arg(number(counts.channels));
    }
    return QCoreApplication::translate("Window", "Placed %1 of %2 channels like the other list")
        .arg(number(counts.channelsPlaced), number(counts.channels));
}

ChannelTree& channelsOf(const Operand& on) { return on.tree()->channelModel()->tree(); }

}  // namespace

TreeMenu::TreeMenu(QWidget& window, CommandTable& commands, EditSession& panelEdit, EditorSession& session,
                   UserPrompts& prompts, const ChannelSettingsPanel& panel, EditorStatusBar& statusBar)
    : window_(window),
      commands_(commands),
      panelEdit_(panelEdit),
      session_(session),
      prompts_(prompts),
      panel_(panel),
      statusBar_(statusBar) {}

void TreeMenu::OnTreeRightClick(CTreeSat& tree, const QPoint& viewportPoint) {
    if (session_.isEditing()) return;
    const QModelIndex hit = tree.indexOnIconOrLabel(viewportPoint);
    TreeItem* item = hit.isValid() ? tree.channelModel()->itemAt(hit) : nullptr;
    QPoint menuCorner = tree.viewport()->mapToGlobal(viewportPoint);
    if (item) {
        // On one of several selected items the selection stays; the item becomes the focused one.
        if (tree.selectedCount() > 1 && tree.isSelected(item))
            tree.focusItem(item);
        else
            tree.selectItem(item);
        menuCorner.ry() += tree.visualRect(hit).height();
    }
    panelEdit_.takeClickedItem(tree, item);
    if (item && tree.selectedCount() > 1) panelEdit_.showSelection(tree, tree.selectedItems());
    // The menu runs its own event loop: the operand holds the item so that it cannot dangle meanwhile.
    commands_.setOperand(Operand(&tree, item));
    commands_.refresh();
    QMenu menu(&window_);
    menu.setObjectName(QStringLiteral("treeContextMenu"));
    commands_.execMenu(menu, menuCorner);
}

void TreeMenu::edit(const Operand& on) {
    if (on.lost()) return;
    if (!on.item()) return;
    if (std::vector<TreeItem*> items = on.items(); items.size() > 1) {
        panelEdit_.EditItems(*on.tree(), items);
        return;
    }
    on.tree()->selectItem(on.item());
    panelEdit_.EditSelectedItem(*on.tree());
}

void TreeMenu::rename(const Operand& on) {
    if (on.lost()) return;
    if (!on.item()) return;
    on.tree()->focusItem(on.item());
    on.tree()->setFocus(Qt::OtherFocusReason);
    on.tree()->startLabelEdit();
}

void TreeMenu::copy(const Operand& on) {
    if (on.lost()) return;
    if (on.item()) session_.copy(on.items());
}

void TreeMenu::cut(const Operand& on) {
    if (on.lost()) return;
    if (!on.item()) return;
    // Several items: the selection moves on to the item the command names (one item: the tree moves it).
    if (TreeItem* next = session_.run(makeCutCommand(channelsOf(on), on.items(), session_.clipboardForCommands())).item)
        on.tree()->selectItem(next);
}

void TreeMenu::paste(const Operand& on) {
    if (on.lost()) return;
    const ItemToSelect pasted = session_.run(makePasteCommand(channelsOf(on), on.item(), session_.clipboardForCommands()));
    if (pasted.item) on.tree()->selectItems(pasted.item, pasted.more);
}

void TreeMenu::remove(const Operand& on) {
    if (on.lost()) return;
    if (!on.item()) return;
    if (TreeItem* next = session_.run(makeDeleteCommand(channelsOf(on), on.items())).item) on.tree()->selectItem(next);
}

void TreeMenu::newChannel(const Operand& on) {
    if (on.lost()) return;
    on.tree()->selectItem(session_.run(makeNewChannelCommand(channelsOf(on), on.item())).item);
    rename(Operand(on.tree(), on.tree()->selectedItem()));
}

void TreeMenu::newProvider(const Operand& on) {
    if (on.lost()) return;
    on.tree()->selectItem(session_.run(makeNewProviderCommand(channelsOf(on), on.item())).item);
    rename(Operand(on.tree(), on.tree()->selectedItem()));
}

// Without an item these are the "for all" forms.
void TreeMenu::setBulkValue(BulkField field, const Operand& on) {
    if (on.lost()) return;
    CTreeSat& tree = *on.tree();
    TreeItem* item = on.item();
    if (!item && channelsOf(on).empty()) return;
    const std::unique_ptr<BulkSettingDialog> dialog = makeBulkDialog(field, &window_);
    dialog->setValue(bulkStartValue(field, item));
    // The dialog runs its own event loop, like the menu.
    HeldItem reference;
    reference.hold(tree.channelModel(), item);
    prompts_.runDialog(*dialog);
    if (dialog->result() != QDialog::Accepted || (item && !reference)) return;
    item = reference.get();
    // "For all" while a filter is on: what it shows, each record alone.
    if (const ChannelTreeModel* model = tree.channelModel(); !item && model->isFiltered()) {
        session_.run(makeBulkSettingCommand(channelsOf(on), model->shownItems(), field, dialog->value(),
                                            StepScope::Shown, model->shownChannelCount()));
        return;
    }
    // The selection is read again: the tree's selection let go of whatever went meanwhile.
    std::vector<TreeItem*> items = Operand(&tree, item).items();
    if (items.size() > 1) {
        session_.run(makeBulkSettingCommand(channelsOf(on), std::move(items), field, dialog->value()));
        return;
    }
    session_.run(makeBulkSettingCommand(channelsOf(on), item, field, dialog->value()));
    // "For all" leaves the panel as it is.
    if (item) panelEdit_.showItemRecord(tree, *item);
}

void TreeMenu::removeDuplicates(const Operand& on) {
    if (on.lost()) return;
    ChannelTree& channels = channelsOf(on);
    if (channels.empty()) return;
    RemovedCounts removed;
    session_.run(makeRemoveDuplicatesCommand(channels, panel_.compareOptions(), &removed));
    statusBar_.showNote(removedNote(removed));
}

// On a channel the entry sorts its provider; elsewhere every provider.
void TreeMenu::sortChannels(SortKey key, const Operand& on) {
    if (on.lost()) return;
    ChannelTree& channels = channelsOf(on);
    if (channels.empty()) return;
    TreeItem* item = on.item();
    TreeItem* provider = item && item->hasParent() ? item->parent() : item;
    // A reorder: the tree keeps its selection and open providers itself.
    session_.run(makeSortChannelsCommand(channels, provider, key));
}

// The whole tree, wherever it was clicked; the other list stays as it is.
void TreeMenu::arrangeLikeOtherList(const Operand& on) {
    if (on.lost()) return;
    ChannelTree& channels = channelsOf(on);
    if (!session_.canArrange(channels)) return;
    ArrangedCounts counts;
    // A reorder: the tree keeps its selection and open providers itself.
    session_.run(makeArrangeCommand(channels, *session_.otherListTree(channels), panel_.compareOptions(), &counts));
    statusBar_.showNote(placedNote(counts));
}

}  // namespace qvx
