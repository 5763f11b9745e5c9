// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/ChannelRecord.h"
#include "model/ChannelTree.h"

namespace qvx {

// Turns the entry sequence of a file into a list's Television and Radio trees:
// channels go under the provider entry before them, into the tree of their
// serviceType (or of that provider's kind when their own is 0); a provider
// entry makes a provider in both trees, and a copy that gets no channel is
// removed again when the next provider entry or the end comes.
// The trees are filled silently inside one bulk change, so views see a single
// reset per tree.
class TreeBuilder final {
public:
    TreeBuilder(ChannelTree& television, ChannelTree& radio);
    ~TreeBuilder();
    TreeBuilder(const TreeBuilder&) = delete;
    TreeBuilder& operator=(const TreeBuilder&) = delete;

    void accept(ChannelRecord record);
    // The end-of-sequence step; a reader that stops on a short record skips it.
    void finish();

    // What the rules left out so far: channels whose service type named no
    // tree, and provider entries that got no channel in either tree.
    std::size_t droppedChannels() const { return droppedChannels_; }
    std::size_t emptyProviders() const { return emptyProviders_; }

private:
    struct Target {
        ChannelTree& tree;
        TreeItem* currentProvider = nullptr;
    };
    void pruneChildlessProvider(Target& target);
    void closeProviderEntry();

    ChannelTree::BulkChange televisionBulk_;
    ChannelTree::BulkChange radioBulk_;
    Target television_;
    Target radio_;
    std::uint8_t lastProviderKind_ = 0;
    bool inProviderEntry_ = false;
    bool entryHasChannel_ = false;
    std::size_t droppedChannels_ = 0;
    std::size_t emptyProviders_ = 0;
};

}  // namespace qvx
