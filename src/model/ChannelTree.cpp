// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ChannelTree.h"

#include <algorithm>
#include <cassert>

namespace qvx {

TreeItem::TreeItem(const ChannelRecord& record, std::string label, const ItemLooks& looks, CarriedPtr carried)
    : record_(record), label_(std::move(label)), looks_(looks), carried_(std::move(carried)) {}

std::unique_ptr<TreeItem> TreeItem::makeProvider(const ChannelRecord& record, CarriedPtr carried) {
    return std::make_unique<TreeItem>(record, std::string(record.nameText()), providerLooks(), std::move(carried));
}

std::unique_ptr<TreeItem> TreeItem::makeChannel(const ChannelRecord& record, CarriedPtr carried) {
    return std::make_unique<TreeItem>(record, std::string(record.nameText()), channelLooks(record),
                                      std::move(carried));
}

TreeItem* TreeItem::appendDetachedChild(std::unique_ptr<TreeItem> child) {
    child->parent_ = this;
    child->row_ = static_cast<int>(children_.size());
    children_.push_back(std::move(child));
    return children_.back().get();
}

ChannelTree::~ChannelTree() = default;

TreeItem* ChannelTree::itemAt(const TreeItem* parent, int row) const {
    const auto& siblings = parent ? parent->children_ : topLevel_;
    if (row < 0 || static_cast<std::size_t>(row) >= siblings.size()) return nullptr;
    return siblings[static_cast<std::size_t>(row)].get();
}

void ChannelTree::renumber(std::vector<std::unique_ptr<TreeItem>>& siblings, std::size_t from) {
    for (std::size_t i = from; i < siblings.size(); ++i) siblings[i]->row_ = static_cast<int>(i);
}

TreeItem* ChannelTree::insertItem(TreeItem* parent, int row, std::unique_ptr<TreeItem> item) {
    assert(item && item->parent_ == nullptr);
    auto& siblings = siblingsOf(parent);
    const int size = static_cast<int>(siblings.size());
    if (row < 0 || row > size) row = size;
    ++changeCount_;
    if (reporting())
        for (auto* observer : observers_) observer->itemsAboutToBeInserted(parent, row, row);
    item->parent_ = parent;
    itemCount_ += 1 + item->children_.size();
    TreeItem* inserted = item.get();
    siblings.insert(siblings.begin() + row, std::move(item));
    renumber(siblings, static_cast<std::size_t>(row));
    if (reporting())
        for (auto* observer : observers_) observer->itemsInserted(parent, row, row);
    if (journal_) journal_->inserted(*this, inserted);
    return inserted;
}

void ChannelTree::removeItem(TreeItem* item) {
    TreeItem* parent = item->parent_;
    const int row = item->row_;
    std::unique_ptr<TreeItem> removed = detachItem(item);
    if (journal_) journal_->removed(*this, parent, row, std::move(removed));
}

void ChannelTree::moveItem(TreeItem* item, TreeItem* parent, int row) {
    assert(item);
    TreeItem* from = item->parent_;
    const int fromRow = item->row_;
    auto& target = siblingsOf(parent);
    if (row < 0 || row > static_cast<int>(target.size())) row = static_cast<int>(target.size());
    if (from == parent && (row == fromRow || row == fromRow + 1)) return;
    ++changeCount_;
    if (reporting())
        for (auto* observer : observers_) observer->itemAboutToBeMoved(from, fromRow, parent, row);
    auto& source = siblingsOf(from);
    std::unique_ptr<TreeItem> moving = std::move(source[static_cast<std::size_t>(fromRow)]);
    source.erase(source.begin() + fromRow);
    renumber(source, static_cast<std::size_t>(fromRow));
    const int at = from == parent && row > fromRow ? row - 1 : row;
    moving->parent_ = parent;
    target.insert(target.begin() + at, std::move(moving));
    renumber(target, static_cast<std::size_t>(at));
    if (reporting())
        for (auto* observer : observers_) observer->itemMoved();
    // Back is where it came from, counted after it left (as moveItem counts it there).
    if (journal_) journal_->moved(*this, item, from, from == parent && at < fromRow ? fromRow + 1 : fromRow);
}

std::unique_ptr<TreeItem> ChannelTree::detachItem(TreeItem* item) {
    assert(item);
    TreeItem* parent = item->parent_;
    auto& siblings = siblingsOf(parent);
    const int row = item->row_;
    assert(row >= 0 && static_cast<std::size_t>(row) < siblings.size() && siblings[row].get() == item);
    ++changeCount_;
    if (reporting())
        for (auto* observer : observers_) observer->itemsAboutToBeRemoved(parent, row, row);
    itemCount_ -= 1 + item->children_.size();
    std::unique_ptr<TreeItem> detached = std::move(siblings[static_cast<std::size_t>(row)]);
    siblings.erase(siblings.begin() + row);
    detached->parent_ = nullptr;
    renumber(siblings, static_cast<std::size_t>(row));
    if (reporting())
        for (auto* observer : observers_) observer->itemsRemoved(parent, row, row);
    return detached;
}

std::vector<TreeItem*> ChannelTree::arrangement() const {
    std::vector<TreeItem*> order;
    order.reserve(itemCount_);
    for (const auto& top : topLevel_) {
        order.push_back(top.get());
        for (const auto& child : top->children_) order.push_back(child.get());
    }
    return order;
}

void ChannelTree::rearrange(const std::vector<TreeItem*>& order) {
    std::vector<TreeItem*> before;
    if (journal_) before = arrangement();
    applyArrangement(order);
    if (journal_) journal_->rearranged(*this, std::move(before));
}

// Every item is taken out of its place first (its old parent and row still say where it
// was), then each top-level item gets the channels that follow it in `order`.
void ChannelTree::applyArrangement(const std::vector<TreeItem*>& order) {
    assert(order.size() == itemCount_);
    const Reorder reorder(*this);
    std::vector<std::unique_ptr<TreeItem>> taken;
    taken.reserve(order.size());
    for (TreeItem* item : order)
        taken.push_back(std::move(siblingsOf(item->parent_)[static_cast<std::size_t>(item->row_)]));
    std::size_t at = 0;
    topLevel_.clear();
    while (at < taken.size()) {
        std::unique_ptr<TreeItem> top = std::move(taken[at++]);
        assert(top && top->parent_ == nullptr);
        top->children_.clear();
        while (at < taken.size() && taken[at]->parent_ != nullptr) {
            taken[at]->parent_ = top.get();
            taken[at]->row_ = static_cast<int>(top->children_.size());
            top->children_.push_back(std::move(taken[at++]));
        }
        top->row_ = static_cast<int>(topLevel_.size());
        topLevel_.push_back(std::move(top));
    }
}

void ChannelTree::clear() {
    if (topLevel_.empty()) return;
    BulkChange bulk(*this);
    std::vector<std::unique_ptr<TreeItem>> removed = std::move(topLevel_);
    topLevel_.clear();
    const std::size_t count = itemCount_;
    itemCount_ = 0;
    if (journal_) journal_->cleared(*this, std::move(removed), count);
}

void ChannelTree::swapContents(ChannelTree& other) {
    assert(other.kind_ == kind_ && &other != this);
    clear();
    BulkChange bulk(*this);
    BulkChange otherBulk(other);
    std::swap(topLevel_, other.topLevel_);
    std::swap(itemCount_, other.itemCount_);
    if (journal_)
        for (const auto& item : topLevel_) journal_->inserted(*this, item.get());
}

// A change to what is there already is none: no step, no repaint.
void ChannelTree::setLabel(TreeItem* item, std::string label) {
    if (item->label_ == label) return;
    if (journal_) journal_->labelChanged(*this, item);
    item->label_ = std::move(label);
    notifyItemChanged(item);
}

void ChannelTree::setLooks(TreeItem* item, const ItemLooks& looks) {
    if (item->looks_ == looks) return;
    if (journal_) journal_->looksChanged(*this, item);
    item->looks_ = looks;
    notifyItemChanged(item);
}

void ChannelTree::replaceRecord(TreeItem* item, const ChannelRecord& record) {
    if (item->record_.image() == record.image()) return;
    if (journal_) journal_->recordChanged(*this, item);
    item->record_ = record;
    notifyItemChanged(item);
}

void ChannelTree::notifyItemChanged(TreeItem* item) {
    ++changeCount_;
    if (reporting())
        for (auto* observer : observers_) observer->itemChanged(item);
}

void ChannelTree::beginBulk() {
    ++changeCount_;
    if (bulkDepth_++ == 0)
        for (auto* observer : observers_) observer->aboutToReset();
}

void ChannelTree::endBulk() {
    ++changeCount_;
    if (--bulkDepth_ == 0)
        for (auto* observer : observers_) observer->resetDone();
}

ChannelTree::Reorder::Reorder(ChannelTree& tree) : tree_(tree) {
    ++tree_.changeCount_;
    if (tree_.reorderDepth_++ == 0 && tree_.bulkDepth_ == 0)
        for (auto* observer : tree_.observers_) observer->aboutToReorder();
}

ChannelTree::Reorder::~Reorder() {
    ++tree_.changeCount_;
    if (--tree_.reorderDepth_ == 0 && tree_.bulkDepth_ == 0)
        for (auto* observer : tree_.observers_) observer->reordered();
}

ChannelTree::BulkChange::BulkChange(ChannelTree& tree) : tree_(tree) { tree_.beginBulk(); }
ChannelTree::BulkChange::~BulkChange() { tree_.endBulk(); }

void ChannelTree::addObserver(ChannelTreeObserver* observer) {
    if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void ChannelTree::removeObserver(ChannelTreeObserver* observer) {
    std::erase(observers_, observer);
}

}  // namespace qvx
