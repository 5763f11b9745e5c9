// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TreeJournal.h"

#include <algorithm>
#include <cassert>
#include <string>
#include <utility>
#include <variant>

#include "model/ChannelTree.h"

namespace qvx {
namespace {

// What an item kept alive costs besides its entry: the item, a label that
// outgrew the string's own buffer, and the allocator's bookkeeping.
constexpr std::size_t kItemBytes = sizeof(TreeItem) + 48;

std::size_t subtreeItems(const TreeItem& item) { return 1 + item.children().size(); }

}  // namespace

// Each change toggles between the two states it lies between, so undoing it
// and doing it again are the same operation, applied in opposite orders.
struct TreeJournal::Entry {
    // An inserted item (held empty while it is in the tree) or a removed one
    // (held while it is out).
    struct Placement {
        TreeItem* parent;
        int row;
        TreeItem* item;
        std::unique_ptr<TreeItem> held;
    };
    // Items removed in one step; held while they are out.
    struct ManyRemoved {
        std::vector<RemovedChild> items;
        bool out = true;
    };
    // The top level of a cleared tree, swapped with the tree's own.
    struct Cleared {
        std::vector<std::unique_ptr<TreeItem>> topLevel;
        std::size_t itemCount;
    };
    // The other place of a moved item: moving it there toggles.
    struct OtherPlace {
        TreeItem* item;
        TreeItem* parent;
        int row;
    };
    // The other order of the children of one parent.
    struct OtherOrder {
        TreeItem* parent;
        std::vector<TreeItem*> order;
    };
    // The other arrangement of the whole tree (ChannelTree::rearrange).
    struct OtherArrangement {
        std::vector<TreeItem*> order;
    };
    // The state of an item that is not in the tree at the moment.
    struct OtherRecord {
        TreeItem* item;
        ChannelRecord record;
    };
    struct OtherLabel {
        TreeItem* item;
        std::string label;
    };
    struct OtherLooks {
        TreeItem* item;
        ItemLooks looks;
    };

