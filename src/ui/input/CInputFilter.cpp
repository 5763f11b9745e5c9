// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input/CInputFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "ui/input/InputFilterHost.h"
#include "ui/input/InputMessages.h"
#include "ui/input/InputTree.h"

namespace qvx {

CInputFilter::CInputFilter(InputFilterHost& host, QObject* parent) : QObject(parent), host_(host) {}

bool CInputFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && !isMouseMessage(type)) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* window = host_.filteredWindow();
    if (!widget || !window || (widget != window && !window->isAncestorOf(widget))) return false;
    // A key or mouse message the control ignores travels on to its parents; judge it once, at its target.
    if (type == QEvent::KeyPress && widget != QApplication::focusWidget()) return false;
    if (type != QEvent::KeyPress && widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint()))
        return false;
    return PreTranslateInput(watched, event);
}

bool CInputFilter::PreTranslateInput(QObject* target, QEvent* event) {
    const QEvent::Type type = event->type();
    if (isMouseMessage(type)) {
        host_.relayToHints(target, event);
        return false;
    }
    if (type != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();

    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        if (host_.isDragging()) {
            host_.CancelDrag();
            return true;
        }
        for (InputTree* tree : host_.inputTrees()) {
            if (tree->isEditingLabel()) {
                tree->endLabelEdit(key != Qt::Key_Escape);
                return true;
            }
        }
        return false;
    }

    // Delete and F2 (the window's commands say which keys): the key goes on in any case.
    if (host_.isEditing()) return false;
    for (InputTree* tree : host_.inputTrees()) {
        if (tree->treeWidget() != target || !tree->treeWidget()->hasFocus() || !tree->hasSelectedItem()) continue;
        host_.runSelectedItemKey(*tree, key);
        break;
    }
    return false;
}

}  // namespace qvx
