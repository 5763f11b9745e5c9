// SPDX-License-Identifier: GPL-3.0-or-later
// The window's table of commands: every button, tree menu entry, key and step
// name of the window is one row here.
#include <algorithm>

#include <QCoreApplication>
#include <QPushButton>

#include "session/EditorSession.h"
#include "ui/commands/CommandTable.h"
#include "ui/dialogs/CAboutDialog.h"
#include "ui/drag/DragController.h"
#include "ui/list/ListColumn.h"
#include "ui/list/ListColumnCommands.h"
#include "ui/list/ListFilter.h"
#include "ui/menu/TreeMenu.h"
#include "ui/menu/UndoRedo.h"
#include "ui/panel/EditSession.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

// "Undo Delete ZDFvision", or "Undo" alone when there is nothing to undo. An
// ampersand in a label is a character, not a menu mnemonic.
QString historyEntry(const CommandTable& table, const char* alone, const char* named, const StepName* step) {
    if (!step) return QCoreApplication::translate("Commands", alone);
    return QCoreApplication::translate("Commands", named)
        .arg(table.stepText(*step).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

}  // namespace

void CEditorDialog::buildCommands() {
    EditorSession& session = *session_;
    TreeMenu& menu = *treeMenu_;
    const auto free = [&session](const Operand&) { return session.canUseFiles(); };
    const auto editing = [&session](const Operand&) { return session.isEditing(); };
    // Tree commands: on a tree, outside edit mode; some only on an item, some only where there are items.
    const auto onTree = [&session](const Operand& on) { return on.tree() && !session.isEditing(); };
    const auto onItem = [onTree](const Operand& on) { return onTree(on) && on.item(); };
    const auto onItems = [onTree](const Operand& on) {
        return onTree(on) && (on.item() || !on.tree()->channelModel()->tree().empty());
    };
    const auto undoOpen = [this, &session](const Operand&) { return session.canUndo() && !isDragging(); };
    const auto redoOpen = [this, &session](const Operand&) { return session.canRedo() && !isDragging(); };

    std::vector<CommandRow> rows;
    for (int number : {1, 2}) {
        ListColumnCommands& list = *listCommands_[static_cast<std::size_t>(number - 1)];
        const bool first = number == 1;
        rows.push_back({.command = first ? Command::Load1 : Command::Load2,
                        .objectName = first ? "list1Load" : "list2Load",
                        .text = QT_TRANSLATE_NOOP("Commands", "Load"),
                        .enabled = free,
                        .run = [&list](const Operand&) { list.Load(); }});
        rows.push_back({.command = first ? Command::SaveAs1 : Command::SaveAs2,
                        .objectName = first ? "list1SaveAs" : "list2SaveAs",
                        .text = QT_TRANSLATE_NOOP("Commands", "Save as"),
                        .enabled = free,
                        .run = [&list](const Operand&) { list.SaveAs(); }});
        rows.push_back({.command = first ? Command::Save1 : Command::Save2,
                        .objectName = first ? "list1Save" : "list2Save",
                        .text = QT_TRANSLATE_NOOP("Commands", "Save"),
                        .enabled = [&session, number](const Operand&) { return session.canSave(number); },
                        .run = [&list](const Operand&) { list.Save(); }});
        rows.push_back({.command = first ? Command::ClearAll1 : Command::ClearAll2,
                        .objectName = first ? "list1ClearAll" : "list2ClearAll",
                        .text = QT_TRANSLATE_NOOP("Commands", "Clear all"),
                        .step = StepKind::ClearAll,
                        .enabled = free,
                        .run = [&list](const Operand&) { list.ClearAll(); }});
        rows.push_back({.command = first ? Command::Close1 : Command::Close2,
                        .objectName = first ? "list1Close" : "list2Close",
                        .text = QT_TRANSLATE_NOOP("Commands", "Close"),
                        .enabled = [&session, number](const Operand&) { return session.canClose(number); },
                        .run = [&list](const Operand&) { list.Close(); }});
    }
    rows.push_back({.command = Command::CompareLists,
                    .objectName = "compareLists",
                    .text = QT_TRANSLATE_NOOP("Commands", "Compare Lists"),
                    .step = StepKind::CompareLists,
                    .enabled = free,
                    .run = [this](const Operand&) { CompareLists(); }});
    rows.push_back({.command = Command::Ok,
                    .objectName = "ok",
                    .text = QT_TRANSLATE_NOOP("Commands", "OK"),
                    .enabled = editing,
                    .run = [this](const Operand&) { panelEdit_->ApplyEdit(); }});
    rows.push_back({.command = Command::Cancel,
                    .objectName = "cancel",
                    .text = QT_TRANSLATE_NOOP("Commands", "Cancel"),
                    .enabled = editing,
                    .run = [this](const Operand&) { panelEdit_->CancelEdit(); }});
    rows.push_back({.command = Command::Quit,
                    .objectName = "quit",
                    .text = QT_TRANSLATE_NOOP("Commands", "Quit"),
                    .run = [this](const Operand&) { accept(); }});
    rows.push_back({.command = Command::About,
                    .objectName = "about",
                    .text = QT_TRANSLATE_NOOP("Commands", "About"),
                    .keys = {QKeySequence(Qt::Key_F1)},
                    .route = KeyRoute::WindowAlsoWhileTyping,
                    .run = [this](const Operand&) {
                        CAboutDialog about(this);
                        prompts_->runDialog(about);
                    }});

    // The tree menu, top to bottom.
    rows.push_back({.command = Command::Edit,
                    .objectName = "edit",
                    .text = QT_TRANSLATE_NOOP("Commands", "Edit"),
                    .step = StepKind::Edit,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Edit %1"),
                    .manyStepText = QT_TRANSLATE_NOOP("Commands", "Edit %1 items"),
                    .menuGroup = 1,
                    // Several items are edited together only when all are channels.
                    .enabled = [onItem](const Operand& on) {
                        if (!onItem(on)) return false;
                        const std::vector<TreeItem*> items = on.items();
                        return items.size() < 2 || std::none_of(items.begin(), items.end(), [](const TreeItem* item) {
                                   return !item->hasParent();
                               });
                    },
                    .run = [&menu](const Operand& on) { menu.edit(on); }});
    rows.push_back({.command = Command::Rename,
                    .objectName = "rename",
                    .text = QT_TRANSLATE_NOOP("Commands", "Rename"),
                    .step = StepKind::Rename,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Rename %1"),
                    .keys = {QKeySequence(Qt::Key_F2)},
                    .route = KeyRoute::TreeSelection,
                    .menuGroup = 1,
                    .enabled = onItem,
                    .run = [&menu](const Operand& on) { menu.rename(on); }});
    rows.push_back({.command = Command::Cut,
                    .objectName = "cut",
                    .text = QT_TRANSLATE_NOOP("Commands", "Cut"),
                    .step = StepKind::Cut,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Cut %1"),
                    .manyStepText = QT_TRANSLATE_NOOP("Commands", "Cut %1 items"),
                    .keys = {QKeySequence(Qt::CTRL | Qt::Key_X)},
                    .route = KeyRoute::Tree,
                    .menuGroup = 2,
                    .enabled = onItem,
                    .run = [&menu](const Operand& on) { menu.cut(on); }});
    rows.push_back({.command = Command::Copy,
                    .objectName = "copy",
                    .text = QT_TRANSLATE_NOOP("Commands", "Copy"),
                    .keys = {QKeySequence(Qt::CTRL | Qt::Key_C)},
                    .route = KeyRoute::Tree,
                    .menuGroup = 2,
                    .enabled = onItem,
                    .run = [&menu](const Operand& on) { menu.copy(on); }});
    rows.push_back({.command = Command::Paste,
                    .objectName = "paste",
                    .text = QT_TRANSLATE_NOOP("Commands", "Paste"),
                    .step = StepKind::Paste,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Paste %1"),
                    .manyStepText = QT_TRANSLATE_NOOP("Commands", "Paste %1 items"),
                    .keys = {QKeySequence(Qt::CTRL | Qt::Key_V)},
                    .route = KeyRoute::Tree,
                    .menuGroup = 2,
                    .enabled = [onTree, &session](const Operand& on) { return onTree(on) && session.canPaste(); },
                    .run = [&menu](const Operand& on) { menu.paste(on); }});
    rows.push_back({.command = Command::Delete,
                    .objectName = "delete",
                    .text = QT_TRANSLATE_NOOP("Commands", "Delete"),
                    .step = StepKind::Delete,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Delete %1"),
                    .manyStepText = QT_TRANSLATE_NOOP("Commands", "Delete %1 items"),
                    .keys = {QKeySequence(Qt::Key_Delete)},
                    .route = KeyRoute::TreeSelection,
                    .menuGroup = 2,
                    .enabled = onItem,
                    .run = [&menu](const Operand& on) { menu.remove(on); }});
    rows.push_back({.command = Command::NewChannel,
                    .objectName = "newChannel",
                    .text = QT_TRANSLATE_NOOP("Commands", "New channel"),
                    .step = StepKind::NewChannel,
                    .menuGroup = 3,
                    .enabled = onTree,
                    .run = [&menu](const Operand& on) { menu.newChannel(on); }});
    rows.push_back({.command = Command::NewProvider,
                    .objectName = "newProvider",
                    .text = QT_TRANSLATE_NOOP("Commands", "New provider"),
                    .step = StepKind::NewProvider,
                    .menuGroup = 3,
                    .enabled = onTree,
                    .run = [&menu](const Operand& on) { menu.newProvider(on); }});
    rows.push_back({.command = Command::SetLnb,
                    .objectName = "setLnb",
                    .text = QT_TRANSLATE_NOOP("Commands", "Set LNB"),
                    .providerText = QT_TRANSLATE_NOOP("Commands", "Set LNB for provider"),
                    .allText = QT_TRANSLATE_NOOP("Commands", "Set LNB for all"),
                    .step = StepKind::SetLnb,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Set LNB %1"),
                    .providerStepText = QT_TRANSLATE_NOOP("Commands", "Set LNB for provider %1"),
                    .manyText = QT_TRANSLATE_NOOP("Commands", "Set LNB for %1 items"),
                    .shownText = QT_TRANSLATE_NOOP("Commands", "Set LNB for %1 shown"),
                    .menuGroup = 4,
                    .enabled = onItems,
                    .run = [&menu](const Operand& on) { menu.setBulkValue(BulkField::Lnb, on); }});
    rows.push_back({.command = Command::SetRotorPosition,
                    .objectName = "setRotorPosition",
                    .text = QT_TRANSLATE_NOOP("Commands", "Set Rotor position"),
                    .providerText = QT_TRANSLATE_NOOP("Commands", "Set Rotor Pos for provider"),
                    .allText = QT_TRANSLATE_NOOP("Commands", "Set Rotor Pos for all"),
                    .step = StepKind::SetRotorPosition,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Set Rotor position %1"),
                    .providerStepText = QT_TRANSLATE_NOOP("Commands", "Set Rotor Pos for provider %1"),
                    .manyText = QT_TRANSLATE_NOOP("Commands", "Set Rotor Pos for %1 items"),
                    .shownText = QT_TRANSLATE_NOOP("Commands", "Set Rotor Pos for %1 shown"),
                    .menuGroup = 4,
                    .enabled = onItems,
                    .run = [&menu](const Operand& on) { menu.setBulkValue(BulkField::RotorPosition, on); }});
    rows.push_back({.command = Command::SetVolume,
                    .objectName = "setVolume",
                    .text = QT_TRANSLATE_NOOP("Commands", "Set Volume"),
                    .providerText = QT_TRANSLATE_NOOP("Commands", "Set Volume for provider"),
                    .allText = QT_TRANSLATE_NOOP("Commands", "Set Volume for all"),
                    .step = StepKind::SetVolume,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Set Volume %1"),
                    .providerStepText = QT_TRANSLATE_NOOP("Commands", "Set Volume for provider %1"),
                    .manyText = QT_TRANSLATE_NOOP("Commands", "Set Volume for %1 items"),
                    .shownText = QT_TRANSLATE_NOOP("Commands", "Set Volume for %1 shown"),
                    .menuGroup = 4,
                    .enabled = onItems,
                    .run = [&menu](const Operand& on) { menu.setBulkValue(BulkField::Volume, on); }});
    rows.push_back({.command = Command::RemoveDuplicates,
                    .objectName = "removeDuplicates",
                    .text = QT_TRANSLATE_NOOP("Commands", "Remove duplicates"),
                    .step = StepKind::RemoveDuplicates,
                    .menuGroup = 5,
                    .enabled = onItems,
                    .run = [&menu](const Operand& on) { menu.removeDuplicates(on); }});
    const struct {
        Command command;
        const char* objectName;
        const char* text;
        SortKey key;
    } sorts[] = {
        {Command::SortByName, "sortByName", QT_TRANSLATE_NOOP("Commands", "by name"), SortKey::Name},
        {Command::SortByFrequency, "sortByFrequency", QT_TRANSLATE_NOOP("Commands", "by frequency"),
         SortKey::Frequency},
        {Command::SortByServiceId, "sortByServiceId", QT_TRANSLATE_NOOP("Commands", "by Service ID"),
         SortKey::ServiceId},
    };
    for (const auto& sort : sorts) {
        const SortKey key = sort.key;
        rows.push_back({.command = sort.command,
                        .objectName = sort.objectName,
                        .text = sort.text,
                        .step = StepKind::SortChannels,
                        .stepText = QT_TRANSLATE_NOOP("Commands", "Sort channels"),
                        .menuGroup = 5,
                        .submenu = QT_TRANSLATE_NOOP("Commands", "Sort channels"),
                        .enabled = onItems,
                        .run = [&menu, key](const Operand& on) { menu.sortChannels(key, on); }});
    }
    rows.push_back({.command = Command::ArrangeLikeOtherList,
                    .objectName = "arrangeLikeOtherList",
                    .text = QT_TRANSLATE_NOOP("Commands", "Arrange like the other list"),
                    .step = StepKind::ArrangeLikeOtherList,
                    .menuGroup = 5,
                    .enabled = [onTree, &session](const Operand& on) {
                        return onTree(on) && session.canArrange(on.tree()->channelModel()->tree());
                    },
                    .run = [&menu](const Operand& on) { menu.arrangeLikeOtherList(on); }});
    // The filter of the tree's list, over the bottom of its trees.
    rows.push_back({.command = Command::Filter,
                    .objectName = "filter",
                    .text = QT_TRANSLATE_NOOP("Commands", "Filter..."),
                    .keys = {QKeySequence(Qt::CTRL | Qt::Key_F)},
                    .route = KeyRoute::Tree,
                    .menuGroup = 5,
                    .enabled = onTree,
                    .run = [this](const Operand& on) {
                        for (int number : {1, 2})
                            for (const TreeKind kind : {TreeKind::Television, TreeKind::Radio})
                                if (column(number).tree(kind) == on.tree()) column(number).filter()->open();
                    }});
    // The keyboard's way to the tree menu: below the selected item's row.
    rows.push_back({.command = Command::ContextMenu,
                    .objectName = "contextMenu",
                    .text = QT_TRANSLATE_NOOP("Commands", "Menu"),
                    .keys = {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)},
                    .route = KeyRoute::Tree,
                    .enabled = onTree,
                    .run = [&menu](const Operand& on) {
                        menu.OnTreeRightClick(*on.tree(), on.tree()->keyboardMenuPoint());
                    }});
    rows.push_back({.command = Command::Undo,
                    .objectName = "undo",
                    .text = QT_TRANSLATE_NOOP("Commands", "Undo"),
                    .keys = {QKeySequence(Qt::CTRL | Qt::Key_Z)},
                    .route = KeyRoute::Window,
                    .menuGroup = 6,
                    .enabled = undoOpen,
                    .textNow = [this, &session] {
                        return historyEntry(*commands_, QT_TRANSLATE_NOOP("Commands", "Undo"),
                                            QT_TRANSLATE_NOOP("Commands", "Undo %1"), session.undoStep());
                    },
                    .run = [this](const Operand&) { undoRedo_->undo(); }});
    rows.push_back({.command = Command::Redo,
                    .objectName = "redo",
                    .text = QT_TRANSLATE_NOOP("Commands", "Redo"),
                    .keys = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                    .route = KeyRoute::Window,
                    .menuGroup = 6,
                    .enabled = redoOpen,
                    .textNow = [this, &session] {
                        return historyEntry(*commands_, QT_TRANSLATE_NOOP("Commands", "Redo"),
                                            QT_TRANSLATE_NOOP("Commands", "Redo %1"), session.redoStep());
                    },
                    .run = [this](const Operand&) { undoRedo_->redo(); }});
    // Steps of a drag: no entry, no key.
    rows.push_back({.command = Command::MoveByDrag,
                    .objectName = "moveByDrag",
                    .text = QT_TRANSLATE_NOOP("Commands", "Move"),
                    .step = StepKind::Move,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Move %1"),
                    .manyStepText = QT_TRANSLATE_NOOP("Commands", "Move %1 items"),
                    .enabled = [](const Operand&) { return false; }});
    rows.push_back({.command = Command::CopyByDrag,
                    .objectName = "copyByDrag",
                    .text = QT_TRANSLATE_NOOP("Commands", "Copy"),
                    .step = StepKind::CopyInto,
                    .stepText = QT_TRANSLATE_NOOP("Commands", "Copy %1"),
                    .manyStepText = QT_TRANSLATE_NOOP("Commands", "Copy %1 items"),
                    .enabled = [](const Operand&) { return false; }});
    commands_->setRows(std::move(rows));

    for (int number : {1, 2}) {
        ListColumn& listColumn = column(number);
        const bool first = number == 1;
        commands_->bindButton(*listColumn.loadButton(), first ? Command::Load1 : Command::Load2);
        commands_->bindButton(*listColumn.saveAsButton(), first ? Command::SaveAs1 : Command::SaveAs2);
        commands_->bindButton(*listColumn.saveButton(), first ? Command::Save1 : Command::Save2);
        commands_->bindButton(*listColumn.clearAllButton(), first ? Command::ClearAll1 : Command::ClearAll2);
        commands_->bindButton(*listColumn.closeButton(), first ? Command::Close1 : Command::Close2);
    }
    commands_->bindButton(*compareButton_, Command::CompareLists);
    commands_->bindButton(*okButton_, Command::Ok);
    commands_->bindButton(*cancelButton_, Command::Cancel);
    commands_->bindButton(*quitButton_, Command::Quit);
}

}  // namespace qvx
