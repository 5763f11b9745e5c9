// SPDX-License-Identifier: GPL-3.0-or-later
// Drag and drop with the mouse: press, moves and release over the trees' viewports.
#include <string>
#include <vector>

#include <QApplication>
#include <QCursor>
#include <QTabWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/drag/DragController.h"
#include "ui/drag/DragPicture.h"
#include "ui/list/ListColumn.h"

namespace qvx {
namespace {

// Providers at the left edge, channels indented below them.
std::vector<std::string> outline(const ChannelTree& tree) {
    std::vector<std::string> lines;
    for (const auto& provider : tree.topLevelItems()) {
        lines.push_back(provider->label());
        for (const auto& channel : provider->children()) lines.push_back("  " + channel->label());
    }
    return lines;
}

using Lines = std::vector<std::string>;

class DragDrop : public EditorTest {
protected:
    void SetUp() override {
        load(1, writeStandardList(QStringLiteral("first.qvx")));
        load(2, writeList(QStringLiteral("second.qvx"), {{true, 1, "Q1"},
                                                         {false, 1, "X"},
                                                         {true, 2, "S1"},
                                                         {false, 2, "Y"},
                                                         {false, 2, "Z"}}));
        for (CTreeSat* view : {tree(1, true), tree(1, false), tree(2, true), tree(2, false)})
            view->expandAll();
    }

    void TearDown() override {
        // A test that stopped half-way must not leave the button down for the next one.
        drag().CancelDrag();
        if (buttonDown_) QTest::mouseRelease(dialog_.get(), Qt::LeftButton, {}, QPoint(1, 1));
    }

    DragController& drag() const { return dialog_->drag(); }
    ChannelTree& data(int list, bool television = true) const {
        return television ? dialog_->list(list).television() : dialog_->list(list).radio();
    }
    // The middle of the item's row, right of its label.
    QPoint rowPoint(CTreeSat* view, const TreeItem* item) const {
        const QRect row = view->visualRect(view->channelModel()->indexOf(item));
        EXPECT_FALSE(row.isEmpty());
        return QPoint(row.left() + 120, row.center().y());
    }
    QPoint belowLastRow(CTreeSat* view) const {
        return QPoint(40, view->viewport()->height() - 5);
    }

    void startDrag(CTreeSat* view, const TreeItem* item) {
        const QPoint where = view->iconAndLabelRect(view->channelModel()->indexOf(item)).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, where);
        buttonDown_ = true;
        QTest::mouseMove(view->viewport(), where + QPoint(QApplication::startDragDistance() + 1, 0));
        ASSERT_TRUE(drag().isDragging());
    }
    void moveOver(QWidget* widget, const QPoint& point) const { QTest::mouseMove(widget, point); }
    void release(QWidget* widget, const QPoint& point) {
        QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
        buttonDown_ = false;
    }
    void dropOn(CTreeSat* view, const QPoint& point) {
        moveOver(view->viewport(), point);
        release(view->viewport(), point);
    }
    Qt::CursorShape pointerShape() const {
        const QCursor* cursor = QApplication::overrideCursor();
        return cursor ? cursor->shape() : Qt::BitmapCursor;
    }
    bool anyDropHighlight() const {
        for (CTreeSat* view : {tree(1, true), tree(1, false), tree(2, true), tree(2, false)})
            if (view->dropHighlight().isValid()) return true;
        return false;
    }

