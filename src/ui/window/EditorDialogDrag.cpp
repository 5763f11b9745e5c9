// Drag and drop: the trees start a drag, the controller carries it out.
#include "ui/window/CEditorDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/drag/DragController.h"

namespace qvx {

void CEditorDialog::connectDrag() {
    drag_ = new DragController(*this, channelTrees(), this);
    connect(drag_, &DragController::aboutToMove, this,
            [this](const TreeItem* dragged) { forgetRemovedEditItem(dragged); });
    for (CTreeSat* tree : channelTrees()) {
        connect(tree, &CTreeSat::dragStarted, this, [this, tree](TreeItem* item, const QPoint& globalPoint) {
            // The trees are disabled while the panel edits; this only keeps the rule in one place.
            if (!editing_) drag_->BeginDrag(*tree, item, globalPoint);
        });
    }
}

bool CEditorDialog::isDragging() const { return drag_ && drag_->isDragging(); }

void CEditorDialog::CancelDrag() {
    if (drag_) drag_->CancelDrag();
}

}  // namespace qvx
