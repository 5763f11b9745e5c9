// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/ListCommand.h"

#include "model/ChannelList.h"

namespace qvx {

ListCommand::ListCommand(StepName name, std::vector<ChannelTree*> trees)
    : name_(std::move(name)), trees_(std::move(trees)) {}

ListCommand::~ListCommand() = default;

bool ListCommand::execute() {
    {
        const TreeJournal::Recording recording(journal_, trees_);
        afterDo_ = perform();
    }
    // Only the journal is needed from here on.
    trees_.clear();
    trees_.shrink_to_fit();
    return !journal_.empty();
}

void ListCommand::undo() { journal_.undo(); }

void ListCommand::redo() { journal_.redo(); }

bool ListCommand::changes(const ChannelList& list) const {
    return journal_.touches(list.television()) || journal_.touches(list.radio());
}

std::size_t ListCommand::memoryBytes() const {
    return sizeof(*this) + name_.subject.capacity() + journal_.memoryBytes();
}

}  // namespace qvx
