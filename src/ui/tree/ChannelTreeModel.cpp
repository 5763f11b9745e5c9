// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tree/ChannelTreeModel.h"

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
    return createIndex(item->row(), 0, const_cast<TreeItem*>(item));
}

QModelIndex ChannelTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || (parent.isValid() && parent.column() != 0)) return {};
    TreeItem* item = tree_.itemAt(itemAt(parent), row);
    return item ? createIndex(row, 0, item) : QModelIndex();
}

QModelIndex ChannelTreeModel::parent(const QModelIndex& child) const {
    const TreeItem* item = itemAt(child);
    return item ? indexOf(item->parent()) : QModelIndex();
}

int ChannelTreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return tree_.topLevelCount();
    if (parent.column() != 0) return 0;
    return itemAt(parent)->childCount();
}

int ChannelTreeModel::columnCount(const QModelIndex&) const { return 1; }

bool ChannelTreeModel::hasChildren(const QModelIndex& parent) const {
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
    beginInsertRows(indexOf(parent), first, last);
}

void ChannelTreeModel::itemsInserted(const TreeItem*, int, int) { endInsertRows(); }

void ChannelTreeModel::itemsAboutToBeRemoved(const TreeItem* parent, int first, int last) {
    beginRemoveRows(indexOf(parent), first, last);
}

void ChannelTreeModel::itemsRemoved(const TreeItem*, int, int) { endRemoveRows(); }

void ChannelTreeModel::aboutToReset() { beginResetModel(); }

void ChannelTreeModel::resetDone() { endResetModel(); }

void ChannelTreeModel::itemChanged(const TreeItem* item) {
    const QModelIndex index = indexOf(item);
    emit dataChanged(index, index);
}

// The items keep their addresses through a reorder: each persistent index is moved to
// its item's new row, so views keep their selection, open providers and scroll position.
void ChannelTreeModel::aboutToReorder() {
    emit layoutAboutToBeChanged();
    reordering_ = persistentIndexList();
}

void ChannelTreeModel::reordered() {
    QModelIndexList now;
    now.reserve(reordering_.size());
    for (const QModelIndex& index : std::as_const(reordering_)) now.append(indexOf(itemAt(index)));
    changePersistentIndexList(reordering_, now);
    reordering_.clear();
    emit layoutChanged();
}

void ChannelTreeModel::itemAboutToBeMoved(const TreeItem* fromParent, int fromRow, const TreeItem* toParent,
                                          int toRow) {
    beginMoveRows(indexOf(fromParent), fromRow, fromRow, indexOf(toParent), toRow);
}

void ChannelTreeModel::itemMoved() { endMoveRows(); }

}  // namespace qvx
