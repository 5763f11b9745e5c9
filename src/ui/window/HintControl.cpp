// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/HintControl.h"

#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

namespace qvx {

void HintControl::addHint(QWidget* control, const QString& text) {
    control->setToolTip(text);
    // Moves without a pressed button reach only controls that track the mouse.
    control->setMouseTracking(true);
    hints_.append({control, text});
}

void HintControl::relayMouseEvent(QObject* target, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget) return;
    const Hint* hit = nullptr;
    for (const Hint& hint : hints_)
        if (hint.control && (hint.control == widget || hint.control->isAncestorOf(widget))) hit = &hint;
    if (event->type() != QEvent::MouseMove) {
        // A press or release ends the hint, as tool tips do.
        if (shownFor_) QToolTip::hideText();
        shownFor_ = nullptr;
        return;
    }
    if (!hit) {
        if (shownFor_) QToolTip::hideText();
        shownFor_ = nullptr;
        return;
    }
    if (shownFor_ == hit->control) return;
    shownFor_ = hit->control;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QToolTip::showText(mouse->globalPosition().toPoint(), hit->text, hit->control);
}

QString HintControl::shownHint() const {
    for (const Hint& hint : hints_)
        if (hint.control && hint.control == shownFor_) return hint.text;
    return {};
}

}  // namespace qvx
