// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QWidget>

namespace qvx {

// The picture that follows the pointer during a drag, over the whole screen: a
// frameless 32 x 32 window that takes no input, with its upper-left corner (the
// arrow's tip) at the pointer. Outside the picture's shapes it is see-through.
class DragPicture final : public QWidget {
    Q_OBJECT

public:
    // The provider picture (a stack of sheets) or the channel picture (one sheet).
    explicit DragPicture(bool provider);
    DragPicture(const DragPicture&) = delete;
    DragPicture& operator=(const DragPicture&) = delete;

    bool showsProvider() const { return provider_; }
    // Puts the arrow's tip at `globalPoint`.
    void moveTipTo(const QPoint& globalPoint);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool provider_;
    QPixmap picture_;
};

}  // namespace qvx
