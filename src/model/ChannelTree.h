// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/Carried.h"
#include "model/ChannelRecord.h"
#include "model/ItemLooks.h"
#include "model/TreeRecorder.h"

namespace qvx {

enum class TreeKind : std::uint8_t { Television = 1, Radio = 2 };

class ChannelTree;

// One provider (top level) or channel (child). An item owns its record and
// keeps what a view shows. Items are heap objects whose address never changes
// while they are in a tree, so views may point at them.
class TreeItem final {
public:
    // Label = record name, looks by the rule of ItemLooks.h.
    static std::unique_ptr<TreeItem> makeProvider(const ChannelRecord& record, CarriedPtr carried = nullptr);
    static std::unique_ptr<TreeItem> makeChannel(const ChannelRecord& record, CarriedPtr carried = nullptr);
    // Any looks, for copies that keep the looks of their original.
    TreeItem(const ChannelRecord& record, std::string label, const ItemLooks& looks, CarriedPtr carried = nullptr);

    TreeItem(const TreeItem&) = delete;
    TreeItem& operator=(const TreeItem&) = delete;

    const ChannelRecord& record() const { return record_; }
    const std::string& label() const { return label_; }
    const ItemLooks& looks() const { return looks_; }
    bool isBold() const { return looks_.bold; }
    int image() const { return looks_.image; }
    int selectedImage() const { return looks_.selectedImage; }
    // What the item brought from a text format beyond its record; null for
    // most items. It goes with the item, and with every copy of it.
    const CarriedPtr& carried() const { return carried_; }

    TreeItem* parent() const { return parent_; }
    bool hasParent() const { return parent_ != nullptr; }
    // Position among its siblings (top-level items count among the tree's top level).
    int row() const { return row_; }
    int childCount() const { return static_cast<int>(children_.size()); }
    bool hasChildren() const { return !children_.empty(); }
    TreeItem* child(int row) const { return children_[static_cast<std::size_t>(row)].get(); }
    const std::vector<std::unique_ptr<TreeItem>>& children() const { return children_; }

    // Builds up an item before it goes into a tree (a provider with its channels
    // is inserted in one step). Not for items already in a tree.
    TreeItem* appendDetachedChild(std::unique_ptr<TreeItem> child);

private:
    friend class ChannelTree;
    friend class TreeJournal;

    ChannelRecord record_;
    std::string label_;
    ItemLooks looks_;
    CarriedPtr carried_;
    TreeItem* parent_ = nullptr;
    int row_ = 0;
    std::vector<std::unique_ptr<TreeItem>> children_;
};

// Told of every change of a tree, in about-to / done pairs, so a view can follow
// without a reset. A null parent means the top level.
class ChannelTreeObserver {
public:
    virtual ~ChannelTreeObserver() = default;
    virtual void itemsAboutToBeInserted(const TreeItem* parent, int first, int last) = 0;
    virtual void itemsInserted(const TreeItem* parent, int first, int last) = 0;
    virtual void itemsAboutToBeRemoved(const TreeItem* parent, int first, int last) = 0;
    virtual void itemsRemoved(const TreeItem* parent, int first, int last) = 0;
    virtual void aboutToReset() = 0;
    virtual void resetDone() = 0;
    virtual void itemChanged(const TreeItem* item) = 0;
    // Items were put in another order among their siblings; no item came or went, and a
    // view keeps what it held (selection, open providers, scroll position).
    virtual void aboutToReorder() = 0;
    virtual void reordered() = 0;
    // One item (with its children) moves to `toRow` of `toParent`, the row counted before
    // it leaves its place.
    virtual void itemAboutToBeMoved(const TreeItem* fromParent, int fromRow, const TreeItem* toParent,
                                    int toRow) = 0;
    virtual void itemMoved() = 0;
};

// A Television or Radio tree: providers at the top level, channels below them.
class ChannelTree final {
public:
    explicit ChannelTree(TreeKind kind) : kind_(kind) {}
    ~ChannelTree();
    ChannelTree(const ChannelTree&) = delete;
    ChannelTree& operator=(const ChannelTree&) = delete;

