// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace qvx {

class ChannelTree;
class TreeItem;

// Keeps every change made to the trees while it records: removed items stay
// alive in it (detached, with their channels) and changed records, labels and
// looks keep their other state. Undo takes the changes back in reverse order
// and redo makes them again, both on the very same items, so anything that
// held an item before keeps holding it in the state where it exists. Views are
// told through the trees' own notifications. Memory grows with what changed,
// never with the size of the trees.
//
// Undo and redo are valid only while the trees are in the state the journal
// left them in (after recording or redo for undo, after undo for redo).
class TreeJournal final {
public:
    TreeJournal();
    ~TreeJournal();
    TreeJournal(const TreeJournal&) = delete;
    TreeJournal& operator=(const TreeJournal&) = delete;

    // Records the changes of the given trees for its lifetime.
    class Recording final {
    public:
        Recording(TreeJournal& journal, const std::vector<ChannelTree*>& trees);
        ~Recording();
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;

    private:
        std::vector<ChannelTree*> trees_;
    };

    void undo();
    void redo();

    bool empty() const { return entries_.empty(); }
    // Whether a recorded change concerns `tree`.
    bool touches(const ChannelTree& tree) const;
    // An estimate of the memory held, items kept alive included.
    std::size_t memoryBytes() const { return bytes_; }

private:
    friend class ChannelTree;
    struct Entry;

    // Called by the tree while recording.
    void inserted(ChannelTree& tree, TreeItem* item);
    void removed(ChannelTree& tree, TreeItem* parent, int row, std::unique_ptr<TreeItem> item);
    struct RemovedChild {
        TreeItem* parent;  // null for the top level
        int row;           // before anything of the same removal went
        std::unique_ptr<TreeItem> item;
    };
    // Items removed in one step, each parent's in ascending row order.
    void removedMany(ChannelTree& tree, std::vector<RemovedChild> removed);
    // The children of `parent` (top level when null) were put in a new order;
    // `before` is the old one. Nothing is kept when the order stayed.
    void reordered(ChannelTree& tree, TreeItem* parent, std::vector<TreeItem*> before);
    void cleared(ChannelTree& tree, std::vector<std::unique_ptr<TreeItem>> topLevel, std::size_t itemCount);
    void recordChanged(ChannelTree& tree, TreeItem* item);
    void labelChanged(ChannelTree& tree, TreeItem* item);
    void looksChanged(ChannelTree& tree, TreeItem* item);

    void add(std::unique_ptr<Entry> entry);
    static void toggle(Entry& entry);
    static void putBack(ChannelTree& tree, std::vector<RemovedChild>& items);
    static void takeOut(ChannelTree& tree, std::vector<RemovedChild>& items);
    static void swapOrder(ChannelTree& tree, TreeItem* parent, std::vector<TreeItem*>& order);
    static void swapTopLevel(ChannelTree& tree, std::vector<std::unique_ptr<TreeItem>>& topLevel,
                             std::size_t& itemCount);

    std::vector<std::unique_ptr<Entry>> entries_;
    std::vector<const ChannelTree*> touched_;
    std::size_t bytes_ = 0;
};

}  // namespace qvx
