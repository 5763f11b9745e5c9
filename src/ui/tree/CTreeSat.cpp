// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tree/CTreeSat.h"

#include <algorithm>

#include <QApplication>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

#include "ui/tree/ChannelTreeModel.h"
#include "ui/tree/TreeItemDelegate.h"

namespace qvx {

CTreeSat::CTreeSat(QWidget* parent) : QTreeView(parent) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    // F2 is the window's business (key filter); a click on the selected label renames.
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setExpandsOnDoubleClick(false);
    setIconSize(QSize(16, 16));
    setItemDelegate(new TreeItemDelegate(this));
    // The one column is as wide as its widest label or the view, whichever is wider: a
    // label longer than the tree is read whole by scrolling sideways.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Measured over the rows in view only (the view measures again when it scrolls): a list of
    // 100,000 channels pays nothing for it.
    header()->setResizeContentsPrecision(0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTextElideMode(Qt::ElideNone);
    setPalette(treeColours(palette(), style()->standardPalette()));
}

QPalette CTreeSat::treeColours(const QPalette& desktop, QPalette light) {
    // Black text on white, whatever the desktop's colours. The tree with its expand arrows
    // and scroll bars takes the style's light colours, so a dark desktop leaves nothing dark
    // on dark or light on white; the selection keeps the desktop's colour where that shows on white.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        light.setColor(group, QPalette::Base, Qt::white);
        light.setColor(group, QPalette::AlternateBase, Qt::white);
        if (group != QPalette::Disabled) light.setColor(group, QPalette::Text, Qt::black);
        const QColor highlight = desktop.color(group, QPalette::Highlight);
        if (highlight.lightness() <= 200) {
            light.setColor(group, QPalette::Highlight, highlight);
            light.setColor(group, QPalette::HighlightedText, highlight.lightness() > 140 ? Qt::black : Qt::white);
        }
    }
    return light;
}

int CTreeSat::sizeHintForColumn(int column) const {
    return std::max(QTreeView::sizeHintForColumn(column), viewport()->width());
}

void CTreeSat::resizeEvent(QResizeEvent* event) {
    QTreeView::resizeEvent(event);
    // The column never ends short of the view's right edge.
    header()->resizeSections(QHeaderView::ResizeToContents);
}

void CTreeSat::keyPressEvent(QKeyEvent* event) {
    // Exactly the combinations the commands name: Shift+Delete, which Qt also counts as Cut,
    // stays the window's Delete.
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    if (keyRoute_ && keyRoute_(*this, pressed)) {
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

QPoint CTreeSat::keyboardMenuPoint() {
    if (const TreeItem* item = selectedItem()) {
        const QModelIndex index = model_->indexOf(item);
        scrollTo(index);
        const QRect picture = iconAndLabelRect(index);
        return QPoint(picture.left() + std::min(16, picture.width() / 2), picture.top());
    }
    // Below the last row, or else right of the first one: where a right-click hits no item.
    int below = 0;
    for (QModelIndex row = indexAt(QPoint(0, 0)); row.isValid(); row = indexBelow(row)) {
        const QRect rect = visualRect(row);
        if (rect.top() > viewport()->height()) break;
        below = rect.bottom() + 1;
    }
    if (below + 2 < viewport()->height()) return QPoint(2, below + 2);
    return QPoint(viewport()->width() - 2, 2);
}

void CTreeSat::setChannelModel(ChannelTreeModel* model) {
    model_ = model;
    setModel(model);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        openAway_.clear();
        rememberOpenProviders();
    });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        reopenRememberedProviders({}, 0, model_->rowCount() - 1);
        openAway_.clear();
    });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex& parent, int first, int last) {
                if (parent.isValid()) return;
                for (int row = first; row <= last; ++row) {
                    const QModelIndex index = model_->index(row, 0);
                    if (isExpanded(index)) openAway_.insert(model_->itemAt(index));
                }
            });
    connect(model, &QAbstractItemModel::rowsInserted, this, &CTreeSat::reopenRememberedProviders);
    // When the selected rows went, the current row has moved on to a neighbour: the selection follows it.
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this] {
        const QModelIndex current = currentIndex();
        if (current.isValid() && !selectionModel()->hasSelection())
            selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { onCurrentChanged(current); });
}

void CTreeSat::rememberOpenProviders() {
    for (const auto& top : model_->tree().topLevelItems())
        if (isExpanded(model_->indexOf(top.get()))) openAway_.insert(top.get());
}

void CTreeSat::reopenRememberedProviders(const QModelIndex& parent, int first, int last) {
    if (parent.isValid() || openAway_.empty()) return;
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model_->index(row, 0);
        if (openAway_.erase(model_->itemAt(index)) > 0) expand(index);
    }
}

void CTreeSat::onCurrentChanged(const QModelIndex& current) {
    if (!current.isValid()) return;
    // When the selected rows go away the current row moves on; the selection follows it.
    if (!selectionModel()->hasSelection())
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    emit currentItemChanged(model_->itemAt(current));
}

TreeItem* CTreeSat::selectedItem() const {
    if (!model_) return nullptr;
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isSelected(current)) return model_->itemAt(current);
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange& range : selection)
        if (range.isValid()) return model_->itemAt(range.topLeft());
    return nullptr;
}

std::vector<TreeItem*> CTreeSat::selectedItems() const {
    std::vector<TreeItem*> items;
    if (!model_) return items;
    const QItemSelection selection = selectionModel()->selection();
    items.reserve(selectedCount());
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid()) continue;
        const QModelIndex parent = range.parent();
        for (int row = range.top(); row <= range.bottom(); ++row) items.push_back(model_->itemAt(model_->index(row, 0, parent)));
    }
    return items;
}

