// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace qvx {

class ChannelTree;
class TreeItem;

// Told by a tree of each change while it records (see TreeJournal), with
// what the change took away, so the change can be taken back.
class TreeRecorder {
public:
    struct RemovedChild {
        TreeItem* parent;  // null for the top level
        int row;           // before anything of the same removal went
        std::unique_ptr<TreeItem> item;
    };

    virtual void inserted(ChannelTree& tree, TreeItem* item) = 0;
    virtual void removed(ChannelTree& tree, TreeItem* parent, int row, std::unique_ptr<TreeItem> item) = 0;
    // Items removed in one step, each parent's in ascending row order.
    virtual void removedMany(ChannelTree& tree, std::vector<RemovedChild> removed) = 0;
    // The children of `parent` (top level when null) were put in a new order;
    // `before` is the old one. Nothing is kept when the order stayed.
    virtual void reordered(ChannelTree& tree, TreeItem* parent, std::vector<TreeItem*> before) = 0;
    // The tree's items were put into a new arrangement (see ChannelTree::rearrange);
    // `before` is the old one. Nothing is kept when it stayed.
    virtual void rearranged(ChannelTree& tree, std::vector<TreeItem*> before) = 0;
    // The item moved; moving it to `row` of `parent` (counted as moveItem counts) takes it back.
    virtual void moved(ChannelTree& tree, TreeItem* item, TreeItem* parent, int row) = 0;
    virtual void cleared(ChannelTree& tree, std::vector<std::unique_ptr<TreeItem>> topLevel,
                         std::size_t itemCount) = 0;
    // Before the item's record, label or looks change.
    virtual void recordChanged(ChannelTree& tree, TreeItem* item) = 0;
    virtual void labelChanged(ChannelTree& tree, TreeItem* item) = 0;
    virtual void looksChanged(ChannelTree& tree, TreeItem* item) = 0;

protected:
    TreeRecorder() = default;
    ~TreeRecorder() = default;
    TreeRecorder(const TreeRecorder&) = default;
    TreeRecorder& operator=(const TreeRecorder&) = default;
};

}  // namespace qvx
