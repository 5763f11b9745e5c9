// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/TreeContextMenu.h"

#include "ui/menu/StepWords.h"

namespace qvx {

TreeContextMenu::TreeContextMenu(MenuTarget target, bool clipboardFilled, const HistoryEntries& history,
                                 QWidget* parent)
    : QMenu(parent) {
    setObjectName(QStringLiteral("treeContextMenu"));
    const bool onItem = target == MenuTarget::Channel || target == MenuTarget::Provider;
    const bool treeHasItems = target != MenuTarget::EmptyTree;
    auto add = [this](TreeMenuCommand command, const QString& text, bool enabled) {
        QAction* entry = addAction(text);
        entry->setEnabled(enabled);
        actions_[static_cast<std::size_t>(command)] = entry;
    };
    add(TreeMenuCommand::Edit, QStringLiteral("Edit"), onItem);
    add(TreeMenuCommand::Rename, QStringLiteral("Rename"), onItem);
    addSeparator();
    add(TreeMenuCommand::Cut, QStringLiteral("Cut"), onItem);
    add(TreeMenuCommand::Copy, QStringLiteral("Copy"), onItem);
    add(TreeMenuCommand::Paste, QStringLiteral("Paste"), clipboardFilled);
    add(TreeMenuCommand::Delete, QStringLiteral("Delete"), onItem);
    addSeparator();
    add(TreeMenuCommand::NewChannel, QStringLiteral("New channel"), true);
    add(TreeMenuCommand::NewProvider, QStringLiteral("New provider"), true);
    addSeparator();
    add(TreeMenuCommand::SetLnb, bulkEntryText(BulkField::Lnb, target), treeHasItems);
    add(TreeMenuCommand::SetRotorPosition, bulkEntryText(BulkField::RotorPosition, target), treeHasItems);
    add(TreeMenuCommand::SetVolume, bulkEntryText(BulkField::Volume, target), treeHasItems);
    addSeparator();
    add(TreeMenuCommand::RemoveDuplicates, QStringLiteral("Remove duplicates"), treeHasItems);
    QMenu* sort = addMenu(QStringLiteral("Sort channels"));
    sort->setEnabled(treeHasItems);
    auto addSort = [this, sort, treeHasItems](TreeMenuCommand command, const QString& text) {
        QAction* entry = sort->addAction(text);
        entry->setEnabled(treeHasItems);
        actions_[static_cast<std::size_t>(command)] = entry;
    };
    addSort(TreeMenuCommand::SortByName, QStringLiteral("by name"));
    addSort(TreeMenuCommand::SortByFrequency, QStringLiteral("by frequency"));
    addSort(TreeMenuCommand::SortByServiceId, QStringLiteral("by Service ID"));
    addSeparator();
    add(TreeMenuCommand::Undo, history.undoText, history.canUndo);
    add(TreeMenuCommand::Redo, history.redoText, history.canRedo);
}

std::optional<TreeMenuCommand> TreeContextMenu::commandOf(const QAction* picked) const {
    if (!picked) return std::nullopt;
    for (std::size_t i = 0; i < kCommandCount; ++i)
        if (actions_[i] == picked && picked->isEnabled()) return static_cast<TreeMenuCommand>(i);
    return std::nullopt;
}

}  // namespace qvx
