// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drag/DragController.h"

#include <algorithm>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWidget>

#include "ui/input/InputMessages.h"
#include "model/ChannelTree.h"
#include "commands/ListCommands.h"
#include "session/EditorSession.h"
#include "ui/commands/CommandTable.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/drag/DragPicture.h"

namespace qvx {
namespace {

QModelIndex firstVisibleRow(const CTreeSat& tree) { return tree.indexAt(QPoint(1, 0)); }

// The item n - 1 places after the first visible one, n being the number of rows that fit whole.
QModelIndex lastFullyVisibleRow(const CTreeSat& tree) {
    QModelIndex row = firstVisibleRow(tree);
    if (!row.isValid()) return {};
    const int rowHeight = std::max(1, tree.visualRect(row).height());
    const int fitting = std::max(1, tree.viewport()->height() / rowHeight);
    for (int i = 1; i < fitting; ++i) {
        const QModelIndex below = tree.indexBelow(row);
        if (!below.isValid()) break;
        row = below;
    }
    return row;
}

void scrollOneLine(CTreeSat& tree, const QModelIndex& visibleRow, bool up) {
    QScrollBar* bar = tree.verticalScrollBar();
    const bool byItem = tree.verticalScrollMode() == QAbstractItemView::ScrollPerItem;
    const int line = byItem ? 1 : tree.visualRect(visibleRow).height();
    bar->setValue(up ? bar->value() - line : bar->value() + line);
}

}  // namespace

DragController::DragController(QWidget& window, std::array<CTreeSat*, 4> trees, EditorSession& session,
                               QObject* parent)
    : QObject(parent), window_(window), trees_(trees), session_(session) {
    scrollTimer_.setInterval(kTickMilliseconds);
    connect(&scrollTimer_, &QTimer::timeout, this, [this] { scrollTick(QCursor::pos()); });
    for (CTreeSat* tree : trees_) {
        ChannelTreeModel* model = tree->channelModel();
        connect(model, &QAbstractItemModel::rowsRemoved, this, &DragController::rowsGone);
        connect(model, &QAbstractItemModel::modelReset, this, &DragController::rowsGone);
    }
}

DragController::~DragController() {
    if (!isDragging()) return;
    qApp->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
}

void DragController::BeginDrag(CTreeSat& source, TreeItem* item, const QPoint& globalPoint) {
    if (isDragging() || !item) return;
    dragItem_.hold(source.channelModel(), item);
    // Several items show the stack of sheets, as a provider does.
    const bool many = source.selectedCount() > 1 && source.isSelected(item);
    dragImage_ = std::make_unique<DragPicture>(many || !item->hasParent());
    dragImage_->moveTipTo(globalPoint);
    dragImage_->show();
    dropTarget_.clear();
    dragSourceTree_ = &source;
    dropTree_ = &source;
    window_.grabMouse();
    qApp->installEventFilter(this);
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    scrollTimer_.start();
}

bool DragController::eventFilter(QObject*, QEvent* event) {
    if (!isDragging() || !isMouseMessage(event->type())) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (event->type() == QEvent::MouseMove)
        pointerMoved(global);
    else if (event->type() == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
        buttonReleased(global);
    // No control sees the pointer while the window holds it.
    return true;
}

void DragController::pointerMoved(const QPoint& globalPoint) {
    if (!isDragging()) return;
    dragImage_->moveTipTo(globalPoint);
    CTreeSat* tree = treeUnderPointer(globalPoint);
    showPointer(tree != nullptr);
    if (!tree) return;
    dropTree_ = tree;
    TreeItem* target = itemInRowAt(*tree, globalPoint);
    dropTarget_.hold(tree->channelModel(), target);
    // Below the last item there is no target, and the last highlight stays.
    if (target) tree->setDropHighlight(tree->channelModel()->indexOf(target));
}

void DragController::buttonReleased(const QPoint& globalPoint) {
    if (!isDragging()) return;
    endDrag();
    TreeItem* dragged = dragItem_.get();
    if (CTreeSat* tree = dragged ? treeUnderPointer(globalPoint) : nullptr) {
        // The target found by the last move belongs to the tree it was found in.
        if (tree != dropTree_) dropTarget_.hold(tree->channelModel(), itemInRowAt(*tree, globalPoint));
        dropTree_ = tree;
        // The source's selection stood still while the window held the pointer.
        const ItemToSelect inserted = session_.run(makeTransferCommand(dragSourceTree_->channelModel()->tree(),
                                                                       dropTree_->channelModel()->tree(),
                                                                       Operand(dragSourceTree_, dragged).items(),
                                                                       dropTarget_.get()));
        if (inserted.item) dropTree_->selectItems(inserted.item, inserted.more);
    }
    clearDropHighlights();
}

void DragController::CancelDrag() {
    if (!isDragging()) return;
    endDrag();
    clearDropHighlights();
}

void DragController::endDrag() {
    scrollTimer_.stop();
    window_.releaseMouse();
    qApp->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
    dragImage_.reset();
}

void DragController::clearDropHighlights() {
    for (CTreeSat* tree : trees_) tree->setDropHighlight({});
}

QWidget* DragController::widgetUnderPointer(const QPoint& globalPoint) const {
    // Platforms that find windows by their rectangles find the picture itself: look beneath it.
    if (dragImage_ && dragImage_->isVisible() && QApplication::topLevelAt(globalPoint) == dragImage_.get()) {
        dragImage_->hide();
        QWidget* found = QApplication::widgetAt(globalPoint);
        dragImage_->show();
        return found;
    }
    return QApplication::widgetAt(globalPoint);
}

CTreeSat* DragController::treeUnderPointer(const QPoint& globalPoint) const {
    // The tree's viewport, scroll bars and corner all count as the tree.
    for (QWidget* widget = widgetUnderPointer(globalPoint); widget; widget = widget->parentWidget()) {
        const auto tree = std::find(trees_.begin(), trees_.end(), widget);
        if (tree != trees_.end()) return *tree;
        if (widget->isWindow()) break;
    }
    return nullptr;
}

TreeItem* DragController::itemInRowAt(CTreeSat& tree, const QPoint& globalPoint) const {
    const QPoint point = tree.viewport()->mapFromGlobal(globalPoint);
    if (!tree.viewport()->rect().contains(point)) return nullptr;
    return tree.channelModel()->itemAt(tree.indexAt(point));
}

void DragController::showPointer(bool canDrop) {
    const Qt::CursorShape shape = canDrop ? Qt::ArrowCursor : Qt::ForbiddenCursor;
    const QCursor* current = QGuiApplication::overrideCursor();
    if (!current || current->shape() != shape) QGuiApplication::changeOverrideCursor(shape);
}

void DragController::scrollTick(const QPoint& globalPoint) {
    if (!isDragging()) return;
    ++scrollTicks_;
    dragImage_->moveTipTo(globalPoint);
    scrollStep(*dragSourceTree_, globalPoint);
    if (dropTree_ != dragSourceTree_) scrollStep(*dropTree_, globalPoint);
}

void DragController::scrollStep(CTreeSat& tree, const QPoint& globalPoint) {
    // The client area in screen coordinates, right and bottom edges exclusive.
    const QPoint topLeft = tree.viewport()->mapToGlobal(QPoint(0, 0));
    const int left = topLeft.x();
    const int top = topLeft.y();
    const int right = left + tree.viewport()->width();
    const int bottom = top + tree.viewport()->height();
    const int x = globalPoint.x();
    const int y = globalPoint.y();
    if (x < left - kEdgeBand || x > right + kEdgeBand) return;

    const QScrollBar* bar = tree.verticalScrollBar();
    const auto cadence = [](int distance) {
        return static_cast<std::uint32_t>(std::max(1, kSlowestCadence - distance / kDistanceUnit));
    };
    if (y < top + kEdgeBand) {
        if (bar->value() <= bar->minimum()) return;
        const QModelIndex first = firstVisibleRow(tree);
        if (!first.isValid() || scrollTicks_ % cadence(top + kEdgeBand - y) != 0) return;
        scrollOneLine(tree, first, true);
        tree.setDropHighlight(first);
    } else if (y > bottom - kEdgeBand) {
        if (bar->value() >= bar->maximum()) return;
        const QModelIndex first = firstVisibleRow(tree);
        if (!first.isValid() || scrollTicks_ % cadence(y - (bottom - kEdgeBand)) != 0) return;
        scrollOneLine(tree, first, false);
        tree.setDropHighlight(lastFullyVisibleRow(tree));
    }
}

void DragController::rowsGone() {
    // Something took the dragged item away while it was being dragged: the drag is over.
    // (A drop target that went is let go by its held index.)
    if (isDragging() && !dragItem_) CancelDrag();
}

}  // namespace qvx
