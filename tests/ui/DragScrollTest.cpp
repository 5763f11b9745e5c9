// SPDX-License-Identifier: GPL-3.0-or-later
// The drag timer's scrolling, driven tick by tick with the pointer at chosen places.
#include <string>
#include <vector>

#include <QApplication>
#include <QScrollBar>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/drag/DragController.h"

namespace qvx {
namespace {

constexpr int kChannels = 200;

class DragScroll : public EditorTest {
protected:
    void SetUp() override {
        std::vector<Entry> entries{{true, 1, "Long"}};
        for (int i = 0; i < kChannels; ++i) entries.push_back({false, 1, "Channel " + std::to_string(i)});
        load(1, writeList(QStringLiteral("long.qvx"), entries));
        load(2, writeStandardList(QStringLiteral("short.qvx")));
        tree(1)->expandAll();
        tree(2)->expandAll();
        provider_ = dialog_->list(1).television().topLevelItem(0);
    }

    void TearDown() override {
        drag().CancelDrag();
        QTest::mouseRelease(dialog_.get(), Qt::LeftButton, {}, QPoint(1, 1));
    }

    DragController& drag() const { return dialog_->drag(); }

    void startDragOf(CTreeSat* view, const TreeItem* item) {
        const QPoint where = view->iconAndLabelRect(view->channelModel()->indexOf(item)).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, where);
        QTest::mouseMove(view->viewport(), where + QPoint(QApplication::startDragDistance() + 1, 0));
        ASSERT_TRUE(drag().isDragging());
    }
    void startDrag() { startDragOf(tree(1), provider_->child(0)); }

    // A point of `view` given against its client area: `x` from the left edge, `y` from the top edge.
    QPoint atTop(CTreeSat* view, int x, int y) const { return view->viewport()->mapToGlobal(QPoint(x, y)); }
    // `y` counted from the bottom edge (exclusive, as a client rectangle's is): positive is below it.
    QPoint atBottom(CTreeSat* view, int x, int y) const {
        return view->viewport()->mapToGlobal(QPoint(x, view->viewport()->height() + y));
    }
    int right(CTreeSat* view) const { return view->viewport()->width(); }

    // The first visible row, counted from the provider's row (0).
    int firstVisibleRow(CTreeSat* view) const {
        const QModelIndex first = view->indexAt(QPoint(1, 0));
        return first.parent().isValid() ? first.row() + 1 : 0;
    }
    // Scroll steps made by `ticks` ticks at `point`.
    int linesScrolledBy(int ticks, const QPoint& point, CTreeSat* view) {
        const int before = firstVisibleRow(view);
        for (int i = 0; i < ticks; ++i) drag().scrollTick(point);
        return firstVisibleRow(view) - before;
    }