    bool buttonDown_ = false;
};

TEST_F(DragDrop, StartShowsThePictureAtThePointerAndTakesThePointer) {
    const TreeItem* channel = data(1).topLevelItem(0)->child(1);
    startDrag(tree(1), channel);
    EXPECT_EQ(drag().dragItem(), channel);
    EXPECT_EQ(drag().dragSourceTree(), tree(1));
    EXPECT_EQ(drag().dropTree(), tree(1));
    EXPECT_EQ(drag().dropTarget(), nullptr);
    const DragPicture* picture = drag().dragImage();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->isVisible());
    EXPECT_TRUE(picture->isWindow());
    EXPECT_FALSE(picture->showsProvider());
    EXPECT_EQ(picture->size(), QSize(32, 32));
    EXPECT_TRUE(picture->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(QWidget::mouseGrabber(), dialog_.get());
    EXPECT_TRUE(drag().scrollTimer().isActive());
    EXPECT_EQ(drag().scrollTimer().interval(), 75);

    // The arrow's tip, the picture's upper-left corner, stays at the pointer.
    const QPoint target = rowPoint(tree(2), data(2).topLevelItem(0));
    moveOver(tree(2)->viewport(), target);
    EXPECT_EQ(picture->pos(), tree(2)->viewport()->mapToGlobal(target));

    release(tree(2)->viewport(), target);
    EXPECT_FALSE(drag().isDragging());
    EXPECT_EQ(drag().dragImage(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_FALSE(drag().scrollTimer().isActive());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DragDrop, AProviderShowsTheStackOfSheets) {
    startDrag(tree(1), data(1).topLevelItem(1));
    ASSERT_NE(drag().dragImage(), nullptr);
    EXPECT_TRUE(drag().dragImage()->showsProvider());
}

TEST_F(DragDrop, NoDragBeforeThePointerMovesFarEnoughOrFromTheExpandButton) {
    const TreeItem* provider = data(1).topLevelItem(0);
    const QRect label = tree(1)->iconAndLabelRect(tree(1)->channelModel()->indexOf(provider));
    QTest::mousePress(tree(1)->viewport(), Qt::LeftButton, {}, label.center());
    buttonDown_ = true;
    QTest::mouseMove(tree(1)->viewport(), label.center() + QPoint(1, 0));
    EXPECT_FALSE(drag().isDragging());
    release(tree(1)->viewport(), label.center() + QPoint(1, 0));

    const QPoint expandButton(label.left() - 8, label.center().y());
    QTest::mousePress(tree(1)->viewport(), Qt::LeftButton, {}, expandButton, 600);
    buttonDown_ = true;
    QTest::mouseMove(tree(1)->viewport(), expandButton + QPoint(0, 3 * QApplication::startDragDistance()));
    EXPECT_FALSE(drag().isDragging());
}

TEST_F(DragDrop, ChannelOntoAnotherChannelOfTheSameTreeMovesBeforeIt) {
    TreeItem* b = data(1).topLevelItem(0)->child(1);
    startDrag(tree(1), b);
    dropOn(tree(1), rowPoint(tree(1), data(1).topLevelItem(0)->child(0)));
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  B", "  A", "P2", "  C"}));
    // The moved channel is selected, and the panel shows it.
    TreeItem* moved = data(1).topLevelItem(0)->child(0);
    EXPECT_EQ(tree(1)->selectedItem(), moved);
    EXPECT_EQ(dialog_->panel().nameField()->text(), "B");
    EXPECT_FALSE(anyDropHighlight());
}

TEST_F(DragDrop, ChannelOntoAProviderOfTheSameTreeBecomesItsFirstChannel) {
    startDrag(tree(1), data(1).topLevelItem(1)->child(0));
    // Any part of the row counts, also the indentation left of the provider's label.
    const QRect row = tree(1)->visualRect(tree(1)->channelModel()->indexOf(data(1).topLevelItem(0)));
    dropOn(tree(1), QPoint(2, row.center().y()));
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  C", "  A", "  B", "P2"}));
}

TEST_F(DragDrop, ProviderDroppedOnItselfIsReplacedByAnEqualCopy) {
    TreeItem* original = data(1).topLevelItem(0);
    const ChannelRecord record = original->record();
    startDrag(tree(1), original);
    dropOn(tree(1), rowPoint(tree(1), original));
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A", "  B", "P2", "  C"}));
    const TreeItem* copy = data(1).topLevelItem(0);
    EXPECT_EQ(copy->record().image(), record.image());
    EXPECT_TRUE(copy->isBold());
    EXPECT_EQ(tree(1)->selectedItem(), copy);
}

TEST_F(DragDrop, ProviderCopiedIntoTheOtherListsRadioTreeTakesTheRadioKind) {
    dialog_->column(2).tabs()->setCurrentIndex(1);
    CTreeSat* radio = tree(2, false);
    startDrag(tree(1), data(1).topLevelItem(0));
    moveOver(radio->viewport(), rowPoint(radio, data(2, false).topLevelItem(0)->child(1)));
    EXPECT_EQ(drag().dropTree(), radio);
    EXPECT_EQ(drag().dropTarget(), data(2, false).topLevelItem(0)->child(1));
    release(radio->viewport(), rowPoint(radio, data(2, false).topLevelItem(0)->child(1)));

    EXPECT_EQ(outline(data(2, false)), (Lines{"P1", "  A", "  B", "S1", "  Y", "  Z"}));
    const TreeItem* copy = data(2, false).topLevelItem(0);
    EXPECT_EQ(copy->record().serviceType, 2);
    EXPECT_TRUE(copy->isBold());
    for (const auto& channel : copy->children()) EXPECT_EQ(channel->record().serviceType, 2);
    // The source keeps its provider and channels, and their kind.
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A", "  B", "P2", "  C"}));
    EXPECT_EQ(data(1).topLevelItem(0)->child(0)->record().serviceType, 1);
    EXPECT_EQ(radio->selectedItem(), copy);
}

TEST_F(DragDrop, DropBelowTheLastItemAppendsChannelToLastProviderAndProviderAtTheEnd) {
    startDrag(tree(1), data(1).topLevelItem(0)->child(0));
    moveOver(tree(2)->viewport(), rowPoint(tree(2), data(2).topLevelItem(0)));
    // Below the rows there is no target; the highlight of the last row stays.
    moveOver(tree(2)->viewport(), belowLastRow(tree(2)));
    EXPECT_EQ(drag().dropTarget(), nullptr);
    EXPECT_EQ(tree(2)->dropHighlight(), tree(2)->channelModel()->indexOf(data(2).topLevelItem(0)));
    release(tree(2)->viewport(), belowLastRow(tree(2)));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  X", "  A"}));

    startDrag(tree(1), data(1).topLevelItem(0));
    dropOn(tree(2), belowLastRow(tree(2)));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  X", "  A", "P1", "  A", "  B"}));
}

TEST_F(DragDrop, ChannelIntoAnEmptyTreeGetsAProviderNamedAfterIt) {
    press(Command::ClearAll2);
    startDrag(tree(1), data(1).topLevelItem(1)->child(0));
    dropOn(tree(2), QPoint(40, 40));
    ASSERT_EQ(outline(data(2)), (Lines{"C", "  C"}));
    const TreeItem* provider = data(2).topLevelItem(0);
    EXPECT_TRUE(provider->isBold());
    EXPECT_EQ(provider->record().isChannel, 0);
    EXPECT_EQ(provider->record().frequency, 0u);
    EXPECT_EQ(provider->record().symbolRate, 0u);
}

TEST_F(DragDrop, ReleaseOutsideAnyTreeChangesNothing) {
    startDrag(tree(1), data(1).topLevelItem(0)->child(0));
    const QPoint overRow = rowPoint(tree(2), data(2).topLevelItem(0)->child(0));
    moveOver(tree(2)->viewport(), overRow);
    EXPECT_EQ(pointerShape(), Qt::ArrowCursor);
    EXPECT_TRUE(tree(2)->dropHighlight().isValid());

    // Over the settings panel: the no-drop pointer, and the last target is kept.
    QWidget* panel = &dialog_->panel();
    moveOver(panel, panel->rect().center());
    EXPECT_EQ(pointerShape(), Qt::ForbiddenCursor);
    EXPECT_EQ(drag().dropTree(), tree(2));
    EXPECT_EQ(drag().dropTarget(), data(2).topLevelItem(0)->child(0));
    release(panel, panel->rect().center());

    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A", "  B", "P2", "  C"}));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  X"}));
    EXPECT_FALSE(anyDropHighlight());

