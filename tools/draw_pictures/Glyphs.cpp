// SPDX-License-Identifier: GPL-3.0-or-later
#include "Glyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace pictures {
namespace {

const QColor kInk(0x22, 0x22, 0x22);

QPen inkPen(const QColor& colour = kInk, qreal width = 1.0) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& upper, const QColor& lower) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

// A television set: grey cabinet, screen, two knobs, two feet. `top` moves it down to
// leave room for an antenna.
void drawTelevisionSet(QPainter& painter, qreal top, const QColor& screenTop, const QColor& screenBottom) {
    const qreal bottom = 12.5;
    painter.setPen(inkPen());
    painter.setBrush(vertical(top, bottom, QColor(0xe4, 0xe4, 0xe4), QColor(0x9c, 0x9c, 0x9c)));
    painter.drawRoundedRect(QRectF(0.5, top, 15, bottom - top), 1.5, 1.5);

    painter.setPen(inkPen(QColor(0x30, 0x30, 0x30)));
    painter.setBrush(vertical(top + 1.5, bottom - 1.5, screenTop, screenBottom));
    painter.drawRoundedRect(QRectF(2.5, top + 1.5, 8, bottom - top - 3), 1, 1);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawRect(QRectF(12, top + 2.5, 2, 1));
    painter.drawRect(QRectF(12, top + 4.5, 2, 1));
    painter.drawRect(QRectF(2, 13, 2, 2));
    painter.drawRect(QRectF(12, 13, 2, 2));
}

// Thin diagonal lines turn grey when smoothed at 16 pixels: draw them as pixel steps.
void drawCrispLine(QPainter& painter, QPointF from, QPointF to) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kInk, 1.0, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
    painter.restore();
}