    ChannelTree* tree;
    std::variant<Placement, ManyRemoved, Cleared, OtherPlace, OtherOrder, OtherArrangement, OtherRecord, OtherLabel,
                 OtherLooks>
        change;
};

TreeJournal::TreeJournal() = default;
TreeJournal::~TreeJournal() = default;

TreeJournal::Recording::Recording(TreeJournal& journal, const std::vector<ChannelTree*>& trees) {
    for (ChannelTree* tree : trees) {
        TreeRecorder* recorder = &journal;
        if (tree->recorder() == recorder) continue;  // named twice (a move within one tree)
        assert(tree->recorder() == nullptr);
        tree->setRecorder(recorder);
        trees_.push_back(tree);
    }
}

TreeJournal::Recording::~Recording() {
    for (ChannelTree* tree : trees_) tree->setRecorder(nullptr);
}

bool TreeJournal::touches(const ChannelTree& tree) const {
    return std::find(touched_.begin(), touched_.end(), &tree) != touched_.end();
}

void TreeJournal::add(std::unique_ptr<Entry> entry) {
    if (!touches(*entry->tree)) touched_.push_back(entry->tree);
    bytes_ += sizeof(Entry) + 16;
    entries_.push_back(std::move(entry));
}

void TreeJournal::inserted(ChannelTree& tree, TreeItem* item) {
    add(std::make_unique<Entry>(Entry{&tree, Entry::Placement{item->parent(), item->row(), item, nullptr}}));
}

void TreeJournal::removed(ChannelTree& tree, TreeItem* parent, int row, std::unique_ptr<TreeItem> item) {
    bytes_ += subtreeItems(*item) * kItemBytes;
    TreeItem* raw = item.get();
    add(std::make_unique<Entry>(Entry{&tree, Entry::Placement{parent, row, raw, std::move(item)}}));
}

void TreeJournal::removedMany(ChannelTree& tree, std::vector<RemovedChild> removed) {
    for (const RemovedChild& child : removed) bytes_ += subtreeItems(*child.item) * kItemBytes;
    bytes_ += removed.capacity() * sizeof(RemovedChild);
    add(std::make_unique<Entry>(Entry{&tree, Entry::ManyRemoved{std::move(removed), true}}));
}

void TreeJournal::cleared(ChannelTree& tree, std::vector<std::unique_ptr<TreeItem>> topLevel,
                          std::size_t itemCount) {
    bytes_ += itemCount * kItemBytes + topLevel.capacity() * sizeof(topLevel[0]);
    add(std::make_unique<Entry>(Entry{&tree, Entry::Cleared{std::move(topLevel), itemCount}}));
}

void TreeJournal::reordered(ChannelTree& tree, TreeItem* parent, std::vector<TreeItem*> before) {
    const auto& siblings = tree.siblingsOf(parent);
    bool same = true;
    for (std::size_t i = 0; same && i < before.size(); ++i) same = siblings[i].get() == before[i];
    if (same) return;
    bytes_ += before.capacity() * sizeof(TreeItem*);
    add(std::make_unique<Entry>(Entry{&tree, Entry::OtherOrder{parent, std::move(before)}}));
}

void TreeJournal::rearranged(ChannelTree& tree, std::vector<TreeItem*> before) {
    if (before == tree.arrangement()) return;
    bytes_ += before.capacity() * sizeof(TreeItem*);
    add(std::make_unique<Entry>(Entry{&tree, Entry::OtherArrangement{std::move(before)}}));
}

void TreeJournal::moved(ChannelTree& tree, TreeItem* item, TreeItem* parent, int row) {
    add(std::make_unique<Entry>(Entry{&tree, Entry::OtherPlace{item, parent, row}}));
}

void TreeJournal::recordChanged(ChannelTree& tree, TreeItem* item) {
    add(std::make_unique<Entry>(Entry{&tree, Entry::OtherRecord{item, item->record()}}));
}

void TreeJournal::labelChanged(ChannelTree& tree, TreeItem* item) {
    bytes_ += item->label().capacity();
    add(std::make_unique<Entry>(Entry{&tree, Entry::OtherLabel{item, item->label()}}));
}

void TreeJournal::looksChanged(ChannelTree& tree, TreeItem* item) {
    add(std::make_unique<Entry>(Entry{&tree, Entry::OtherLooks{item, item->looks()}}));
}

void TreeJournal::undo() { toggleAll(entries_.rbegin(), entries_.rend()); }

void TreeJournal::redo() { toggleAll(entries_.begin(), entries_.end()); }

template <typename Iterator>
void TreeJournal::toggleAll(Iterator first, Iterator last) {
    const auto isOrder = [](const Entry& entry) { return std::holds_alternative<Entry::OtherOrder>(entry.change); };
    while (first != last) {
        if (!isOrder(**first)) {
            toggle(**first++);
            continue;
        }
        ChannelTree& tree = *(*first)->tree;
        const ChannelTree::Reorder reorder(tree);
        while (first != last && isOrder(**first) && (*first)->tree == &tree) toggle(**first++);
    }
}

void TreeJournal::toggle(Entry& entry) {
    ChannelTree& tree = *entry.tree;
    struct Toggle {
        ChannelTree& tree;

        void operator()(Entry::Placement& placement) const {
            if (placement.held) {
                tree.insertItem(placement.parent, placement.row, std::move(placement.held));
            } else {
                assert(placement.item->parent() == placement.parent && placement.item->row() == placement.row);
                placement.held = tree.detachItem(placement.item);
            }
        }
        void operator()(Entry::ManyRemoved& many) const {
            if (many.out)
                putBack(tree, many.items);
            else
                takeOut(tree, many.items);
            many.out = !many.out;
        }
        void operator()(Entry::Cleared& cleared) const {
            swapTopLevel(tree, cleared.topLevel, cleared.itemCount);
        }
        void operator()(Entry::OtherOrder& other) const { swapOrder(tree, other.parent, other.order); }
        void operator()(Entry::OtherArrangement& other) const {
            std::vector<TreeItem*> current = tree.arrangement();
            tree.applyArrangement(other.order);
            other.order = std::move(current);
        }
        void operator()(Entry::OtherPlace& other) const {
            TreeItem* item = other.item;
            TreeItem* from = item->parent();
            const int fromRow = item->row();
            tree.moveItem(item, other.parent, other.row);
            // The way back again, counted as moveItem counts.
            other.parent = from;
            other.row = from == item->parent() && item->row() < fromRow ? fromRow + 1 : fromRow;
        }
        void operator()(Entry::OtherRecord& other) const {
            std::swap(other.item->record_, other.record);
            tree.notifyItemChanged(other.item);
        }
        void operator()(Entry::OtherLabel& other) const {
            std::swap(other.item->label_, other.label);
            tree.notifyItemChanged(other.item);
        }
        void operator()(Entry::OtherLooks& other) const {
            std::swap(other.item->looks_, other.looks);
            tree.notifyItemChanged(other.item);
        }
    };
    std::visit(Toggle{tree}, entry.change);
}

namespace {

// Calls visit(parent, first, end) for each run [first, end) of items under one parent.
template <typename Items, typename Visit>
void forEachParent(Items& items, Visit&& visit) {
    for (std::size_t first = 0; first < items.size();) {
        std::size_t end = first;
        while (end < items.size() && items[end].parent == items[first].parent) ++end;
        visit(items[first].parent, first, end);
        first = end;
    }
}

}  // namespace

// Each parent's removed items are merged back at their old rows in one pass.
void TreeJournal::putBack(ChannelTree& tree, std::vector<RemovedChild>& items) {
    ChannelTree::BulkChange bulk(tree);
    forEachParent(items, [&](TreeItem* parent, std::size_t first, std::size_t end) {
        auto& siblings = tree.siblingsOf(parent);
        std::vector<std::unique_ptr<TreeItem>> merged;
        merged.reserve(siblings.size() + (end - first));
        std::size_t kept = 0;
        for (std::size_t i = first; i < end; ++i) {
            const auto row = static_cast<std::size_t>(items[i].row);
            while (merged.size() < row) merged.push_back(std::move(siblings[kept++]));
            items[i].item->parent_ = parent;
            tree.itemCount_ += subtreeItems(*items[i].item);
            merged.push_back(std::move(items[i].item));
        }
        while (kept < siblings.size()) merged.push_back(std::move(siblings[kept++]));
        siblings = std::move(merged);
        ChannelTree::renumber(siblings, 0);
    });
}

// The same items leave the same rows again, each parent's in one pass.
void TreeJournal::takeOut(ChannelTree& tree, std::vector<RemovedChild>& items) {
    ChannelTree::BulkChange bulk(tree);
    forEachParent(items, [&](TreeItem* parent, std::size_t first, std::size_t end) {
        auto& siblings = tree.siblingsOf(parent);
        std::size_t write = 0;
        std::size_t next = first;
        for (std::size_t read = 0; read < siblings.size(); ++read) {
            if (next < end && static_cast<std::size_t>(items[next].row) == read) {
                assert(items[next].item == nullptr);
                items[next].item = std::move(siblings[read]);
                items[next].item->parent_ = nullptr;
                tree.itemCount_ -= subtreeItems(*items[next].item);
                ++next;
            } else {
                if (write != read) siblings[write] = std::move(siblings[read]);
                ++write;
            }
        }
        assert(next == end);
        siblings.resize(write);
        ChannelTree::renumber(siblings, 0);
    });
}

// The children take the kept order and the kept order becomes theirs.
void TreeJournal::swapOrder(ChannelTree& tree, TreeItem* parent, std::vector<TreeItem*>& order) {
    const ChannelTree::Reorder reorder(tree);
    auto& siblings = tree.siblingsOf(parent);
    assert(siblings.size() == order.size());
    std::vector<TreeItem*> current;
    current.reserve(siblings.size());
    for (const auto& item : siblings) current.push_back(item.get());
    std::vector<std::unique_ptr<TreeItem>> arranged;
    arranged.reserve(siblings.size());
    for (TreeItem* item : order) arranged.push_back(std::move(siblings[static_cast<std::size_t>(item->row())]));
    siblings = std::move(arranged);
    ChannelTree::renumber(siblings, 0);
    order = std::move(current);
}

void TreeJournal::swapTopLevel(ChannelTree& tree, std::vector<std::unique_ptr<TreeItem>>& topLevel,
                               std::size_t& itemCount) {
    ChannelTree::BulkChange bulk(tree);
    std::swap(tree.topLevel_, topLevel);
    std::swap(tree.itemCount_, itemCount);
}

}  // namespace qvx
