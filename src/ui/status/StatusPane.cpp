// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status/StatusPane.h"

#include <QEvent>
#include <QFontMetrics>

namespace qvx {

StatusPane::StatusPane(const QString& text, Qt::TextElideMode elide, QWidget* parent) : QLabel(parent), elide_(elide) {
    setTextFormat(Qt::PlainText);
    setFullText(text);
}

void StatusPane::setFullText(const QString& text) {
    fullText_ = text;
    // Also when only the shown text changes: the name is what a screen reader announces,
    // without the blank a closed list's pane ends in.
    QString spoken = text;
    while (spoken.endsWith(QLatin1Char(' '))) spoken.chop(1);
    setAccessibleName(spoken);
    showFitted();
}

void StatusPane::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    showFitted();
}

void StatusPane::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) showFitted();
}

void StatusPane::showFitted() {
    const int room = contentsRect().width() - 2 * margin();
    setText(elide_ != Qt::ElideNone && room > 0 ? fontMetrics().elidedText(fullText_, elide_, room) : fullText_);
}

}  // namespace qvx