    TreeItem* provider_ = nullptr;
};

TEST_F(DragScroll, CadenceFollowsTheDistanceBeyondTheBand) {
    startDrag();
    // Distance beyond the band's inner edge and the ticks per line: 450 ms at 1 to 19 pixels, 75 ms from 100.
    const struct {
        int distance;
        int everyNth;
    } cadences[] = {{1, 6},  {19, 6}, {20, 5}, {39, 5}, {40, 4},  {59, 4},
                    {60, 3}, {80, 2}, {99, 2}, {100, 1}, {200, 1}};
    for (const auto& cadence : cadences) {
        tree(1)->verticalScrollBar()->setValue(0);
        const QPoint point = atBottom(tree(1), 30, cadence.distance - 10);
        EXPECT_EQ(linesScrolledBy(60, point, tree(1)), 60 / cadence.everyNth)
            << "distance " << cadence.distance;
    }
}

TEST_F(DragScroll, FiveInsideTheEdgeIsEverySixthTickAndFarBelowEveryTick) {
    startDrag();
    EXPECT_EQ(linesScrolledBy(12, atBottom(tree(1), 30, -5), tree(1)), 2);
    EXPECT_EQ(linesScrolledBy(12, atBottom(tree(1), 30, 110), tree(1)), 12);
}

TEST_F(DragScroll, OnlyInsideTheBandAndTheWidenedHorizontalRange) {
    startDrag();
    const int farBelow = 150;
    EXPECT_EQ(linesScrolledBy(6, atBottom(tree(1), 30, -10), tree(1)), 0);  // on the band's inner edge
    EXPECT_EQ(linesScrolledBy(6, atBottom(tree(1), 30, -9), tree(1)), 1);
    EXPECT_EQ(linesScrolledBy(6, atBottom(tree(1), right(tree(1)) + 11, farBelow), tree(1)), 0);
    EXPECT_EQ(linesScrolledBy(6, atBottom(tree(1), -11, farBelow), tree(1)), 0);
    EXPECT_EQ(linesScrolledBy(6, atBottom(tree(1), right(tree(1)) + 10, farBelow), tree(1)), 6);
    EXPECT_EQ(linesScrolledBy(6, atBottom(tree(1), -10, farBelow), tree(1)), 6);
    EXPECT_EQ(linesScrolledBy(6, atTop(tree(1), 30, 60), tree(1)), 0);  // the middle of the tree
}

TEST_F(DragScroll, StopsAtBothEndsOfTheScrollRange) {
    startDrag();
    QScrollBar* bar = tree(1)->verticalScrollBar();
    EXPECT_EQ(linesScrolledBy(6, atTop(tree(1), 30, -150), tree(1)), 0);
    bar->setValue(bar->maximum());
    const int last = firstVisibleRow(tree(1));
    EXPECT_EQ(linesScrolledBy(6, atBottom(tree(1), 30, 150), tree(1)), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(linesScrolledBy(3, atTop(tree(1), 30, -150), tree(1)), -3);
    EXPECT_EQ(firstVisibleRow(tree(1)), last - 3);
}

TEST_F(DragScroll, ScrollingHighlightsTheEdgeRowAndKeepsTheTarget) {
    startDrag();
    const QPoint overRow = atTop(tree(1), 30, tree(1)->visualRect(tree(1)->channelModel()->indexOf(
                                                  provider_->child(3))).center().y());
    QTest::mouseMove(tree(1)->viewport(), tree(1)->viewport()->mapFromGlobal(overRow));
    ASSERT_EQ(drag().dropTarget(), provider_->child(3));

    drag().scrollTick(atBottom(tree(1), 30, 150));
    // Down: the last row that is fully visible after the line went by.
    const QModelIndex highlighted = tree(1)->dropHighlight();
    ASSERT_TRUE(highlighted.isValid());
    const QRect row = tree(1)->visualRect(highlighted);
    EXPECT_LE(row.bottom(), tree(1)->viewport()->height() - 1);
    EXPECT_GT(row.bottom() + row.height(), tree(1)->viewport()->height() - 1);
    EXPECT_EQ(drag().dropTarget(), provider_->child(3));

    // Up: the row that was first visible before the line went by.
    for (int i = 0; i < 10; ++i) drag().scrollTick(atBottom(tree(1), 30, 150));
    const QModelIndex first = tree(1)->indexAt(QPoint(1, 0));
    drag().scrollTick(atTop(tree(1), 30, -150));
    EXPECT_EQ(tree(1)->dropHighlight(), first);
    EXPECT_EQ(tree(1)->indexAbove(first), tree(1)->indexAt(QPoint(1, 0)));
    EXPECT_EQ(drag().dropTarget(), provider_->child(3));
}

TEST_F(DragScroll, TheDropTreeScrollsBesideTheSourceTree) {
    // The drag comes from the short list; the long one is the tree under the pointer.
    startDragOf(tree(2), dialog_->list(2).television().topLevelItem(0));
    QTest::mouseMove(tree(1)->viewport(), QPoint(30, 30));
    ASSERT_EQ(drag().dropTree(), tree(1));
    EXPECT_EQ(linesScrolledBy(4, atBottom(tree(1), 30, 150), tree(1)), 4);
}

TEST_F(DragScroll, TicksAreCountedAcrossDrags) {
    startDrag();
    for (int i = 0; i < 4; ++i) drag().scrollTick(atTop(tree(1), 30, 60));
    const auto counted = drag().scrollTicks();
    drag().CancelDrag();
    QTest::mouseRelease(dialog_.get(), Qt::LeftButton, {}, QPoint(1, 1));
    startDrag();
    EXPECT_EQ(drag().scrollTicks(), counted);
    drag().scrollTick(atTop(tree(1), 30, 60));
    EXPECT_EQ(drag().scrollTicks(), counted + 1);
    // Between drags the timer does nothing.
    drag().CancelDrag();
    drag().scrollTick(atTop(tree(1), 30, 60));
    EXPECT_EQ(drag().scrollTicks(), counted + 1);
}

}  // namespace
}  // namespace qvx
