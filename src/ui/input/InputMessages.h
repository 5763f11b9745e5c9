// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>

namespace qvx {

// The mouse messages the window's filters look at; wheel and hover messages are not among them.
inline bool isMouseMessage(QEvent::Type type) {
    return type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
           type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
}

// The keys the window itself acts on: Enter and Escape press its default buttons, Tab moves
// the focus. Fields that keep them to themselves ask here.
inline bool isWindowKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}

}  // namespace qvx
