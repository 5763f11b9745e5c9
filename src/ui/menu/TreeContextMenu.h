// SPDX-License-Identifier: GPL-3.0-or-later
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
    RemoveDuplicates,
    SortByName,
    SortByFrequency,
    SortByServiceId,
    Undo,
    Redo,
};

// The last two entries: what undo and redo would do ("Undo Delete ZDFvision"), and whether they can.
struct HistoryEntries {
    QString undoText = QStringLiteral("Undo");
    bool canUndo = false;
    QString redoText = QStringLiteral("Redo");
    bool canRedo = false;
};

// What a right-click hit: an item with a parent counts as a channel, one
// without as a provider, whatever its record says.
enum class MenuTarget { Channel, Provider, ElsewhereWithItems, EmptyTree };

// The pop-up menu of the four channel trees. Its entries' texts and states
// depend on what was clicked; "Paste" is open exactly while the clipboard holds images.
// "Remove duplicates" and the "Sort channels" submenu follow the bulk entries,
// Undo and Redo end the menu, each pair below a separator.
class TreeContextMenu final : public QMenu {
    Q_OBJECT

public:
    TreeContextMenu(MenuTarget target, bool clipboardFilled, const HistoryEntries& history = {},
                    QWidget* parent = nullptr);
    TreeContextMenu(const TreeContextMenu&) = delete;
    TreeContextMenu& operator=(const TreeContextMenu&) = delete;

    QAction* action(TreeMenuCommand command) const { return actions_[static_cast<std::size_t>(command)]; }
    // The command of a picked entry; none for no entry.
    std::optional<TreeMenuCommand> commandOf(const QAction* picked) const;

private:
    static constexpr std::size_t kCommandCount = static_cast<std::size_t>(TreeMenuCommand::Redo) + 1;
    std::array<QAction*, kCommandCount> actions_{};
};

}  // namespace qvx
