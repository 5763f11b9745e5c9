// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <QObject>
#include <QPoint>
#include <QTimer>

#include "ui/tree/HeldItem.h"

class QModelIndex;
class QWidget;

namespace qvx {

class CTreeSat;
class DragPicture;
class EditorSession;
class TreeItem;

// Drag and drop between and within the four channel trees. A drag picks up an
// item, shows its picture at the pointer, takes the pointer for the window and
// marks the row under the pointer in whichever tree it is over; a tree scrolls
// while the pointer is near its upper or lower edge. Release over a tree moves
// the item (same tree) or copies it there (another tree); Enter, Escape or a
// release elsewhere end the drag with no change.
class DragController final : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 75;
    // The band inside a tree's edge where scrolling starts, and how the cadence
    // grows with the distance d beyond it: every max(1, 6 - d / 20)th tick.
    static constexpr int kEdgeBand = 10;
    static constexpr int kDistanceUnit = 20;
    static constexpr int kSlowestCadence = 6;

    // `window` holds the pointer during a drag; `trees` are the four trees; a drop changes them as one command of `session`.
    DragController(QWidget& window, std::array<CTreeSat*, 4> trees, EditorSession& session,
                   QObject* parent = nullptr);
    ~DragController() override;
    DragController(const DragController&) = delete;
    DragController& operator=(const DragController&) = delete;

    // The pointer (at `globalPoint`) started to drag `item` out of `source`.
    void BeginDrag(CTreeSat& source, TreeItem* item, const QPoint& globalPoint);
    void pointerMoved(const QPoint& globalPoint);
    void buttonReleased(const QPoint& globalPoint);
    // Ends a drag without moving or copying anything.
    void CancelDrag();
    // One tick of the drag timer with the pointer at `globalPoint`.
    void scrollTick(const QPoint& globalPoint);

    bool isDragging() const { return dragImage_ != nullptr; }
    CTreeSat* dragSourceTree() const { return dragSourceTree_; }
    CTreeSat* dropTree() const { return dropTree_; }
    TreeItem* dragItem() const { return dragItem_.get(); }
    TreeItem* dropTarget() const { return dropTarget_.get(); }
    // The picture at the pointer; null exactly when no drag is under way.
    const DragPicture* dragImage() const { return dragImage_.get(); }
    const QTimer& scrollTimer() const { return scrollTimer_; }
    std::uint32_t scrollTicks() const { return scrollTicks_; }

protected:
    // While dragging, every mouse message of the program comes here: the window holds the pointer.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void endDrag();
    void clearDropHighlights();
    QWidget* widgetUnderPointer(const QPoint& globalPoint) const;
    CTreeSat* treeUnderPointer(const QPoint& globalPoint) const;
    TreeItem* itemInRowAt(CTreeSat& tree, const QPoint& globalPoint) const;
    void showPointer(bool canDrop);
    void scrollStep(CTreeSat& tree, const QPoint& globalPoint);
    // Rows went: a drag whose item went with them is over.
    void rowsGone();

    QWidget& window_;
    std::array<CTreeSat*, 4> trees_;
    EditorSession& session_;

    CTreeSat* dragSourceTree_ = nullptr;
    CTreeSat* dropTree_ = nullptr;
    std::unique_ptr<DragPicture> dragImage_;
    HeldItem dragItem_;
    HeldItem dropTarget_;
    QTimer scrollTimer_;
    std::uint32_t scrollTicks_ = 0;
};

}  // namespace qvx
