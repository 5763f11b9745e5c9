// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields/ST_InfoWnd.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

namespace qvx {
namespace {

QColor sharedBackground(const QColor& requested) {
    static const QColor first = requested;
    return first;
}

}  // namespace

ST_InfoWnd::ST_InfoWnd(const QColor& background) : QWidget(nullptr) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, sharedBackground(background));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

bool ST_InfoWnd::Create(QWidget* owner) {
    owner_ = owner;
    // A tool-tip kind of window: never activated, so the focus stays in the field.
    setParent(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    hide();
    return true;
}

void ST_InfoWnd::ShowInfo(QWidget* anchor, const QString& message) {
    if (!owner_ || isVisible()) return;
    const QRect anchorRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    if (!QApplication::focusWidget()) return;
    text_ = QLatin1Char(' ') + message + QLatin1Char(' ');
    const QFontMetrics metrics(owner_->font());
    const int width = metrics.horizontalAdvance(text_) + 2;
    const int height = metrics.height() + metrics.descent() + 2;
    const int left = anchorRect.left();
    const int top = anchorRect.top() - height - verticalGap_;
    textRect_ = QRect(left, top, width, height);
    setFont(owner_->font());
    setGeometry(left - 3, top - 1, width + 3, height);
    setAccessibleName(message);
    show();
    raise();
    anchor_ = anchor;
    anchor->setAccessibleDescription(message);
}

void ST_InfoWnd::HideInfo() {
    if (!owner_) return;
    hide();
    if (anchor_) anchor_->setAccessibleDescription({});
    anchor_ = nullptr;
}

void ST_InfoWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));  // the thin border
    painter.setFont(owner_ ? owner_->font() : font());
    const QRect local(mapFromGlobal(textRect_.topLeft()), textRect_.size());
    painter.drawText(local, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text_);
}

}  // namespace qvx