std::size_t CTreeSat::selectedCount() const {
    if (!model_) return 0;
    std::size_t count = 0;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.isValid()) count += static_cast<std::size_t>(range.height());
    return count;
}

bool CTreeSat::isSelected(const TreeItem* item) const {
    const QModelIndex index = model_ ? model_->indexOf(item) : QModelIndex();
    return index.isValid() && selectionModel()->isSelected(index);
}

void CTreeSat::focusItem(const TreeItem* item) {
    if (!isSelected(item)) {
        selectItem(item);
        return;
    }
    const QModelIndex index = model_->indexOf(item);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    scrollTo(index);
}

void CTreeSat::selectAll() {
    // Rows of the model: with a filter on, what it shows.
    const int top = model_ ? model_->rowCount() : 0;
    if (top == 0) return;
    QItemSelection all;
    all.select(model_->index(0, 0), model_->index(top - 1, 0));
    for (int row = 0; row < top; ++row) {
        const QModelIndex parent = model_->index(row, 0);
        const int children = model_->rowCount(parent);
        if (children > 0) all.select(model_->index(0, 0, parent), model_->index(children - 1, 0, parent));
    }
    selectionModel()->select(all, QItemSelectionModel::ClearAndSelect);
}

void CTreeSat::selectItem(const TreeItem* item) {
    const QModelIndex index = model_->indexOf(item);
    if (!index.isValid()) return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void CTreeSat::selectItems(const TreeItem* focused, std::span<TreeItem* const> more) {
    selectItem(focused);
    if (more.empty()) return;
    // One selection change for all of them: a row at a time would repaint and
    // notify screen readers once per item.
    QItemSelection selection;
    for (const TreeItem* item : more) {
        const QModelIndex index = model_->indexOf(item);
        if (index.isValid()) selection.select(index, index);
    }
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

QRect CTreeSat::iconAndLabelRect(const QModelIndex& index) const {
    const QRect cell = visualRect(index);
    if (cell.isEmpty()) return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = cell;
    return static_cast<TreeItemDelegate*>(itemDelegate())->iconAndLabelRect(option, index);
}

QModelIndex CTreeSat::indexOnIconOrLabel(const QPoint& viewportPoint) const {
    const QModelIndex index = indexAt(viewportPoint);
    if (!index.isValid()) return {};
    return iconAndLabelRect(index).contains(viewportPoint) ? index : QModelIndex();
}

bool CTreeSat::isEditingLabel() const { return state() == QAbstractItemView::EditingState; }

bool CTreeSat::startLabelEdit() {
    const TreeItem* item = selectedItem();
    if (!item) return false;
    // Only the focused item is renamed; the rest of a selection stays selected.
    focusItem(item);
    edit(model_->indexOf(item));
    return isEditingLabel();
}

void CTreeSat::endLabelEdit(bool accept) {
    QWidget* editor = indexWidget(currentIndex());
    if (!editor) return;
    auto* delegate = itemDelegateForIndex(currentIndex());
    if (accept) emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, accept ? QAbstractItemDelegate::NoHint
                                              : QAbstractItemDelegate::RevertModelCache);
}

void CTreeSat::mousePressEvent(QMouseEvent* event) {
    // The right button opens the window's context menu; it selects only an item
    // whose picture or label it hits, which the window does.
    if (event->button() == Qt::RightButton) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        emit rightClicked(event->position().toPoint());
        return;
    }
    const QPoint point = event->position().toPoint();
    const QModelIndex hit = event->button() == Qt::LeftButton ? indexOnIconOrLabel(point) : QModelIndex();
    // A drag takes the item from anywhere on its row, but not from the expand button or indentation.
    const QModelIndex row = indexAt(point);
    dragCandidate_ = event->button() == Qt::LeftButton && row.isValid() && point.x() >= visualRect(row).left()
                         ? QPersistentModelIndex(row)
                         : QPersistentModelIndex();
    pressPoint_ = point;
    QTreeView::mousePressEvent(event);
    if (hit.isValid()) emit itemClicked(model_->itemAt(hit));
}

void CTreeSat::mouseMoveEvent(QMouseEvent* event) {
    if (dragCandidate_.isValid() && (event->buttons() & Qt::LeftButton) && !isEditingLabel() &&
        (event->position().toPoint() - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
        TreeItem* item = model_->itemAt(dragCandidate_);
        dragCandidate_ = QPersistentModelIndex();
        // The window takes the pointer from here on; the view's own selection drag must not go on.
        stopAutoScroll();
        setState(NoState);
        emit dragStarted(item, event->globalPosition().toPoint());
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void CTreeSat::mouseReleaseEvent(QMouseEvent* event) {
    dragCandidate_ = QPersistentModelIndex();
    QTreeView::mouseReleaseEvent(event);
}

bool CTreeSat::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    // A click on one of several selected items makes it the only one; only the already
    // selected single item is renamed by a click.
    if (trigger == SelectedClicked && selectedCount() > 1) return false;
    return QTreeView::edit(index, trigger, event);
}

void CTreeSat::setDropHighlight(const QModelIndex& index) {
    if (dropHighlight_ == index) return;
    const QRect old = dropHighlight_.isValid() ? visualRect(dropHighlight_) : QRect();
    dropHighlight_ = index;
    // At once: during a drag the window does not return to the event loop between two moves.
    viewport()->repaint(QRegion(old) + QRegion(index.isValid() ? visualRect(index) : QRect()));
}

bool CTreeSat::isDropHighlighted(const QModelIndex& index) const {
    return dropHighlight_.isValid() && dropHighlight_ == index;
}

void CTreeSat::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) emit editRequested();
}

}  // namespace qvx
