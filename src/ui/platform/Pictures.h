// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

#include "model/ChannelTree.h"

namespace qvx {

// Every picture of the window comes from here, so the pictures themselves can
// change without touching the widgets. A picture that is not built into the
// program gives an empty icon.

// `image` is the tree picture number (ItemImage).
QIcon treeIcon(TreeKind kind, int image);
// 0 Television, 1 Radio.
QIcon tabIcon(int image);
QIcon programIcon();
QPixmap dragPicture(bool provider);

}  // namespace qvx
