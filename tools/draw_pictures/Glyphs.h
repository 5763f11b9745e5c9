// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;

namespace pictures {

// Every function draws in design units onto a painter already scaled to the output
// size: 16 units for the tree and tab icons, 32 units for the program icon and the
// drag pictures. One-unit strokes lie on half units so they stay sharp at 1x and 2x.

enum class ChannelLook { Free, Selected, Scrambled };

void drawTelevisionChannel(QPainter& painter, ChannelLook look);
void drawRadioChannel(QPainter& painter, ChannelLook look);
void drawTelevisionProvider(QPainter& painter);
void drawRadioProvider(QPainter& painter);
void drawTelevisionTab(QPainter& painter);
void drawRadioTab(QPainter& painter);

void drawProgramIcon16(QPainter& painter);
void drawProgramIcon32(QPainter& painter);

void drawProviderDrag(QPainter& painter);
void drawChannelDrag(QPainter& painter);

}  // namespace pictures
