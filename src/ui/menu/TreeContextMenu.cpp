// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/TreeContextMenu.h"

namespace qvx {
namespace {

struct BulkTexts {
    const char* single;
    const char* forProvider;
    const char* forAll;
};

constexpr BulkTexts kLnbTexts{"Set LNB", "Set LNB for provider", "Set LNB for all"};
constexpr BulkTexts kRotorTexts{"Set Rotor position", "Set Rotor Pos for provider", "Set Rotor Pos for all"};
constexpr BulkTexts kVolumeTexts{"Set Volume", "Set Volume for provider", "Set Volume for all"};

const char* bulkText(const BulkTexts& texts, MenuTarget target) {
    switch (target) {
    case MenuTarget::Provider:
        return texts.forProvider;
    case MenuTarget::ElsewhereWithItems:
        return texts.forAll;
    case MenuTarget::Channel:
    case MenuTarget::EmptyTree:
        break;
    }
    return texts.single;
}

}  // namespace

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
    add(TreeMenuCommand::SetLnb, QString::fromLatin1(bulkText(kLnbTexts, target)), treeHasItems);
    add(TreeMenuCommand::SetRotorPosition, QString::fromLatin1(bulkText(kRotorTexts, target)), treeHasItems);
    add(TreeMenuCommand::SetVolume, QString::fromLatin1(bulkText(kVolumeTexts, target)), treeHasItems);
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
