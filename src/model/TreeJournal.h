// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "model/TreeRecorder.h"

namespace qvx {

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
class TreeJournal final : private TreeRecorder {
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
    struct Entry;

    // TreeRecorder: called by the trees while recording.
    void inserted(ChannelTree& tree, TreeItem* item) override;
    void removed(ChannelTree& tree, TreeItem* parent, int row, std::unique_ptr<TreeItem> item) override;
    void removedMany(ChannelTree& tree, std::vector<RemovedChild> removed) override;
    void reordered(ChannelTree& tree, TreeItem* parent, std::vector<TreeItem*> before) override;
    void rearranged(ChannelTree& tree, std::vector<TreeItem*> before) override;
    void moved(ChannelTree& tree, TreeItem* item, TreeItem* parent, int row) override;
    void cleared(ChannelTree& tree, std::vector<std::unique_ptr<TreeItem>> topLevel, std::size_t itemCount) override;
    void recordChanged(ChannelTree& tree, TreeItem* item) override;
    void labelChanged(ChannelTree& tree, TreeItem* item) override;
    void looksChanged(ChannelTree& tree, TreeItem* item) override;

    void add(std::unique_ptr<Entry> entry);
    static void toggle(Entry& entry);
    // Toggles entries [first, last) in the given direction, each run of reorders of one tree
    // inside one reorder of that tree, so views see it once.
    template <typename Iterator>
    static void toggleAll(Iterator first, Iterator last);
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