    TreeKind kind() const { return kind_; }
    // The serviceType every record of this tree carries (1 or 2).
    std::uint8_t serviceType() const { return static_cast<std::uint8_t>(kind_); }

    int topLevelCount() const { return static_cast<int>(topLevel_.size()); }
    TreeItem* topLevelItem(int row) const { return topLevel_[static_cast<std::size_t>(row)].get(); }
    const std::vector<std::unique_ptr<TreeItem>>& topLevelItems() const { return topLevel_; }
    // Providers and channels together.
    std::size_t itemCount() const { return itemCount_; }
    bool empty() const { return topLevel_.empty(); }
    // The item at `row` under `parent` (top level when null), or null when out of range.
    TreeItem* itemAt(const TreeItem* parent, int row) const;

    // Inserts `item` (with any detached children) at `row` under `parent`
    // (top level when null); row -1 or past the end appends.
    TreeItem* insertItem(TreeItem* parent, int row, std::unique_ptr<TreeItem> item);
    TreeItem* appendItem(TreeItem* parent, std::unique_ptr<TreeItem> item) {
        return insertItem(parent, -1, std::move(item));
    }
    // Removes the item with its children and destroys their records (while a
    // journal records, it keeps them instead).
    void removeItem(TreeItem* item);
    // Moves the item (with its channels) to `row` under `parent` (top level when null), the
    // row counted before it leaves its place; views see one move. Nothing happens when the
    // place is its own.
    void moveItem(TreeItem* item, TreeItem* parent, int row);
    // Removes every item.
    void clear();
    // Takes every item of `other` (a tree of the same kind, filled off-screen)
    // in exchange for its own; both trees' observers see one reset. A journal
    // records it as clearing this tree and filling it anew.
    void swapContents(ChannelTree& other);

    void setLabel(TreeItem* item, std::string label);
    void setLooks(TreeItem* item, const ItemLooks& looks);
    // Stores a whole record image back into the item's record.
    void replaceRecord(TreeItem* item, const ChannelRecord& record);

    // Remove, in one step, every child (or top-level item) for which `remove`
    // is true, keeping the order of the rest. Views see one reset.
    template <typename Predicate>
    void removeChildrenWhere(Predicate remove);
    template <typename Predicate>
    void removeTopLevelWhere(Predicate remove);

    // Puts the children of `parent` (the top-level items when null) in the
    // order of `less`, keeping the order of equal ones. Views see a reorder.
    template <typename Less>
    void stableSortChildren(TreeItem* parent, Less less);

    // Puts the tree's own items into a new arrangement: `order` names every item once, each
    // top-level item followed by the channels that are to stand under it from now on.
    // Top-level items stay at the top level and channels stay channels, but a channel may
    // change its provider. Views see a reorder.
    void rearrange(const std::vector<TreeItem*>& order);
    // The tree's items in the form rearrange takes.
    std::vector<TreeItem*> arrangement() const;

    // While one is open, items only change their order; views see one reorder when the
    // outermost closes. Nestable.
    class Reorder {
    public:
        explicit Reorder(ChannelTree& tree);
        ~Reorder();
        Reorder(const Reorder&) = delete;
        Reorder& operator=(const Reorder&) = delete;

    private:
        ChannelTree& tree_;
    };

    // While a bulk change is open, structural changes are not reported one by
    // one; closing the outermost one reports a single reset. Nestable.
    class BulkChange {
    public:
        explicit BulkChange(ChannelTree& tree);
        ~BulkChange();
        BulkChange(const BulkChange&) = delete;
        BulkChange& operator=(const BulkChange&) = delete;

    private:
        ChannelTree& tree_;
    };

    // Grows with every change of structure, labels or records, so a cache built
    // from the tree can tell whether it is still current.
    std::uint64_t changeCount() const { return changeCount_; }

    void addObserver(ChannelTreeObserver* observer);
    void removeObserver(ChannelTreeObserver* observer);

private:
    // The journal records every change while it is set, and takes changes back through the
    // tree's own insert and detach; nothing else changes a tree behind its recorder.
    friend class TreeJournal;

