// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/CommandHistory.h"

#include "model/ChannelList.h"

namespace qvx {

CommandHistory::CommandHistory(ChannelList& list1, ChannelList& list2)
    : lists_{ListState{&list1}, ListState{&list2}} {
    noteTrees();
}

CommandHistory::~CommandHistory() {
    // Newest first: a later step may hold items that an earlier one points at.
    while (!steps_.empty()) steps_.pop_back();
}

ItemToSelect CommandHistory::execute(std::unique_ptr<ListCommand> command) {
    forgetIfChangedBehind();
    const bool changed = command->execute();
    const ItemToSelect selection = command->selectionAfterDo();
    if (changed) {
        while (steps_.size() > done_) steps_.pop_back();
        steps_.push_back({std::move(command), nextSerial_++});
        done_ = steps_.size();
        trim();
    }
    noteTrees();
    return selection;
}

ItemToSelect CommandHistory::undo() {
    forgetIfChangedBehind();
    if (done_ == 0) return {};
    ListCommand& command = *steps_[--done_].command;
    command.undo();
    noteTrees();
    return command.selectionAfterUndo();
}

ItemToSelect CommandHistory::redo() {
    forgetIfChangedBehind();
    if (done_ == steps_.size()) return {};
    ListCommand& command = *steps_[done_++].command;
    command.redo();
    noteTrees();
    return command.selectionAfterDo();
}

bool CommandHistory::canUndo() const { return done_ > 0 && treesAsLeft(); }

bool CommandHistory::canRedo() const { return done_ < steps_.size() && treesAsLeft(); }

const StepName* CommandHistory::undoStep() const { return canUndo() ? &steps_[done_ - 1].command->name() : nullptr; }

const StepName* CommandHistory::redoStep() const { return canRedo() ? &steps_[done_].command->name() : nullptr; }

void CommandHistory::clear() {
    forgetIfChangedBehind();
    for (ListState& state : lists_) state.base = currentState(state);
    while (!steps_.empty()) steps_.pop_back();
    done_ = 0;
    noteTrees();
}

void CommandHistory::markSaved(const ChannelList& list) {
    forgetIfChangedBehind();
    ListState& state = stateOf(list);
    state.savedAt = currentState(state);
    state.unknown = false;
}

bool CommandHistory::isChanged(const ChannelList& list) const {
    const ListState& state = stateOf(list);
    if (state.unknown) return true;
    if (changedBehind(state)) return true;
    return currentState(state) != state.savedAt;
}

std::size_t CommandHistory::memoryBytes() const {
    std::size_t bytes = 0;
    for (const Step& step : steps_) bytes += sizeof(Step) + step.command->memoryBytes();
    return bytes;
}

CommandHistory::ListState& CommandHistory::stateOf(const ChannelList& list) {
    return &list == lists_[0].list ? lists_[0] : lists_[1];
}

const CommandHistory::ListState& CommandHistory::stateOf(const ChannelList& list) const {
    return &list == lists_[0].list ? lists_[0] : lists_[1];
}

// The serial of the newest done step that changed the list, which names the
// state the list is in.
std::uint64_t CommandHistory::currentState(const ListState& state) const {
    for (std::size_t i = done_; i-- > 0;)
        if (steps_[i].command->changes(*state.list)) return steps_[i].serial;
    return state.base;
}

void CommandHistory::trim() {
    std::size_t bytes = memoryBytes();
    while (steps_.size() > kMaxSteps || (bytes > kMaxBytes && steps_.size() > 1)) {
        Step& oldest = steps_.front();
        for (ListState& state : lists_)
            if (oldest.command->changes(*state.list)) state.base = oldest.serial;
        bytes -= sizeof(Step) + oldest.command->memoryBytes();
        steps_.pop_front();
        --done_;
    }
}

bool CommandHistory::changedBehind(const ListState& state) const {
    const std::size_t first = &state == &lists_[0] ? 0 : 2;
    return state.list->television().changeCount() != changeCounts_[first] ||
           state.list->radio().changeCount() != changeCounts_[first + 1];
}

bool CommandHistory::treesAsLeft() const { return !changedBehind(lists_[0]) && !changedBehind(lists_[1]); }

void CommandHistory::noteTrees() {
    std::size_t i = 0;
    for (const ListState& state : lists_)
        for (const ChannelTree* tree : {&state.list->television(), &state.list->radio()})
            changeCounts_[i++] = tree->changeCount();
}

// A step may only be undone on the trees it left; once a tree changed some
// other way, no step can be trusted, and the changed list is marked as such.
void CommandHistory::forgetIfChangedBehind() {
    if (treesAsLeft()) return;
    for (ListState& state : lists_) {
        state.base = currentState(state);
        if (changedBehind(state)) state.unknown = true;
    }
    while (!steps_.empty()) steps_.pop_back();
    done_ = 0;
    noteTrees();
}

}  // namespace qvx
