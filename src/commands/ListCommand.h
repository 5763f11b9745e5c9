// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "commands/StepName.h"
#include "model/TreeJournal.h"

namespace qvx {

class ChannelList;
class ChannelTree;
class TreeItem;

// An item a view should select (and the settings panel show) after a command
// ran, was undone or redone. Both null when the command names none; the tree
// then keeps or moves its own selection.
struct ItemToSelect {
    ItemToSelect() = default;
    ItemToSelect(ChannelTree* inTree, TreeItem* focused, std::vector<TreeItem*> others = {})
        : tree(inTree), item(focused), more(std::move(others)) {}

    ChannelTree* tree = nullptr;
    TreeItem* item = nullptr;
    // A step on several items selects them all again; `item` is the focused one.
    std::vector<TreeItem*> more;
};

// One change of the lists, as one step of the history. It is carried out once
// by execute(); undo() and redo() then take it back and make it again on the
// very same items (see TreeJournal), so item pointers that were valid in a
// state are valid again whenever that state comes back. Views follow through
// the trees' notifications.
//
// Make commands with the functions of ListCommands.h and run them through a
// CommandHistory.
class ListCommand {
public:
    virtual ~ListCommand();
    ListCommand(const ListCommand&) = delete;
    ListCommand& operator=(const ListCommand&) = delete;

    // Carries out the change for the first time. Returns false when it changed
    // nothing (an empty clipboard, a comparison of an empty tree): such a
    // command is not kept as a step.
    bool execute();
    void undo();
    void redo();

    // What the step did, and to which item; the window words it for the menu.
    const StepName& name() const { return name_; }
    // The item to select after execute() or redo(), and after undo().
    ItemToSelect selectionAfterDo() const { return afterDo_; }
    ItemToSelect selectionAfterUndo() const { return afterUndo_; }

    // Whether the step changed a tree of `list`.
    bool changes(const ChannelList& list) const;
    // An estimate of the memory the step holds.
    std::size_t memoryBytes() const;

protected:
    // `trees`: every tree the command may change; only their changes are recorded.
    ListCommand(StepName name, std::vector<ChannelTree*> trees);

    // The change itself; returns the item to select afterwards (or none).
    virtual ItemToSelect perform() = 0;
    void setSelectionAfterUndo(ItemToSelect selection) { afterUndo_ = selection; }

private:
    StepName name_;
    std::vector<ChannelTree*> trees_;
    TreeJournal journal_;
    ItemToSelect afterDo_;
    ItemToSelect afterUndo_;
};

}  // namespace qvx