    // Outside the window altogether.
    startDrag(tree(1), data(1).topLevelItem(0));
    release(dialog_.get(), QPoint(-60, -60));
    EXPECT_FALSE(drag().isDragging());
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A", "  B", "P2", "  C"}));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  X"}));
}

TEST_F(DragDrop, HighlightsStayOnEveryTreePassedUntilTheDrop) {
    startDrag(tree(1), data(1).topLevelItem(1)->child(0));
    moveOver(tree(1)->viewport(), rowPoint(tree(1), data(1).topLevelItem(0)->child(0)));
    moveOver(tree(2)->viewport(), rowPoint(tree(2), data(2).topLevelItem(0)));
    EXPECT_EQ(tree(1)->dropHighlight(), tree(1)->channelModel()->indexOf(data(1).topLevelItem(0)->child(0)));
    EXPECT_EQ(tree(2)->dropHighlight(), tree(2)->channelModel()->indexOf(data(2).topLevelItem(0)));
    dropOn(tree(2), rowPoint(tree(2), data(2).topLevelItem(0)));
    EXPECT_FALSE(anyDropHighlight());
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  C", "  X"}));
}

TEST_F(DragDrop, EnterAndEscapeCancelTheDrag) {
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        TreeItem* channel = data(1).topLevelItem(0)->child(0);
        startDrag(tree(1), channel);
        ASSERT_EQ(tree(1)->selectedItem(), channel);  // the press selected it
        moveOver(tree(2)->viewport(), rowPoint(tree(2), data(2).topLevelItem(0)));
        const auto ticks = drag().scrollTicks();
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_FALSE(drag().isDragging());
        EXPECT_FALSE(drag().scrollTimer().isActive());
        EXPECT_EQ(drag().dragImage(), nullptr);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_FALSE(anyDropHighlight());
        // The button comes up over a tree, and still nothing moves.
        release(tree(2)->viewport(), rowPoint(tree(2), data(2).topLevelItem(0)));
        EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A", "  B", "P2", "  C"}));
        EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  X"}));
        EXPECT_EQ(tree(1)->selectedItem(), channel);
        EXPECT_EQ(tree(2)->selectedItem(), nullptr);
        EXPECT_EQ(drag().scrollTicks(), ticks);
    }
    // Neither key reached the window's default or cancel action.
    EXPECT_TRUE(prompts_->questions.isEmpty());
}

