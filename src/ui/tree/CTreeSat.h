// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <unordered_set>
#include <vector>

#include <QPersistentModelIndex>
#include <QPoint>
#include <QTreeView>

#include "ui/input/InputTree.h"

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
    // Keys of the focused tree beyond the view's own go here first (the window's
    // commands); true when a command took the key.
    void setKeyRoute(std::function<bool(CTreeSat&, const QKeyCombination&)> route) { keyRoute_ = std::move(route); }
    ChannelTreeModel* channelModel() const { return model_; }

    // The focused item when it is selected, else the first selected one; null for none.
    TreeItem* selectedItem() const;
    void selectItem(const TreeItem* item);
    // Selects `focused` and `more` with it (what a step on several items names).
    void selectItems(const TreeItem* focused, std::span<TreeItem* const> more);
    // Every selected item, in no particular order (operandItems puts them in tree order).
    std::vector<TreeItem*> selectedItems() const;
    std::size_t selectedCount() const;
    bool isSelected(const TreeItem* item) const;
    // Makes the item the focused one: within the selection when it is part of it, else alone.
    void focusItem(const TreeItem* item);
    // Ctrl+A: every provider and channel of the tree, open or not.
    void selectAll() override;

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

    // Where the keyboard's context menu is opened, in viewport coordinates: on the top edge of
    // the selected item's picture and label, so the menu opens below its row as a right-click
    // there would; without a selected item, a point off the items (below them where there is room).
    QPoint keyboardMenuPoint();

    // The trees' colours: `light` (the style's own light colours) with black text on white
    // and the `desktop`'s selection colour where it shows on white.
    static QPalette treeColours(const QPalette& desktop, QPalette light);

signals:
    void currentItemChanged(qvx::TreeItem* item);
    void itemClicked(qvx::TreeItem* item);
    void editRequested();
    // A right-click anywhere in the tree; the window decides what it hit.
    void rightClicked(const QPoint& viewportPoint);
    // The left button went down on `item` and the pointer moved far enough to drag it.
    void dragStarted(qvx::TreeItem* item, const QPoint& globalPoint);

protected:
    int sizeHintForColumn(int column) const override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    using QTreeView::edit;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    void onCurrentChanged(const QModelIndex& current);
    // Providers keep being shown open through the changes that take them away for a while:
    // a change of many items at once (which the model reports as a reset), and a removal
    // that undo takes back (the very item returns).
    void rememberOpenProviders();
    void reopenRememberedProviders(const QModelIndex& parent, int first, int last);

    ChannelTreeModel* model_ = nullptr;
    std::function<bool(CTreeSat&, const QKeyCombination&)> keyRoute_;
    // Where the left button went down on a row, as long as a drag may still start from it.
    QPersistentModelIndex dragCandidate_;
    QPoint pressPoint_;
    QPersistentModelIndex dropHighlight_;
    // Open providers out of the tree for the moment (a removal), or all of them across a reset.
    std::unordered_set<const TreeItem*> openAway_;
};

}  // namespace qvx
