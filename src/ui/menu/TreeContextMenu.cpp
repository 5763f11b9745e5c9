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

TreeContextMenu::TreeContextMenu(MenuTarget target, bool clipboardFilled, QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("treeContextMenu"));
    const bool onItem = target == MenuTarget::Channel || target == MenuTarget::Provider;
    const bool treeHasItems = target != MenuTarget::EmptyTree;
    auto add = [this](TreeMenuCommand command, const char* text, bool enabled) {
        QAction* entry = addAction(QString::fromLatin1(text));
        entry->setEnabled(enabled);
        actions_[static_cast<std::size_t>(command)] = entry;
    };
    add(TreeMenuCommand::Edit, "Edit", onItem);
    add(TreeMenuCommand::Rename, "Rename", onItem);
    addSeparator();
    add(TreeMenuCommand::Cut, "Cut", onItem);
    add(TreeMenuCommand::Copy, "Copy", onItem);
    add(TreeMenuCommand::Paste, "Paste", clipboardFilled);
    add(TreeMenuCommand::Delete, "Delete", onItem);
    addSeparator();
    add(TreeMenuCommand::NewChannel, "New channel", true);
    add(TreeMenuCommand::NewProvider, "New provider", true);
    addSeparator();
    add(TreeMenuCommand::SetLnb, bulkText(kLnbTexts, target), treeHasItems);
    add(TreeMenuCommand::SetRotorPosition, bulkText(kRotorTexts, target), treeHasItems);
    add(TreeMenuCommand::SetVolume, bulkText(kVolumeTexts, target), treeHasItems);
}

std::optional<TreeMenuCommand> TreeContextMenu::commandOf(const QAction* picked) const {
    if (!picked) return std::nullopt;
    for (std::size_t i = 0; i < kCommandCount; ++i)
        if (actions_[i] == picked && picked->isEnabled()) return static_cast<TreeMenuCommand>(i);
    return std::nullopt;
}

}  // namespace qvx
