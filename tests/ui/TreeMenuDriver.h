// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QList>
#include <QPoint>
#include <QStringList>

namespace qvx {

class CTreeSat;
class TreeItem;

// What the context menu showed while it was open.
struct SeenMenu {
    bool opened = false;
    QStringList texts;  // a separator is ""
    QList<bool> enabled;
    QPoint topLeft;     // global
    bool picked = false;
    QStringList subTexts;  // the entries of the opened submenu
    QList<bool> subEnabled;
};

// Right-clicks `viewportPoint` in the tree. While the menu is open it is
// recorded, and the entry `pick` is clicked with `button` when it is enabled;
// with no `pick` (or a grayed one) the menu is closed without a choice. With
// `subPick`, `pick` is a submenu: it is opened and its entry `subPick` clicked.
SeenMenu rightClickMenu(CTreeSat* tree, QPoint viewportPoint, const QString& pick = {},
                        Qt::MouseButton button = Qt::LeftButton, const QString& subPick = {});
// The same for a menu that `open` opens (a key, say) from `tree`.
SeenMenu menuOpenedBy(CTreeSat* tree, const std::function<void()>& open, const QString& pick = {},
                      Qt::MouseButton button = Qt::LeftButton, const QString& subPick = {});

// A point on the label of a visible item, and one below the last item.
QPoint pointOnLabel(const CTreeSat* tree, const TreeItem* item);
QPoint pointBelowItems(const CTreeSat* tree);

}  // namespace qvx
