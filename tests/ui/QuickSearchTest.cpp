// SPDX-License-Identifier: GPL-3.0-or-later
// The quick-search field of the status bar: typed text selects the first
// match in each of the four trees.
#include <QLabel>
#include <algorithm>

#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/status/CQuickSearchEdit.h"
#include "ui/tree/CTreeSat.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/status/EditorStatusBar.h"

namespace qvx {
namespace {

class QuickSearch : public EditorTest {
protected:
    void SetUp() override {
        // List 1: P1 {A, B}, P2 {C}; Radio R1 {Radio 1}.
        load(1, writeStandardList(QStringLiteral("first.qvx")));
        load(2, writeList(QStringLiteral("second.qvx"), {{true, 1, "Sat"},
                                                         {false, 1, "Alpha"},
                                                         {false, 1, "Alpine"},
                                                         {false, 1, "Cinema"},
                                                         {true, 1, "Alps"},
                                                         {false, 1, "Beta"},
                                                         {true, 1, "Cable"},
                                                         {false, 1, "Cab A"},
                                                         {true, 2, "Wave"},
                                                         {false, 2, "Zeta"}}));
        field()->setFocus();
    }

    CQuickSearchEdit* field() const { return dialog_->quickSearch(); }
    void type(const QString& text) const { QTest::keyClicks(field(), text); }
    QString selected(int list, bool television = true) const {
        const TreeItem* item = tree(list, television)->selectedItem();
        return item ? QString::fromStdString(item->label()) : QStringLiteral("(none)");
    }
    TreeItem* item(int list, int provider, int channel = -1) const {
        TreeItem* top = dialog_->list(list).television().topLevelItem(provider);
        return channel < 0 ? top : top->child(channel);
    }
};

TEST_F(QuickSearch, SitsInPaneFiveWithItsLimitAndFont) {
    auto* pane = dialog_->statusBar().findChild<QLabel*>(QStringLiteral("statusPane5"));
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(pane->isAncestorOf(field()));
    const QRect inPane(field()->mapTo(pane, QPoint(0, 0)), field()->size());
    EXPECT_EQ(inPane, pane->rect().adjusted(1, 1, -1, -1));
    EXPECT_TRUE(field()->isVisible());
    EXPECT_TRUE(field()->hasFrame());
    EXPECT_EQ(field()->maxLength(), 16);
    EXPECT_EQ(field()->font().styleHint(), QFont::SansSerif);
    EXPECT_EQ(field()->focusPolicy(), Qt::ClickFocus);
    type(QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(field()->text(), "abcdefghijklmnop");
}

// The lowest row of ink of the field's text, inside its border; -1 for none.
int lowestInk(QLineEdit* edit) {
    const QImage picture = edit->grab().toImage().scaled(edit->size());
    const QColor background = picture.pixelColor(picture.width() - 3, 2);
    const int textEnd = 3 + edit->fontMetrics().horizontalAdvance(edit->text());
    for (int y = picture.height() - 2; y >= 1; --y)
        for (int x = 2; x < std::min(textEnd, picture.width() - 2); ++x)
            if (picture.pixelColor(x, y) != background) return y;
    return -1;
}

// Letters that reach below the line (j, p, g, q) show whole: their ink goes further down
// than that of letters that stay on it, inside the border.
TEST_F(QuickSearch, DescendersShowWhole) {
    field()->setText(QStringLiteral("aceo"));
    const int onTheLine = lowestInk(field());
    field()->setText(QStringLiteral("jpgq"));
    const int below = lowestInk(field());
    ASSERT_GT(onTheLine, 0);
    EXPECT_GE(below - onTheLine, field()->fontMetrics().descent() - 1)
        << "descenders cut at row " << below << " of " << field()->height();
}

TEST_F(QuickSearch, EachTreeSelectsItsFirstMatchAndThePanelShowsTheLastChange) {
    type(QStringLiteral("a"));
    EXPECT_EQ(selected(1), "A");
    EXPECT_EQ(selected(2), "Alpha");
    EXPECT_EQ(selected(1, false), "(none)");
    EXPECT_EQ(selected(2, false), "(none)");
    EXPECT_EQ(dialog_->panel().nameField()->text(), "Alpha");
    // The closed provider was opened for its channel.
    EXPECT_TRUE(tree(2)->isExpanded(tree(2)->channelModel()->indexOf(item(2, 0))));
    EXPECT_TRUE(tree(1)->isExpanded(tree(1)->channelModel()->indexOf(item(1, 0))));
}

TEST_F(QuickSearch, MoreTextNarrowsAndBackspaceSearchesAgain) {
    type(QStringLiteral("ALPI"));
    EXPECT_EQ(selected(2), "Alpine");
    EXPECT_EQ(selected(1), "A");  // "al" matched nothing there: the "a" match stays
    QTest::keyClick(field(), Qt::Key_Backspace);
    EXPECT_EQ(field()->text(), "ALP");
    EXPECT_EQ(selected(2), "Alpha");
    type(QStringLiteral("s"));
    EXPECT_EQ(selected(2), "Alps");  // a provider after the channels of the one before
    type(QStringLiteral("x"));       // longer than any name: nothing moves
    EXPECT_EQ(selected(2), "Alps");
}

TEST_F(QuickSearch, AProviderComesBeforeItsOwnChannels) {
    type(QStringLiteral("cab"));
    EXPECT_EQ(selected(2), "Cable");
    type(QStringLiteral(" "));
    EXPECT_EQ(selected(2), "Cab A");
}

TEST_F(QuickSearch, AMatchOnlyInTheHiddenRadioTreeOfListTwoChangesOnlyThatTree) {
    tree(1)->selectItem(item(1, 1, 0));
    QSignalSpy firstTelevision(tree(1), &CTreeSat::currentItemChanged);
    QSignalSpy secondTelevision(tree(2), &CTreeSat::currentItemChanged);
    QSignalSpy firstRadio(tree(1, false), &CTreeSat::currentItemChanged);
    type(QStringLiteral("z"));
    EXPECT_FALSE(tree(2, false)->isVisible());
    EXPECT_EQ(selected(2, false), "Zeta");
    EXPECT_EQ(dialog_->panel().nameField()->text(), "Zeta");
    EXPECT_EQ(firstTelevision.count(), 0);
    EXPECT_EQ(secondTelevision.count(), 0);
    EXPECT_EQ(firstRadio.count(), 0);
    EXPECT_EQ(selected(1), "C");
}

TEST_F(QuickSearch, AMatchAlreadySelectedReportsNoChange) {
    type(QStringLiteral("c"));
    EXPECT_EQ(selected(1), "C");
    EXPECT_EQ(selected(2), "Cinema");
    QTest::keyClick(field(), Qt::Key_Backspace);  // empty: changes nothing
    EXPECT_EQ(selected(1), "C");
    QSignalSpy changes(tree(1), &CTreeSat::currentItemChanged);
    type(QStringLiteral("c"));
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(QuickSearch, EnterEscapeAndTabStayInTheField) {
    type(QStringLiteral("b"));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}) {
        QTest::keyClick(field(), key);
        EXPECT_TRUE(field()->hasFocus()) << key;
    }
    EXPECT_TRUE(prompts_->questions.isEmpty());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(field()->text(), "b");
    EXPECT_EQ(selected(1), "B");
}

TEST_F(QuickSearch, DisabledWhileAnItemIsEdited) {
    tree(1)->selectItem(item(1, 0, 0));
    ASSERT_TRUE(editSelected(tree(1)));
    EXPECT_FALSE(field()->isEnabled());
    press(Command::Cancel);
    EXPECT_TRUE(field()->isEnabled());
    type(QStringLiteral("b"));
    EXPECT_EQ(selected(1), "B");
}

}  // namespace
}  // namespace qvx