// A portable radio: wooden case, loudspeaker on the left, dial and buttons on the right,
// antenna above.
void drawRadioSet(QPainter& painter, const QColor& dial, bool sounding) {
    drawCrispLine(painter, QPointF(4.5, 5.0), QPointF(12.5, 1.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(12.5, 1.2), 1.2, 1.2);

    painter.setPen(inkPen(QColor(0x3a, 0x24, 0x0c)));
    painter.setBrush(vertical(5.5, 14.5, QColor(0xf0, 0xb4, 0x62), QColor(0xb8, 0x6a, 0x1c)));
    painter.drawRoundedRect(QRectF(0.5, 5.5, 15, 9), 1.5, 1.5);

    // Loudspeaker grille.
    painter.setPen(inkPen(QColor(0x3a, 0x24, 0x0c)));
    painter.setBrush(sounding ? QColor(0x9a, 0x5a, 0x10) : QColor(0x5a, 0x36, 0x12));
    painter.drawEllipse(QPointF(5.0, 10.0), 2.6, 2.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sounding ? QColor(0xff, 0xf0, 0x60) : QColor(0xe8, 0xc8, 0x90));
    painter.drawEllipse(QPointF(5.0, 10.0), 0.9, 0.9);

    // Dial with its needle.
    painter.setPen(inkPen(QColor(0x3a, 0x24, 0x0c)));
    painter.setBrush(dial);
    painter.drawRect(QRectF(9.5, 7.5, 4, 3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd0, 0x20, 0x20));
    painter.drawRect(QRectF(11, 8, 1, 2));

    painter.setBrush(QColor(0x3a, 0x24, 0x0c));
    painter.drawRect(QRectF(10, 12, 1, 1));
    painter.drawRect(QRectF(12, 12, 1, 1));
}

// A small padlock in the lower right corner, with a light rim that parts it from the
// picture behind.
void drawLock(QPainter& painter) {
    const QColor rim(255, 255, 255, 230);
    painter.setPen(QPen(rim, 3.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(10.0, 7.5, 4.0, 5.0), 0, 180 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawRoundedRect(QRectF(8, 10, 8, 6), 1, 1);

    painter.setPen(QPen(QColor(0x44, 0x44, 0x44), 1.3));
    painter.drawArc(QRectF(10.0, 7.5, 4.0, 5.0), 0, 180 * 16);
    painter.drawLine(QPointF(10.0, 10.0), QPointF(10.0, 11.0));
    painter.drawLine(QPointF(14.0, 10.0), QPointF(14.0, 11.0));

    painter.setPen(inkPen(QColor(0x5a, 0x40, 0x00)));
    painter.setBrush(vertical(10.5, 15.5, QColor(0xff, 0xe0, 0x60), QColor(0xd0, 0x98, 0x10)));
    painter.drawRect(QRectF(8.5, 10.5, 7, 5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5a, 0x40, 0x00));
    painter.drawRect(QRectF(11.5, 12, 1, 2));
}

// A yellow folder; the emblem on its front tells the two trees apart.
void drawFolder(QPainter& painter) {
    const QColor edge(0x8a, 0x62, 0x08);
    QPainterPath back;
    back.moveTo(0.5, 2.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(7.0, 4.0);
    back.lineTo(15.5, 4.0);
    back.lineTo(15.5, 14.5);
    back.lineTo(0.5, 14.5);
    back.closeSubpath();
    painter.setPen(inkPen(edge));
    painter.setBrush(vertical(2.5, 14.5, QColor(0xf0, 0xc4, 0x48), QColor(0xd8, 0x9c, 0x1c)));
    painter.drawPath(back);

    painter.setBrush(vertical(5.5, 14.5, QColor(0xff, 0xec, 0x9c), QColor(0xf6, 0xc8, 0x40)));
    painter.drawRect(QRectF(0.5, 5.5, 15, 9));
}

}  // namespace

void drawTelevisionChannel(QPainter& painter, ChannelLook look) {
    if (look == ChannelLook::Selected) {
        drawTelevisionSet(painter, 2.5, QColor(0xff, 0xff, 0xd8), QColor(0xff, 0xc8, 0x30));
    } else {
        drawTelevisionSet(painter, 2.5, QColor(0x7c, 0xc0, 0xff), QColor(0x1c, 0x4c, 0xa0));
    }
    if (look == ChannelLook::Scrambled) {
        drawLock(painter);
    }
}

void drawRadioChannel(QPainter& painter, ChannelLook look) {
    drawRadioSet(painter, look == ChannelLook::Selected ? QColor(0xa8, 0xff, 0x80) : QColor(0xf8, 0xf0, 0xc8),
                 look == ChannelLook::Selected);
    if (look == ChannelLook::Scrambled) {
        drawLock(painter);
    }
}

void drawTelevisionProvider(QPainter& painter) {
    drawFolder(painter);
    painter.setPen(inkPen(QColor(0x30, 0x30, 0x30)));
    painter.setBrush(vertical(7.5, 12.5, QColor(0x7c, 0xc0, 0xff), QColor(0x1c, 0x4c, 0xa0)));
    painter.drawRect(QRectF(4.5, 7.5, 7, 5));
}

void drawRadioProvider(QPainter& painter) {
    drawFolder(painter);
    // A note in the folder's front: the radio tree's emblem.
    const QColor note(0x7a, 0x2c, 0x00);
    painter.setPen(Qt::NoPen);
    painter.setBrush(note);
    painter.save();
    painter.translate(7.0, 12.0);
    painter.rotate(-20);
    painter.drawEllipse(QPointF(0, 0), 1.8, 1.3);
    painter.restore();
    painter.drawRect(QRectF(8, 7, 1, 5));
    QPainterPath flag;
    flag.moveTo(9, 7);
    flag.cubicTo(10, 7.8, 12, 8.2, 11.4, 10.6);
    flag.cubicTo(11.2, 9.2, 10.2, 8.8, 9, 8.8);
    flag.closeSubpath();
    painter.drawPath(flag);
}

void drawTelevisionTab(QPainter& painter) {
    drawCrispLine(painter, QPointF(7.5, 4.0), QPointF(4.5, 1.0));
    drawCrispLine(painter, QPointF(8.5, 4.0), QPointF(11.5, 1.0));
    drawTelevisionSet(painter, 4.5, QColor(0x7c, 0xc0, 0xff), QColor(0x1c, 0x4c, 0xa0));
}

void drawRadioTab(QPainter& painter) {
    drawRadioSet(painter, QColor(0xf8, 0xf0, 0xc8), false);
}

// The program icon: a television set whose screen shows a channel list.
void drawProgramIcon16(QPainter& painter) {
    drawCrispLine(painter, QPointF(7.5, 3.0), QPointF(5.5, 1.0));
    drawCrispLine(painter, QPointF(8.5, 3.0), QPointF(10.5, 1.0));
    painter.setPen(inkPen(kInk, 1.0));
    painter.setBrush(vertical(3.5, 14.5, QColor(0x78, 0x78, 0x84), QColor(0x38, 0x38, 0x40)));
    painter.drawRoundedRect(QRectF(0.5, 3.5, 15, 11), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(vertical(5, 13, QColor(0x4c, 0xa8, 0xff), QColor(0x14, 0x40, 0x98)));
    painter.drawRect(QRectF(2, 5, 12, 8));
    painter.setBrush(QColor(0xff, 0xd8, 0x30));
    const int widths[] = {8, 6, 7};
    for (int row = 0; row < 3; ++row) {
        painter.setBrush(QColor(0xff, 0xd8, 0x30));
        painter.drawRect(QRectF(3, 6 + row * 2, 1, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(5, 6 + row * 2, widths[row], 1));
    }
}

void drawProgramIcon32(QPainter& painter) {
    painter.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(16.0, 6.0), QPointF(9.0, 1.0));
    painter.drawLine(QPointF(16.0, 6.0), QPointF(23.0, 1.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(16.0, 6.0), 2.0, 1.5);

    painter.setPen(inkPen(kInk, 1.0));
    painter.setBrush(vertical(6.5, 28.5, QColor(0x78, 0x78, 0x84), QColor(0x34, 0x34, 0x3c)));
    painter.drawRoundedRect(QRectF(1.5, 6.5, 29, 22), 3.5, 3.5);
    painter.setPen(inkPen(QColor(0x10, 0x10, 0x14), 1.0));
    painter.setBrush(vertical(9, 26, QColor(0x56, 0xb4, 0xff), QColor(0x10, 0x3c, 0x94)));
    painter.drawRoundedRect(QRectF(4.5, 9.5, 23, 16), 1.5, 1.5);

    // Three list rows: a yellow provider mark and a white name each.
    painter.setPen(Qt::NoPen);
    const qreal widths[] = {13, 9, 11};
    for (int row = 0; row < 3; ++row) {
        const qreal y = 13 + row * 4;
        painter.setBrush(QColor(0xff, 0xd8, 0x30));
        painter.drawRect(QRectF(8, y, 2, 2));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(12, y, widths[row], 2));
    }
    painter.setBrush(QColor(0x1c, 0x1c, 0x20));
    painter.drawRect(QRectF(6, 28.5, 4, 2.5));
    painter.drawRect(QRectF(22, 28.5, 4, 2.5));
}

namespace {

// The pointer arrow with its tip at the picture's upper-left corner (the hot spot).
void drawArrow(QPainter& painter) {
    const QPolygonF arrow({QPointF(0.5, 0.5), QPointF(0.5, 15.5), QPointF(4.5, 11.5), QPointF(7.5, 18.0),
                           QPointF(10.0, 17.0), QPointF(7.0, 10.5), QPointF(12.0, 10.5)});
    painter.setPen(inkPen(Qt::black));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

void drawSheet(QPainter& painter, qreal left, qreal top, bool withText) {
    painter.setPen(inkPen(Qt::black));
    painter.setBrush(QColor(0xff, 0xee, 0x3a));
    painter.drawRect(QRectF(left, top, 12, 15));
    if (withText) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x8a, 0x7a, 0x20));
        for (int row = 0; row < 4; ++row) {
            painter.drawRect(QRectF(left + 2.5, top + 2.5 + row * 3, row % 2 == 0 ? 7 : 5, 1));
        }
    }
}

}  // namespace

void drawProviderDrag(QPainter& painter) {
    drawSheet(painter, 18.5, 16.5, false);
    drawSheet(painter, 16.5, 14.5, false);
    drawSheet(painter, 14.5, 12.5, true);
    drawArrow(painter);
}

void drawChannelDrag(QPainter& painter) {
    drawSheet(painter, 15.5, 14.5, true);
    drawArrow(painter);
}

}  // namespace pictures
