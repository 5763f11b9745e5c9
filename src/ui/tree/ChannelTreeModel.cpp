// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tree/ChannelTreeModel.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFont>

#include "ui/platform/Pictures.h"
#include "ui/platform/Windows1252Text.h"

namespace qvx {

ChannelTreeModel::ChannelTreeModel(ChannelTree& tree, QObject* parent)
    : QAbstractItemModel(parent), tree_(tree) {
    tree_.addObserver(this);
}

ChannelTreeModel::~ChannelTreeModel() { tree_.removeObserver(this); }

TreeItem* ChannelTreeModel::itemAt(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TreeItem*>(index.internalPointer()) : nullptr;
}

QModelIndex ChannelTreeModel::indexOf(const TreeItem* item) const {
    if (!item) return {};
    if (!filtered_) return createIndex(item->row(), 0, const_cast<TreeItem*>(item));
    const int row = shownRow(item);
    return row < 0 ? QModelIndex() : createIndex(row, 0, const_cast<TreeItem*>(item));
}

QModelIndex ChannelTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || (parent.isValid() && parent.column() != 0)) return {};
    const TreeItem* above = itemAt(parent);
    if (filtered_) {
        const std::vector<int>* rows = shownRowsUnder(above);
        if (!rows || row < 0 || static_cast<std::size_t>(row) >= rows->size()) return {};
        TreeItem* item = tree_.itemAt(above, (*rows)[static_cast<std::size_t>(row)]);
        return item ? createIndex(row, 0, item) : QModelIndex();
    }
    TreeItem* item = tree_.itemAt(above, row);
    return item ? createIndex(row, 0, item) : QModelIndex();
}

const std::vector<int>* ChannelTreeModel::shownRowsUnder(const TreeItem* parent) const {
    if (!parent) return &topRows_;
    const auto found = childRows_.find(parent);
    return found == childRows_.end() ? nullptr : &found->second;
}

int ChannelTreeModel::shownRow(const TreeItem* item) const {
    const std::vector<int>* rows = shownRowsUnder(item->parent());
    if (!rows) return -1;
    const auto at = std::lower_bound(rows->begin(), rows->end(), item->row());
    return at != rows->end() && *at == item->row() ? static_cast<int>(at - rows->begin()) : -1;
}

void ChannelTreeModel::setFilter(const ChannelFilter& filter) {
    beginResetModel();
    filter_ = filter;
    filtered_ = !filter.empty();
    topRows_.clear();
    childRows_.clear();
    if (filtered_) layOutShownRows(nullptr);
    endResetModel();
}

void ChannelTreeModel::layOutShownRows(const std::unordered_set<const TreeItem*>* kept) {
    topRows_.clear();
    childRows_.clear();
    const auto shown = [&](const TreeItem& item) { return filter_.matches(item) || (kept && kept->contains(&item)); };
    for (const auto& top : tree_.topLevelItems()) {
        std::vector<int> children;
        for (const auto& channel : top->children())
            if (shown(*channel)) children.push_back(channel->row());
        const bool alone = !top->hasChildren() && top->record().isChannel != 0 && filter_.matches(*top);
        if (children.empty() && !alone && !(kept && kept->contains(top.get()))) continue;
        topRows_.push_back(top->row());
        if (!children.empty()) childRows_.emplace(top.get(), std::move(children));
    }
}

std::size_t ChannelTreeModel::shownChannelCount() const {
    if (!filtered_) return channelCount(tree_);
    std::size_t count = 0;
    for (const auto& [provider, rows] : childRows_) count += rows.size();
    for (int row : topRows_) {
        const TreeItem* top = tree_.topLevelItem(row);
        if (!top->hasChildren() && top->record().isChannel != 0) ++count;
    }
    return count;
}

std::vector<TreeItem*> ChannelTreeModel::shownItems() const {
    std::vector<TreeItem*> items;
    for (const auto& top : tree_.topLevelItems()) {
        if (filtered_ && shownRow(top.get()) < 0) continue;
        items.push_back(top.get());
        for (const auto& channel : top->children())
            if (!filtered_ || shownRow(channel.get()) >= 0) items.push_back(channel.get());
    }
    return items;
}

void ChannelTreeModel::beginChange() {
    if (changeDepth_++ > 0) return;
    // What shows now stays shown through the change (the items that are still there).
    kept_.clear();
    for (int row : topRows_) {
        const TreeItem* top = tree_.topLevelItem(row);
        kept_.insert(top);
        if (const std::vector<int>* rows = shownRowsUnder(top))
            for (int child : *rows) kept_.insert(top->child(child));
    }
    beginResetModel();
}

