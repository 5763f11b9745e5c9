// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace qvx::bench {

// A left-button message as the window system delivers it to `widget`.
inline void sendMouse(QWidget* widget, QEvent::Type type, const QPoint& point) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace qvx::bench
