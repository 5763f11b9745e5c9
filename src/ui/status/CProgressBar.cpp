// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status/CProgressBar.h"

#include <algorithm>

#include <QFontMetrics>

#include "ui/status/EditorStatusBar.h"

namespace qvx {
namespace {

constexpr qint64 kRepaintMilliseconds = 16;

}  // namespace

CProgressBar::CProgressBar() : QProgressBar(nullptr) { setObjectName(QStringLiteral("progressBar")); }

CProgressBar::CProgressBar(QWidget& window, const QString& message, int size, int maximum, bool smooth,
                           int pane)
    : CProgressBar() {
    CreateInPane(window, message, size, maximum, smooth, pane);
}

CProgressBar::~CProgressBar() { ClearFromPane(); }

EditorStatusBar* CProgressBar::statusBar() const {
    return hasBar_ ? qobject_cast<EditorStatusBar*>(parentWidget()) : nullptr;
}

bool CProgressBar::CreateInPane(QWidget& window, const QString& message, int size, int maximum, bool smooth,
                                int pane) {
    auto* bar = window.findChild<EditorStatusBar*>();
    if (!bar || hasBar_) return false;
    setParent(bar);
    hasBar_ = true;
    smooth_ = smooth;  // the style draws the bar; Qt has no block style to switch off
    setTextVisible(false);
    setGeometry(bar->paneRect(pane));
    SetRangeAndStep(0, maximum, 1);
    SetStepSize(1);
    message_ = message;
    setAccessibleName(message);
    size_ = size;
    pane_ = pane;
    savedText_ = bar->paneText(pane);
    show();
    raise();
    FitToPane();
    return true;
}

bool CProgressBar::SetRangeAndStep(int lower, int upper, int step) {
    if (!hasBar_) return false;
    setRange(lower, upper);
    step_ = step;
    position_ = std::clamp(position_, lower, std::max(lower, upper));
    setValue(position_);
    nextShown_ = position_;
    return true;
}

int CProgressBar::SetStepSize(int step) {
    if (!hasBar_) return 0;
    if (isHidden()) show();
    return std::exchange(step_, step);
}

int CProgressBar::Step() { return hasBar_ ? moveTo(position_ + step_) : 0; }

int CProgressBar::SetPos(int position) { return hasBar_ ? moveTo(position) : 0; }

int CProgressBar::OffsetPos(int delta) { return hasBar_ ? moveTo(position_ + delta) : 0; }

int CProgressBar::moveTo(int position) {
    if (isHidden()) show();
    const int previous = position_;
    position_ = std::clamp(position, minimum(), std::max(minimum(), maximum()));
    showPosition();
    return previous;
}

void CProgressBar::showPosition() {
    if (position_ < nextShown_ && position_ != maximum() && sinceShown_.isValid() &&
        sinceShown_.elapsed() < kRepaintMilliseconds)
        return;
    // The bar repaints itself at once when its drawing changes: the caller does not return to the
    // event loop while it makes its steps.
    setValue(position_);
    nextShown_ = position_ + std::max(1, (maximum() - minimum()) / 100);
    sinceShown_.start();
}

void CProgressBar::ClearFromPane() {
    EditorStatusBar* bar = statusBar();
    if (!bar) return;
    hide();
    bar->setPaneText(pane_, savedText_);
    bar->repaint();
}

bool CProgressBar::FitToPane() { return fit(false); }

bool CProgressBar::fit(bool painting) {
    EditorStatusBar* bar = statusBar();
    if (!bar) return false;
    const QFontMetrics metrics(bar->font());
    const QRect pane = bar->paneRect(pane_);
    // Edges as the pane's, right and bottom exclusive.
    int left = pane.left();
    int top = pane.top();
    int right = pane.left() + pane.width();
    int bottom = pane.top() + pane.height();
    if (!message_.isEmpty())
        left += metrics.horizontalAdvance(message_) + 4 * metrics.horizontalAdvance(QLatin1Char(' '));
    right -= (right - left) * (100 - size_) / 100;
    right = std::max(right, left);
    const int margin = (bottom - top) / 10;
    top += margin;
    bottom -= margin;
    const QRect placed(left, top, right - left, bottom - top);
    if (placed != placed_) {
        setGeometry(placed);
        placed_ = placed;
    }
    // The message goes in after the bar has its place, so the repaint shows both where they belong.
    if (!isHidden() && bar->paneText(pane_) != message_) {
        bar->setPaneText(pane_, message_);
        if (painting)
            bar->update();
        else
            bar->repaint();
    }
    return true;
}

void CProgressBar::SetMessage(const QString& message) {
    message_ = message;
    setAccessibleName(message);
    FitToPane();
}

void CProgressBar::SetSize(int percent) {
    size_ = percent;
    FitToPane();
}

void CProgressBar::SetBarColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Highlight, colour);
    setPalette(colours);
}

void CProgressBar::SetBackgroundColour(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colour);
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
}

void CProgressBar::paintEvent(QPaintEvent* event) {
    // The panes may have moved since the bar was placed: it follows them before it paints.
    const QRect before = placed_;
    fit(true);
    if (placed_ != before) {
        update();
        return;
    }
    QProgressBar::paintEvent(event);
}

}  // namespace qvx