void ChannelTreeModel::endChange(const TreeItem* insertedParent, int first, int last) {
    // What came in stays shown, with its channels and its provider.
    for (int row = first; row <= last; ++row) {
        const TreeItem* item = tree_.itemAt(insertedParent, row);
        if (!item) continue;
        kept_.insert(item);
        for (const auto& channel : item->children()) kept_.insert(channel.get());
    }
    if (insertedParent && last >= first) kept_.insert(insertedParent);
    if (--changeDepth_ > 0) return;
    layOutShownRows(&kept_);
    kept_.clear();
    endResetModel();
}

QModelIndex ChannelTreeModel::parent(const QModelIndex& child) const {
    const TreeItem* item = itemAt(child);
    return item ? indexOf(item->parent()) : QModelIndex();
}

int ChannelTreeModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) return 0;
    if (filtered_) {
        const std::vector<int>* rows = shownRowsUnder(itemAt(parent));
        return rows ? static_cast<int>(rows->size()) : 0;
    }
    if (!parent.isValid()) return tree_.topLevelCount();
    return itemAt(parent)->childCount();
}

int ChannelTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool ChannelTreeModel::hasChildren(const QModelIndex& parent) const {
    if (filtered_) return rowCount(parent) > 0;
    if (!parent.isValid()) return !tree_.empty();
    return parent.column() == 0 && itemAt(parent)->hasChildren();
}

QVariant ChannelTreeModel::data(const QModelIndex& index, int role) const {
    const TreeItem* item = itemAt(index);
    if (!item) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return fromWindows1252(item->label());
    case Qt::DecorationRole:
        return treeIcon(tree_.kind(), item->image());
    case SelectedDecorationRole:
        return treeIcon(tree_.kind(), item->selectedImage());
    case Qt::AccessibleDescriptionRole:
        // What the picture tells a sighted user, for a screen reader.
        if (!item->hasParent()) return QCoreApplication::translate("Window", "provider");
        return item->image() == kScrambledChannelImage ? QCoreApplication::translate("Window", "channel, scrambled")
                                                       : QCoreApplication::translate("Window", "channel, free");
    case Qt::FontRole:
        if (item->isBold()) {
            QFont bold;  // only the weight is set, the rest comes from the view
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

bool ChannelTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TreeItem* item = itemAt(index);
    if (!item || role != Qt::EditRole) return false;
    emit labelEdited(item, value.toString());
    return true;
}

Qt::ItemFlags ChannelTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void ChannelTreeModel::itemsAboutToBeInserted(const TreeItem* parent, int first, int last) {
    if (filtered_) return beginChange();
    beginInsertRows(indexOf(parent), first, last);
}

void ChannelTreeModel::itemsInserted(const TreeItem* parent, int first, int last) {
    if (filtered_) return endChange(parent, first, last);
    endInsertRows();
}

void ChannelTreeModel::itemsAboutToBeRemoved(const TreeItem* parent, int first, int last) {
    if (filtered_) return beginChange();
    beginRemoveRows(indexOf(parent), first, last);
}

void ChannelTreeModel::itemsRemoved(const TreeItem*, int, int) {
    if (filtered_) return endChange();
    endRemoveRows();
}

void ChannelTreeModel::aboutToReset() {
    if (filtered_) return beginChange();
    beginResetModel();
}

void ChannelTreeModel::resetDone() {
    if (filtered_) return endChange();
    endResetModel();
}

void ChannelTreeModel::itemChanged(const TreeItem* item) {
    const QModelIndex index = indexOf(item);
    if (index.isValid()) emit dataChanged(index, index);
}

// The items keep their addresses through a reorder: each persistent index is moved to
// its item's new row, so views keep their selection, open providers and scroll position.
void ChannelTreeModel::aboutToReorder() {
    if (filtered_) return beginChange();
    emit layoutAboutToBeChanged();
    reordering_ = persistentIndexList();
}

void ChannelTreeModel::reordered() {
    if (filtered_) return endChange();
    QModelIndexList now;
    now.reserve(reordering_.size());
    for (const QModelIndex& index : std::as_const(reordering_)) now.append(indexOf(itemAt(index)));
    changePersistentIndexList(reordering_, now);
    reordering_.clear();
    emit layoutChanged();
}

void ChannelTreeModel::itemAboutToBeMoved(const TreeItem* fromParent, int fromRow, const TreeItem* toParent,
                                          int toRow) {
    if (filtered_) return beginChange();
    beginMoveRows(indexOf(fromParent), fromRow, fromRow, indexOf(toParent), toRow);
}

void ChannelTreeModel::itemMoved() {
    if (filtered_) return endChange();
    endMoveRows();
}

}  // namespace qvx