TEST_F(DragDrop, ReleaseOverAnotherTreeThanTheLastMoveTakesTheRowUnderThePointer) {
    startDrag(tree(1), data(1).topLevelItem(1)->child(0));
    moveOver(tree(1)->viewport(), rowPoint(tree(1), data(1).topLevelItem(0)->child(1)));
    release(tree(2)->viewport(), rowPoint(tree(2), data(2).topLevelItem(0)->child(0)));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  C", "  X"}));
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  A", "  B", "P2", "  C"}));
}

TEST_F(DragDrop, RemovingTheDraggedItemEndsTheDrag) {
    startDrag(tree(1), data(1).topLevelItem(0)->child(0));
    // Delete on the focused tree removes its selection: the item under way.
    QTest::keyClick(tree(1), Qt::Key_Delete);
    EXPECT_FALSE(drag().isDragging());
    release(tree(2)->viewport(), rowPoint(tree(2), data(2).topLevelItem(0)));
    EXPECT_EQ(outline(data(1)), (Lines{"P1", "  B", "P2", "  C"}));
    EXPECT_EQ(outline(data(2)), (Lines{"Q1", "  X"}));
}

TEST_F(DragDrop, TheTargetGoesWhenItsRowIsRemoved) {
    startDrag(tree(1), data(1).topLevelItem(0)->child(0));
    moveOver(tree(2)->viewport(), rowPoint(tree(2), data(2).topLevelItem(0)->child(0)));
    press(Command::ClearAll2);
    EXPECT_TRUE(drag().isDragging());
    EXPECT_EQ(drag().dropTarget(), nullptr);
    release(dialog_.get(), QPoint(-60, -60));
}

TEST_F(DragDrop, NoDragWhileThePanelEdits) {
    TreeItem* channel = data(1).topLevelItem(0)->child(0);
    tree(1)->selectItem(channel);
    ASSERT_TRUE(editSelected(tree(1)));
    const QPoint where = rowPoint(tree(1), channel);
    QTest::mousePress(tree(1)->viewport(), Qt::LeftButton, {}, where);
    buttonDown_ = true;
    QTest::mouseMove(tree(1)->viewport(), where + QPoint(20, 0));
    EXPECT_FALSE(drag().isDragging());
    press(Command::Cancel);
}

}  // namespace
}  // namespace qvx
