// SPDX-License-Identifier: GPL-3.0-or-later
#include "TreeMenuDriver.h"

#include <algorithm>

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {

namespace {

// Clicks `entry` of the open submenu `menu` when it is enabled.
void clickSubEntry(QMenu* menu, const QString& entry, Qt::MouseButton button, SeenMenu& seen) {
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions()) {
        seen.subTexts << action->text();
        seen.subEnabled << action->isEnabled();
        if (action->text() == entry) chosen = action;
    }
    EXPECT_NE(chosen, nullptr) << entry.toStdString();
    EXPECT_TRUE(chosen && chosen->isEnabled()) << entry.toStdString() << " is grayed";
    if (!chosen || !chosen->isEnabled()) return;
    const QPoint centre = menu->actionGeometry(chosen).center();
    QTest::mouseMove(menu, centre);
    QTest::mouseClick(menu, button, {}, centre);
    seen.picked = true;
}

}  // namespace

SeenMenu rightClickMenu(CTreeSat* tree, QPoint viewportPoint, const QString& pick, Qt::MouseButton button,
                        const QString& subPick) {
    return menuOpenedBy(
        tree, [tree, viewportPoint] { QTest::mouseClick(tree->viewport(), Qt::RightButton, {}, viewportPoint); }, pick,
        button, subPick);
}

SeenMenu menuOpenedBy(CTreeSat* tree, const std::function<void()>& open, const QString& pick,
                      Qt::MouseButton button, const QString& subPick) {
    SeenMenu seen;
    QTimer::singleShot(0, tree, [&seen, pick, button, subPick] {
        QPointer<QMenu> menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        seen.opened = true;
        seen.topLeft = menu->pos();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            seen.texts << (action->isSeparator() ? QString() : action->text());
            seen.enabled << (action->isEnabled() && !action->isSeparator());
            if (!pick.isEmpty() && action->text() == pick) chosen = action;
        }
        if (!pick.isEmpty()) {
            EXPECT_NE(chosen, nullptr) << pick.toStdString();
            EXPECT_TRUE(chosen && chosen->isEnabled()) << pick.toStdString() << " is grayed";
        }
        if (chosen && chosen->isEnabled() && !subPick.isEmpty()) {
            EXPECT_NE(chosen->menu(), nullptr) << pick.toStdString() << " opens no submenu";
            if (QMenu* sub = chosen->menu()) {
                // Opening the submenu the way the keyboard does, at once.
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Right);
                if (sub->isVisible()) clickSubEntry(sub, subPick, button, seen);
                EXPECT_TRUE(seen.picked) << subPick.toStdString() << " was not picked";
            }
        } else if (chosen && chosen->isEnabled()) {
            const QPoint centre = menu->actionGeometry(chosen).center();
            QTest::mouseMove(menu, centre);
            QTest::mouseClick(menu, button, {}, centre);
            seen.picked = true;
        }
        if (menu && menu->isVisible()) menu->close();
    });
    open();
    // A menu that did not open must not leave its reader to a later test.
    QCoreApplication::processEvents();
    // The offscreen platform does not give the activation back when a pop-up closes.
    QApplication::setActiveWindow(tree->window());
    QCoreApplication::processEvents();
    return seen;
}

QPoint pointOnLabel(const CTreeSat* tree, const TreeItem* item) {
    const QRect picture = tree->iconAndLabelRect(tree->channelModel()->indexOf(item));
    EXPECT_FALSE(picture.isEmpty());
    // Right of the 16-pixel picture, in the middle of the label.
    return {picture.left() + 16 + (picture.width() - 16) / 2, picture.center().y()};
}

QPoint pointBelowItems(const CTreeSat* tree) {
    // Under the last visible row, where a menu still fits on the screen.
    int bottom = 0;
    for (QModelIndex row = tree->indexAt(QPoint(1, 1)); row.isValid(); row = tree->indexBelow(row))
        bottom = std::max(bottom, tree->visualRect(row).bottom());
    EXPECT_LT(bottom + 10, tree->viewport()->height());
    return {tree->viewport()->width() / 3, bottom + 10};
}

}  // namespace qvx
