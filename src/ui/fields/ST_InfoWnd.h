// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace qvx {

// A small box that shows one message just above a field without taking the
// keyboard focus. It only shows and hides; the user cannot interact with it.
class ST_InfoWnd final : public QWidget {
    Q_OBJECT

public:
    // The box colour is the one passed to the first info window of the program.
    explicit ST_InfoWnd(const QColor& background);
    ST_InfoWnd(const ST_InfoWnd&) = delete;
    ST_InfoWnd& operator=(const ST_InfoWnd&) = delete;

    // Makes the box a hidden tool window of `owner`, whose font it uses.
    bool Create(QWidget* owner);
    // Does nothing before Create, while shown (hide first), or while no window
    // of the program has the focus. While shown, the message is also the anchor's
    // accessible description, so a screen reader announces it with the field.
    void ShowInfo(QWidget* anchor, const QString& message);
    void HideInfo();

    // The text as shown: the message between two blanks.
    const QString& text() const { return text_; }
    // Where the text goes, in screen coordinates.
    const QRect& textRect() const { return textRect_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* owner_ = nullptr;
    QPointer<QWidget> anchor_;
    QRect textRect_;
    QString text_;
    int verticalGap_ = 2;
};

}  // namespace qvx
