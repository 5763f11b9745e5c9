// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "compare/ChannelPlace.h"
#include "model/ChannelTree.h"

namespace qvx {

// The compared channels of a tree by their number (see forEachComparedChannel),
// each with a mark that says it is to go.
class ChannelMarks final {
public:
    explicit ChannelMarks(const ChannelTree& tree) {
        // The same order as forEachComparedChannel, with the first number under each top-level item.
        firstUnderTop_.reserve(static_cast<std::size_t>(tree.topLevelCount()));
        for (const auto& top : tree.topLevelItems()) {
            firstUnderTop_.push_back(channels_.size());
            for (const auto& channel : top->children()) channels_.push_back(channel.get());
        }
        marks_.assign(channels_.size(), 0);
    }

    std::size_t size() const { return channels_.size(); }
    std::size_t markedCount() const { return marked_; }
    const TreeItem& channel(std::size_t number) const { return *channels_[number]; }
    ChannelPlace place(std::size_t number) const {
        const TreeItem* channel = channels_[number];
        return {channel->parent()->row(), channel->row(), channel};
    }
    bool isMarked(std::size_t number) const { return marks_[number] != 0; }
    void mark(std::size_t number) {
        if (marks_[number] != 0) return;
        marks_[number] = 1;
        ++marked_;
    }
    bool any() const { return marked_ != 0; }

    // Whether `channel` is marked. Its number follows from its place, checked
    // against the channel recorded there; should the place have changed, the
    // channel is looked for.
    bool isMarked(const TreeItem& channel) const {
        if (const TreeItem* top = channel.parent()) {
            const auto topRow = static_cast<std::size_t>(top->row());
            if (topRow < firstUnderTop_.size()) {
                const std::size_t number = firstUnderTop_[topRow] + static_cast<std::size_t>(channel.row());
                if (number < channels_.size() && channels_[number] == &channel) return marks_[number] != 0;
            }
        }
        const auto found = std::find(channels_.begin(), channels_.end(), &channel);
        return found != channels_.end() && marks_[static_cast<std::size_t>(found - channels_.begin())] != 0;
    }

private:
    std::vector<const TreeItem*> channels_;
    std::vector<std::size_t> firstUnderTop_;
    std::vector<std::uint8_t> marks_;
    std::size_t marked_ = 0;
};

}  // namespace qvx
