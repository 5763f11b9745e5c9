// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "commands/ListCommand.h"

namespace qvx {

class ChannelList;

// The one history of undoable steps of the window, shared by both lists since
// a drag or a comparison changes both. Every change of a list goes through
// execute(). It also knows, per list, whether the list changed since it was
// loaded or saved: undoing back to the saved state clears that mark.
//
// It keeps at most kMaxSteps steps and, beyond the newest step, at most
// kMaxBytes of memory; the oldest steps go first.
//
// A tree changed behind the history's back (not through execute, undo or
// redo) would leave its steps pointing at a state that is gone: the history
// notices it by the trees' change counts and then forgets every step.
class CommandHistory final {
public:
    static constexpr std::size_t kMaxSteps = 100;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;

    CommandHistory(ChannelList& list1, ChannelList& list2);
    CommandHistory(const CommandHistory&) = delete;
    CommandHistory& operator=(const CommandHistory&) = delete;
    ~CommandHistory();

    // Runs the command and keeps it as the newest step (dropping what could
    // have been redone). A command that changed nothing is not kept. Returns
    // the item to select.
    ItemToSelect execute(std::unique_ptr<ListCommand> command);
    ItemToSelect undo();
    ItemToSelect redo();

    bool canUndo() const;
    bool canRedo() const;
    // The step undo or redo would take back or make again; null when none.
    const StepName* undoStep() const;
    const StepName* redoStep() const;

    // Forgets every step (Load and Close of either list). The changed marks stay.
    void clear();

    // The list is as it was when last loaded or saved: Load, Close and Save
    // call it (Load and Close after clear()).
    void markSaved(const ChannelList& list);
    // Whether the list changed since it was last loaded or saved.
    bool isChanged(const ChannelList& list) const;

    std::size_t undoCount() const { return done_; }
    std::size_t redoCount() const { return steps_.size() - done_; }
    // An estimate of the memory the steps hold.
    std::size_t memoryBytes() const;

private:
    struct Step {
        std::unique_ptr<ListCommand> command;
        std::uint64_t serial;
    };
    struct ListState {
        ChannelList* list;
        // Serial of the last step that changed the list in the state it was
        // saved in, and of the last one dropped from the history (0: none).
        std::uint64_t savedAt = 0;
        std::uint64_t base = 0;
        bool unknown = false;  // changed behind the history's back
    };

    ListState& stateOf(const ChannelList& list);
    const ListState& stateOf(const ChannelList& list) const;
    std::uint64_t currentState(const ListState& state) const;
    void trim();
    bool changedBehind(const ListState& state) const;
    bool treesAsLeft() const;
    void noteTrees();
    void forgetIfChangedBehind();

    std::deque<Step> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) are done, the rest can be redone
    std::uint64_t nextSerial_ = 1;
    ListState lists_[2];
    std::uint64_t changeCounts_[4] = {};
};

}  // namespace qvx
