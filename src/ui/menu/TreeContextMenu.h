#pragma once

#include <array>
#include <optional>

#include <QMenu>

namespace qvx {

// The commands of the tree context menu, top to bottom.
enum class TreeMenuCommand {
    Edit,
    Rename,
    Cut,
    Copy,
    Paste,
    Delete,
    NewChannel,
    NewProvider,
    SetLnb,
    SetRotorPosition,
    SetVolume,
};

// What a right-click hit: an item with a parent counts as a channel, one
// without as a provider, whatever its record says.
enum class MenuTarget { Channel, Provider, ElsewhereWithItems, EmptyTree };

// The pop-up menu of the four channel trees. Its entries' texts and states
// depend on what was clicked; "Paste" is open exactly while the clipboard holds images.
class TreeContextMenu final : public QMenu {
    Q_OBJECT

public:
    TreeContextMenu(MenuTarget target, bool clipboardFilled, QWidget* parent = nullptr);
    TreeContextMenu(const TreeContextMenu&) = delete;
    TreeContextMenu& operator=(const TreeContextMenu&) = delete;

    QAction* action(TreeMenuCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
    // The command of a picked entry; none for no entry.
    std::optional<TreeMenuCommand> commandOf(const QAction* picked) const;

private:
    static constexpr std::size_t kCommandCount = static_cast<std::size_t>(TreeMenuCommand::SetVolume) + 1;
    std::array<QAction*, kCommandCount> actions_{};
};

}  // namespace qvx
