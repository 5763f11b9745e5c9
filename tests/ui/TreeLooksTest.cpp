// SPDX-License-Identifier: GPL-3.0-or-later
// How the trees look whatever the desktop: black on white with visible arrows and
// selection under a dark palette, and a label longer than the tree read by scrolling.
#include <functional>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

// A dark desktop palette, as dark themes set it; the test's own is restored afterwards.
class DarkDesktop {
public:
    DarkDesktop() : saved_(QApplication::palette()) {
        QPalette dark;
        const QColor window(53, 53, 53);
        const QColor base(35, 35, 35);
        dark.setColor(QPalette::Window, window);
        dark.setColor(QPalette::Button, window);
        dark.setColor(QPalette::Base, base);
        dark.setColor(QPalette::AlternateBase, window);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
            dark.setColor(role, QColor(235, 235, 235));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        QApplication::setPalette(dark);
    }
    ~DarkDesktop() { QApplication::setPalette(saved_); }
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

private:
    QPalette saved_;
};

int countPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixelColor(x, y))) ++count;
    return count;
}

class TreeLooks : public EditorTest {
protected:
    TreeItem* provider() const { return dialog_->list(1).television().topLevelItem(0); }
    QRect rowRect(const TreeItem* item) const {
        const QModelIndex index = tree(1)->channelModel()->indexOf(item);
        QRect row = tree(1)->visualRect(index);
        row.setLeft(0);
        return row.translated(tree(1)->viewport()->pos());  // in the tree's own coordinates
    }
};

TEST_F(TreeLooks, UnderADarkDesktopTheTreesStayBlackOnWhiteWithVisibleArrowsAndSelection) {
    const DarkDesktop dark;
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    tree(1)->selectItem(provider()->child(0));  // opens P1 and selects A
    QCoreApplication::processEvents();

    const QPalette colours = tree(1)->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        EXPECT_EQ(colours.color(group, QPalette::Base), QColor(Qt::white)) << group;
    EXPECT_EQ(colours.color(QPalette::Active, QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Text), QColor(Qt::black));

    const QImage picture = tree(1)->grab().toImage();
    // P1's expand arrow lies left of its picture: something dark must be drawn there.
    QRect arrow = rowRect(provider());
    arrow.setRight(tree(1)->viewport()->x() + tree(1)->visualRect(tree(1)->channelModel()->indexOf(provider())).left() - 1);
    EXPECT_GT(countPixels(picture, arrow, [](QColor c) { return c.lightness() < 128; }), 4);
    // A's row is drawn in the selection colour, which shows on white.
    const QRect selected = rowRect(provider()->child(0));
    const int coloured = countPixels(picture, selected, [](QColor c) { return c.lightness() < 200; });
    EXPECT_GT(coloured, selected.width() * selected.height() / 3);
    // P2's label is black on white.
    const QRect plain = rowRect(dialog_->list(1).television().topLevelItem(1));
    EXPECT_GT(countPixels(picture, plain, [](QColor c) { return c == Qt::white; }), plain.width() * plain.height() / 2);
    EXPECT_GT(countPixels(picture, plain, [](QColor c) { return c.lightness() < 60; }), 4);

    // The rest follows the desktop, the fields keep their specified colours.
    EXPECT_EQ(button("list1LoadButton")->palette().color(QPalette::Button), QColor(53, 53, 53));
    EXPECT_EQ(dialog_->statusBar().palette().color(QPalette::Window), QColor(53, 53, 53));
    const QPalette field = dialog_->panel().nameField()->palette();
    EXPECT_EQ(field.color(QPalette::Disabled, QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(field.color(QPalette::Disabled, QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(field.color(QPalette::Active, QPalette::Base), QColor(255, 255, 0));
}

TEST_F(TreeLooks, ALabelLongerThanTheTreeIsReadByScrollingSideways) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    CTreeSat* view = tree(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(view->header()->sectionSize(0), view->viewport()->width());
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);

    const QString longName = QStringLiteral("A provider whose name is far longer than any tree of the window is wide");
    const QModelIndex index = view->channelModel()->indexOf(provider());
    ASSERT_TRUE(view->channelModel()->setData(index, longName));
    QCoreApplication::processEvents();
    const int labelWidth = view->fontMetrics().horizontalAdvance(longName);
    EXPECT_GT(view->header()->sectionSize(0), view->viewport()->width());
    EXPECT_GE(view->visualRect(index).width(), labelWidth);
    EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);

    // Back to a short name, the column is the view's width again.
    ASSERT_TRUE(view->channelModel()->setData(index, QStringLiteral("P1")));
    QCoreApplication::processEvents();
    EXPECT_EQ(view->header()->sectionSize(0), view->viewport()->width());
}

TEST_F(TreeLooks, ALongLabelFarDownWidensTheColumnOnceScrolledIntoView) {
    std::vector<Entry> entries;
    for (int i = 0; i < 200; ++i) {
        entries.push_back({true, 1, "Provider " + std::to_string(i)});
        entries.push_back({false, 1, "Channel " + std::to_string(i)});
    }
    load(1, writeList(QStringLiteral("long.qvx"), entries));
    CTreeSat* view = tree(1);
    // A file holds 31 characters a name; a rename keeps the whole label.
    const ChannelTree& television = dialog_->list(1).television();
    ASSERT_GT(television.topLevelCount(), 100);
    const QModelIndex last = view->channelModel()->indexOf(television.topLevelItem(television.topLevelCount() - 1));
    ASSERT_TRUE(view->channelModel()->setData(last, QStringLiteral("The last provider, with a name far longer than the tree is wide")));
    view->scrollToTop();
    QCoreApplication::processEvents();
    EXPECT_EQ(view->header()->sectionSize(0), view->viewport()->width());  // only short names in view
    view->scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_GT(view->header()->sectionSize(0), view->viewport()->width());
    EXPECT_GT(view->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
}  // namespace qvx