    TreeRecorder* recorder() const { return journal_; }
    void setRecorder(TreeRecorder* recorder) { journal_ = recorder; }
    // Tells the observers of a change the journal made to an item.
    void notifyItemChanged(TreeItem* item);

    // Takes the item with its children out of the tree and hands it over (not
    // recorded); insertItem puts it back. Observers see a removal.
    std::unique_ptr<TreeItem> detachItem(TreeItem* item);
    std::vector<std::unique_ptr<TreeItem>>& siblingsOf(TreeItem* parent) {
        return parent ? parent->children_ : topLevel_;
    }
    static void renumber(std::vector<std::unique_ptr<TreeItem>>& siblings, std::size_t from);
    // rearrange without telling the journal.
    void applyArrangement(const std::vector<TreeItem*>& order);
    // Removes the siblings under `parent` for which `remove` is true, keeping
    // them in `kept` when given. Returns the number of items removed, children included.
    template <typename Predicate>
    std::size_t removeSiblingsWhere(TreeItem* parent, Predicate& remove,
                                    std::vector<TreeRecorder::RemovedChild>* kept);
    bool reporting() const { return bulkDepth_ == 0 && reorderDepth_ == 0; }
    void beginBulk();
    void endBulk();

    TreeKind kind_;
    std::vector<std::unique_ptr<TreeItem>> topLevel_;
    std::size_t itemCount_ = 0;
    int bulkDepth_ = 0;
    int reorderDepth_ = 0;
    std::uint64_t changeCount_ = 0;
    std::vector<ChannelTreeObserver*> observers_;
    TreeRecorder* journal_ = nullptr;
};

template <typename Predicate>
void ChannelTree::removeChildrenWhere(Predicate remove) {
    BulkChange bulk(*this);
    std::vector<TreeRecorder::RemovedChild> kept;
    for (auto& provider : topLevel_) {
        itemCount_ -= removeSiblingsWhere(provider.get(), remove, journal_ ? &kept : nullptr);
    }
    if (journal_ && !kept.empty()) journal_->removedMany(*this, std::move(kept));
}

template <typename Predicate>
void ChannelTree::removeTopLevelWhere(Predicate remove) {
    BulkChange bulk(*this);
    std::vector<TreeRecorder::RemovedChild> kept;
    itemCount_ -= removeSiblingsWhere(nullptr, remove, journal_ ? &kept : nullptr);
    if (journal_ && !kept.empty()) journal_->removedMany(*this, std::move(kept));
}

template <typename Predicate>
std::size_t ChannelTree::removeSiblingsWhere(TreeItem* parent, Predicate& remove,
                                             std::vector<TreeRecorder::RemovedChild>* kept) {
    auto& siblings = siblingsOf(parent);
    std::size_t write = 0;
    std::size_t removedItems = 0;
    for (std::size_t read = 0; read < siblings.size(); ++read) {
        std::unique_ptr<TreeItem>& item = siblings[read];
        if (remove(static_cast<const TreeItem&>(*item))) {
            removedItems += 1 + item->children_.size();
            if (kept) {
                item->parent_ = nullptr;
                kept->push_back({parent, static_cast<int>(read), std::move(item)});
            }
            item.reset();
        } else {
            if (write != read) siblings[write] = std::move(item);
            ++write;
        }
    }
    if (write != siblings.size()) {
        siblings.resize(write);
        renumber(siblings, 0);
    }
    return removedItems;
}

template <typename Less>
void ChannelTree::stableSortChildren(TreeItem* parent, Less less) {
    auto& siblings = siblingsOf(parent);
    Reorder reorder(*this);
    std::vector<TreeItem*> before;
    if (journal_) {
        before.reserve(siblings.size());
        for (const auto& item : siblings) before.push_back(item.get());
    }
    std::stable_sort(siblings.begin(), siblings.end(),
                     [&](const std::unique_ptr<TreeItem>& a, const std::unique_ptr<TreeItem>& b) {
                         return less(static_cast<const TreeItem&>(*a), static_cast<const TreeItem&>(*b));
                     });
    renumber(siblings, 0);
    if (journal_) journal_->reordered(*this, parent, std::move(before));
}

}  // namespace qvx
