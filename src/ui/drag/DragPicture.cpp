// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/drag/DragPicture.h"

#include <QBitmap>
#include <QPainter>

#include "ui/platform/Pictures.h"

namespace qvx {

DragPicture::DragPicture(bool provider)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint),
      provider_(provider),
      picture_(dragPicture(provider)) {
    setObjectName(QStringLiteral("dragPicture"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(32, 32);
    // Without a compositor only a shaped window lets the desktop show around the picture.
    if (!picture_.isNull()) {
        const QImage shape = picture_.toImage().scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        setMask(QBitmap::fromImage(shape.createAlphaMask()));
    }
}

void DragPicture::moveTipTo(const QPoint& globalPoint) {
    if (pos() != globalPoint) move(globalPoint);
}

void DragPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawPixmap(rect(), picture_);
}

}  // namespace qvx
