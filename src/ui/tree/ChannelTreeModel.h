// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "editing/ChannelFilter.h"
#include "model/ChannelTree.h"

namespace qvx {

// The Qt face of one ChannelTree. It keeps no data of its own: an index points
// at the TreeItem itself, and the tree's change reports become the model's
// begin/end calls, so views follow every edit without a reset.
class ChannelTreeModel final : public QAbstractItemModel, private ChannelTreeObserver {
    Q_OBJECT

public:
    // The picture shown while the row is selected.
    static constexpr int SelectedDecorationRole = Qt::UserRole + 1;

    explicit ChannelTreeModel(ChannelTree& tree, QObject* parent = nullptr);
    ~ChannelTreeModel() override;
    ChannelTreeModel(const ChannelTreeModel&) = delete;
    ChannelTreeModel& operator=(const ChannelTreeModel&) = delete;

    ChannelTree& tree() const { return tree_; }

    // A filter: only the channels it shows, with their providers, are rows of the model;
    // an empty filter shows everything. While it is on, items that come into the tree
    // (and those it showed before a change) stay shown until the next setFilter.
    void setFilter(const ChannelFilter& filter);
    bool isFiltered() const { return filtered_; }
    // Shown channels (every channel without a filter).
    std::size_t shownChannelCount() const;
    // The items the filter shows, in tree order, each record alone (no channel twice).
    std::vector<TreeItem*> shownItems() const;
    TreeItem* itemAt(const QModelIndex& index) const;
    QModelIndex indexOf(const TreeItem* item) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // A finished label edit: told as labelEdited, which the window runs as its Rename
    // command; the model itself changes nothing.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A label edit ended with `text` (not abandoned): the rename rule decides the rest.
    void labelEdited(qvx::TreeItem* item, const QString& text);

private:
    void itemsAboutToBeInserted(const TreeItem* parent, int first, int last) override;
    void itemsInserted(const TreeItem* parent, int first, int last) override;
    void itemsAboutToBeRemoved(const TreeItem* parent, int first, int last) override;
    void itemsRemoved(const TreeItem* parent, int first, int last) override;
    void aboutToReset() override;
    void resetDone() override;
    void itemChanged(const TreeItem* item) override;
    void aboutToReorder() override;
    void reordered() override;
    void itemAboutToBeMoved(const TreeItem* fromParent, int fromRow, const TreeItem* toParent, int toRow) override;
    void itemMoved() override;

    // While filtered, every change of the tree's structure is one reset of the model.
    void beginChange();
    void endChange(const TreeItem* insertedParent = nullptr, int first = 0, int last = -1);
    // Rows of what the filter shows, and of `kept` (items shown before a change, and new ones).
    void layOutShownRows(const std::unordered_set<const TreeItem*>* kept);
    int shownRow(const TreeItem* item) const;
    const std::vector<int>* shownRowsUnder(const TreeItem* parent) const;

    ChannelTree& tree_;
    ChannelFilter filter_;
    bool filtered_ = false;
    // During a change while filtered: what was shown before it, and what came in.
    std::unordered_set<const TreeItem*> kept_;
    // Tree rows of the shown items: top level, and per provider.
    std::vector<int> topRows_;
    std::unordered_map<const TreeItem*, std::vector<int>> childRows_;
    int changeDepth_ = 0;
    // The persistent indexes of a reorder, kept until it is done.
    QModelIndexList reordering_;
};

}  // namespace qvx
