#pragma once

#include <vector>

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeView>

#include "input/InputTree.h"

namespace qvx {

class ChannelTreeModel;
class TreeItem;

// One of the four channel trees: a single-column tree of providers and
// channels with in-place label editing. It tells the window about clicks that
// hit an item's picture or label, about double-clicks and about the item that
// became current.
class CTreeSat final : public QTreeView, public InputTree {
    Q_OBJECT

public:
    explicit CTreeSat(QWidget* parent = nullptr);
    CTreeSat(const CTreeSat&) = delete;
    CTreeSat& operator=(const CTreeSat&) = delete;

    void setChannelModel(ChannelTreeModel* model);
    ChannelTreeModel* channelModel() const { return model_; }

    TreeItem* selectedItem() const;
    void selectItem(const TreeItem* item);
    // The providers shown open. A change that resets the view closes them;
    // reopenProviders opens those of them still in the tree again.
    std::vector<const TreeItem*> openProviders() const;
    void reopenProviders(const std::vector<const TreeItem*>& providers);

    // The item whose picture or label lies under `viewportPoint`; invalid for a
    // point on the indentation, the expand button, right of the label or below the last row.
    QModelIndex indexOnIconOrLabel(const QPoint& viewportPoint) const;
    // The picture and label of a row, in viewport coordinates.
    QRect iconAndLabelRect(const QModelIndex& index) const;

    // InputTree
    QWidget* treeWidget() override { return this; }
    bool hasSelectedItem() const override { return selectedItem() != nullptr; }
    bool isEditingLabel() const override;
    bool startLabelEdit() override;
    void endLabelEdit(bool accept) override;

    // Drag and drop: the row drawn as the place of a drop (one per tree; invalid for none).
    void setDropHighlight(const QModelIndex& index);
    QModelIndex dropHighlight() const { return dropHighlight_; }
    bool isDropHighlighted(const QModelIndex& index) const;

signals:
    void currentItemChanged(qvx::TreeItem* item);
    void itemClicked(qvx::TreeItem* item);
    void editRequested();
    // A right-click anywhere in the tree; the window decides what it hit.
    void rightClicked(const QPoint& viewportPoint);
    // The left button went down on `item` and the pointer moved far enough to drag it.
    void dragStarted(qvx::TreeItem* item, const QPoint& globalPoint);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void onCurrentChanged(const QModelIndex& current);

    ChannelTreeModel* model_ = nullptr;
    // Where the left button went down on a row, as long as a drag may still start from it.
    QPersistentModelIndex dragCandidate_;
    QPoint pressPoint_;
    QPersistentModelIndex dropHighlight_;
};

}  // namespace qvx
