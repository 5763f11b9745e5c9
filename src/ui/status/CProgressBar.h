// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>
#include <QRect>
#include <QString>

namespace qvx {

class EditorStatusBar;

// A progress bar inside one pane of the window's status bar: the pane shows a
// message on its left, the bar takes a share of the rest, with a tenth of the
// pane's height free above and below. When the bar goes, the pane gets its
// text back. Without a status bar it makes no bar, and every operation does
// nothing and gives its "no window" result.
class CProgressBar final : public QProgressBar {
    Q_OBJECT

public:
    // Makes no bar; CreateInPane puts one into a pane.
    CProgressBar();
    // `window` is the main window whose status bar is used; `size` is a percentage.
    CProgressBar(QWidget& window, const QString& message, int size, int maximum, bool smooth, int pane);
    ~CProgressBar() override;
    CProgressBar(const CProgressBar&) = delete;
    CProgressBar& operator=(const CProgressBar&) = delete;

    bool CreateInPane(QWidget& window, const QString& message, int size, int maximum, bool smooth, int pane);
    // False without a bar.
    bool SetRangeAndStep(int lower, int upper, int step);
    // Each returns the previous value, 0 without a bar; each shows a hidden bar first.
    int SetStepSize(int step);
    int Step();
    int SetPos(int position);
    int OffsetPos(int delta);
    // Hides the bar and gives the pane its text back.
    void ClearFromPane();
    // Places the bar inside its pane; false without a bar or a status bar.
    bool FitToPane();

    void SetMessage(const QString& message);
    void SetSize(int percent);
    void SetBarColour(const QColor& colour);
    void SetBackgroundColour(const QColor& colour);

    bool hasBar() const { return hasBar_; }
    // The position, which the painted bar may trail by up to a hundredth of the range.
    int position() const { return position_; }
    int stepSize() const { return step_; }
    bool isSmooth() const { return smooth_; }
    QRect placedRect() const { return placed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EditorStatusBar* statusBar() const;
    // `painting`: called from the bar's own painting, so the status bar may only be updated later.
    bool fit(bool painting);
    int moveTo(int position);
    void showPosition();

    bool hasBar_ = false;
    bool smooth_ = false;
    int size_ = 0;
    int pane_ = 0;
    int step_ = 1;
    int position_ = 0;
    QString message_;
    QString savedText_;
    QRect placed_;
    // Steps come far faster than a screen can show them: the bar is painted
    // again after a hundredth of its range or 16 ms, whichever comes first.
    int nextShown_ = 0;
    QElapsedTimer sinceShown_;
};

}  // namespace qvx
