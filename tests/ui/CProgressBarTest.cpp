// SPDX-License-Identifier: GPL-3.0-or-later
// The progress bar in a status pane: its place, its steps, and the pane's text given back.
#include <QLabel>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/CProgressBar.h"
#include "ui/status/EditorStatusBar.h"

namespace qvx {
namespace {

class ProgressBar : public EditorTest {
protected:
    EditorStatusBar& statusBar() const { return dialog_->statusBar(); }
    QRect paneRect(int index) const { return statusBar().paneRect(index); }
    int blanks(int count) const { return count * QFontMetrics(statusBar().font()).horizontalAdvance(' '); }
    int textWidth(const QString& text) const {
        return QFontMetrics(statusBar().font()).horizontalAdvance(text);
    }
};

TEST_F(ProgressBar, FillsThePaneRightOfItsMessageWithATenthFreeAboveAndBelow) {
    const QRect pane = paneRect(1);
    CProgressBar bar(*dialog_, QStringLiteral("Comparing"), 100, 10, true, 1);
    ASSERT_TRUE(bar.hasBar());
    EXPECT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.parentWidget(), &statusBar());
    EXPECT_EQ(statusBar().paneText(1), "Comparing");
    const int left = pane.left() + textWidth(QStringLiteral("Comparing")) + blanks(4);
    const int margin = pane.height() / 10;
    EXPECT_EQ(bar.geometry(), QRect(left, pane.top() + margin, pane.left() + pane.width() - left,
                                    pane.height() - 2 * margin));
    EXPECT_EQ(bar.placedRect(), bar.geometry());
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), 10);
    EXPECT_EQ(bar.stepSize(), 1);
    EXPECT_TRUE(bar.isSmooth());
}

TEST_F(ProgressBar, AnEmptyMessageLetsTheBarStartAtThePanesLeftEdge) {
    const QRect pane = paneRect(3);
    CProgressBar bar(*dialog_, QString(), 100, 10, false, 3);
    EXPECT_EQ(bar.geometry().left(), pane.left());
    EXPECT_EQ(bar.geometry().width(), pane.width());
    EXPECT_EQ(statusBar().paneText(3), "");
}

TEST_F(ProgressBar, SizeIsTheShareOfTheFreeWidthAnchoredLeft) {
    const QRect pane = paneRect(1);
    CProgressBar bar(*dialog_, QStringLiteral("Comparing"), 50, 10, true, 1);
    const int left = pane.left() + textWidth(QStringLiteral("Comparing")) + blanks(4);
    const int right = pane.left() + pane.width();
    EXPECT_EQ(bar.geometry().left(), left);
    EXPECT_EQ(bar.geometry().width(), (right - left) - (right - left) * 50 / 100);
    bar.SetSize(0);
    EXPECT_EQ(bar.geometry().width(), 0);
    // A message wider than the pane leaves no room, never a negative width.
    bar.SetSize(100);
    bar.SetMessage(QString(60, QLatin1Char('W')));
    EXPECT_EQ(bar.geometry().width(), 0);
    EXPECT_EQ(statusBar().paneText(1), QString(60, QLatin1Char('W')));
}

TEST_F(ProgressBar, GoingAwayGivesThePaneItsTextBackExactly) {
    statusBar().setPaneText(3, QStringLiteral("File2: a list.qvx "));
    {
        CProgressBar bar(*dialog_, QStringLiteral("Comparing"), 100, 10, true, 3);
        EXPECT_EQ(statusBar().paneText(3), "Comparing");
        bar.ClearFromPane();
        EXPECT_TRUE(bar.isHidden());
        EXPECT_EQ(statusBar().paneText(3), "File2: a list.qvx ");
        // A step shows it again, with its message.
        bar.Step();
        EXPECT_FALSE(bar.isHidden());
        bar.FitToPane();
        EXPECT_EQ(statusBar().paneText(3), "Comparing");
    }
    EXPECT_EQ(statusBar().paneText(3), "File2: a list.qvx ");
}

TEST_F(ProgressBar, StepsReturnThePreviousPositionAndStopAtTheEnd) {
    CProgressBar bar(*dialog_, QStringLiteral("Comparing"), 100, 5, true, 1);
    EXPECT_EQ(bar.Step(), 0);
    EXPECT_EQ(bar.Step(), 1);
    EXPECT_EQ(bar.SetStepSize(2), 1);
    EXPECT_EQ(bar.Step(), 2);
    EXPECT_EQ(bar.Step(), 4);
    EXPECT_EQ(bar.position(), 5);
    // The painted bar has caught up at the end of the range.
    EXPECT_EQ(bar.value(), 5);
    EXPECT_EQ(bar.SetPos(1), 5);
    EXPECT_EQ(bar.OffsetPos(2), 1);
    EXPECT_EQ(bar.position(), 3);
    EXPECT_TRUE(bar.SetRangeAndStep(0, 100, 10));
    EXPECT_EQ(bar.Step(), 3);
    EXPECT_EQ(bar.position(), 13);
}

TEST_F(ProgressBar, FollowsItsPaneWhenThePanesMove) {
    CProgressBar bar(*dialog_, QStringLiteral("Comparing"), 100, 10, true, 3);
    const QRect before = bar.geometry();
    auto* firstPane = statusBar().findChild<QLabel*>(QStringLiteral("statusPane1"));
    ASSERT_NE(firstPane, nullptr);
    firstPane->setFixedWidth(firstPane->width() + 30);
    QCoreApplication::processEvents();  // the status bar lays its panes out anew
    ASSERT_EQ(paneRect(3).left(), before.left() - textWidth(QStringLiteral("Comparing")) - blanks(4) + 30);
    // Not yet moved: it takes its new place when it is next painted.
    bar.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(bar.geometry().left(), before.left() + 30);
    EXPECT_EQ(bar.geometry().width(), before.width());
}

TEST_F(ProgressBar, WithoutAStatusBarThereIsNoBarAndNothingHappens) {
    QWidget bare;
    CProgressBar bar(bare, QStringLiteral("Comparing"), 100, 10, true, 1);
    EXPECT_FALSE(bar.hasBar());
    EXPECT_FALSE(bar.SetRangeAndStep(0, 10, 1));
    EXPECT_EQ(bar.SetStepSize(3), 0);
    EXPECT_EQ(bar.Step(), 0);
    EXPECT_EQ(bar.Step(), 0);
    EXPECT_FALSE(bar.FitToPane());
    bar.ClearFromPane();
    EXPECT_EQ(bar.parentWidget(), nullptr);

    CProgressBar unplaced;
    EXPECT_FALSE(unplaced.hasBar());
    EXPECT_EQ(unplaced.Step(), 0);
}

}  // namespace
}  // namespace qvx
