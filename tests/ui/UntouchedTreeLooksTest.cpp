// SPDX-License-Identifier: GPL-3.0-or-later
// A step, its undo and its redo in one list leave the other list's trees
// looking exactly as they did: same rows, same pictures, same expand arrows,
// whether the tree was shown or waiting on its hidden tab meanwhile.
#include <functional>

#include <QApplication>
#include <QImage>
#include <QTabWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "commands/ListCommands.h"
#include "session/EditorSession.h"
#include "ui/commands/CommandTable.h"
#include "ui/list/ListColumn.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

class UntouchedTreeLooksTest : public EditorTest {
protected:
    void SetUp() override {
        load(1, writeStandardList(QStringLiteral("one.qvx")));
        // Radio: an open provider and a closed one, both with channels.
        load(2, writeList(QStringLiteral("two.qvx"), {{true, 2, "R1"},
                                                      {false, 2, "Radio 1"},
                                                      {false, 2, "Radio 2"},
                                                      {true, 2, "R2"},
                                                      {false, 2, "Radio 3"}}));
        dialog_->column(2).tabs()->setCurrentIndex(1);
    }

    CTreeSat* radio() const { return tree(2, false); }
    ChannelTree& television() const { return dialog_->list(1).television(); }
    QImage radioPicture() const {
        QApplication::processEvents();
        return radio()->viewport()->grab().toImage();
    }
    void keys(Qt::Key key) {
        tree(1)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(tree(1), key, Qt::ControlModifier);
    }
};

TEST_F(UntouchedTreeLooksTest, StepsInListOneLeaveListTwosRadioTreeAsItWas) {
    struct Step {
        const char* name;
        std::function<void(CEditorDialog&, ChannelTree&)> run;
    };
    const std::vector<Step> steps{
        {"rename",
         [](CEditorDialog& d, ChannelTree& tv) { d.session().run(makeRenameCommand(tv, *tv.topLevelItem(0), "New")); }},
        {"delete a provider",
         [](CEditorDialog& d, ChannelTree& tv) { d.session().run(makeDeleteCommand(tv, *tv.topLevelItem(1))); }},
        {"move a channel",
         [](CEditorDialog& d, ChannelTree& tv) {
             d.session().run(makeTransferCommand(tv, tv, *tv.topLevelItem(0)->child(1), tv.topLevelItem(1)));
         }},
        {"clear all", [](CEditorDialog& d, ChannelTree&) { d.commands().trigger(Command::ClearAll1, {}); }},
    };
    // 0: only the step, 1: and Ctrl+Z, 2: and Ctrl+Y.
    for (const bool hiddenMeanwhile : {false, true}) {
        for (int keysAfter = 0; keysAfter <= 2; ++keysAfter) {
            for (const Step& step : steps) {
                SCOPED_TRACE(testing::Message() << step.name << ", radio hidden: " << hiddenMeanwhile
                                                << ", keys after: " << keysAfter);
                load(1, writeStandardList(QStringLiteral("one.qvx")));
                tree(1)->expandAll();
                radio()->expand(radio()->channelModel()->index(0, 0));
                // The keys go to list 1: the focus is there before the first picture too.
                tree(1)->setFocus(Qt::OtherFocusReason);
                const QImage before = radioPicture();
                if (hiddenMeanwhile) dialog_->column(2).tabs()->setCurrentIndex(0);
                step.run(*dialog_, television());
                QApplication::processEvents();
                if (keysAfter >= 1) keys(Qt::Key_Z);
                if (keysAfter >= 2) keys(Qt::Key_Y);
                dialog_->column(2).tabs()->setCurrentIndex(1);
                EXPECT_EQ(radioPicture(), before);

                EXPECT_TRUE(radio()->isExpanded(radio()->channelModel()->index(0, 0)));
                const QModelIndex closed = radio()->channelModel()->index(1, 0);
                EXPECT_FALSE(radio()->isExpanded(closed));
                EXPECT_TRUE(radio()->model()->hasChildren(closed));
                EXPECT_FALSE(closed.data(Qt::DecorationRole).value<QIcon>().isNull());
            }
        }
    }
}

}  // namespace
}  // namespace qvx
