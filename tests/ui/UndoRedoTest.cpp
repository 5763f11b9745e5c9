// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo in the window: the tree menu's last entries, the "(changed)"
// mark of the status panes, and when the keys do nothing.
#include <functional>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "TreeMenuDriver.h"
#include "UiTestSupport.h"
#include "commands/ListCommands.h"
#include "model/ChannelList.h"
#include "session/EditorSession.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/list/ListColumn.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/status/CQuickSearchEdit.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

class UndoRedoTest : public EditorTest {
protected:
    void SetUp() override {
        load(1, writeStandardList(QStringLiteral("sample.qvx")));
        tree(1)->expandAll();
    }

    ChannelTree& television() const { return dialog_->list(1).television(); }
    TreeItem* providerP2() const { return television().topLevelItem(1); }
    SeenMenu menuOn(const TreeItem* item, const QString& pick = {}) const {
        return rightClickMenu(tree(1), pointOnLabel(tree(1), item), pick);
    }
    // The last two entries of a menu: texts and states.
    static QStringList lastTexts(const SeenMenu& seen) { return seen.texts.mid(seen.texts.size() - 2); }
    static QList<bool> lastStates(const SeenMenu& seen) { return seen.enabled.mid(seen.enabled.size() - 2); }
    // A key pressed while `target` (or list 1's Television tree) has the focus.
    void ctrl(Qt::Key key, QWidget* target = nullptr) {
        if (!target) target = tree(1);
        target->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(target, key, Qt::ControlModifier);
    }
};

TEST_F(UndoRedoTest, MenuNamesWhatUndoAndRedoWouldDoAndGraysThemWhenNothing) {
    TreeItem* p2 = providerP2();
    SeenMenu seen = menuOn(p2, QStringLiteral("Delete"));
    EXPECT_EQ(lastTexts(seen), (QStringList{"Undo", "Redo"}));
    EXPECT_EQ(lastStates(seen), (QList<bool>{false, false}));
    ASSERT_EQ(television().topLevelCount(), 1);

    seen = menuOn(television().topLevelItem(0), QStringLiteral("Undo Delete P2"));
    EXPECT_EQ(lastTexts(seen), (QStringList{"Undo Delete P2", "Redo"}));
    EXPECT_EQ(lastStates(seen), (QList<bool>{true, false}));
    // The very item is back, selected, and the panel shows it.
    ASSERT_EQ(television().topLevelCount(), 2);
    EXPECT_EQ(providerP2(), p2);
    EXPECT_EQ(tree(1)->selectedItem(), p2);
    EXPECT_EQ(dialog_->panel().nameField()->text(), "P2");

    seen = rightClickMenu(tree(1), pointBelowItems(tree(1)), QStringLiteral("Redo Delete P2"));
    EXPECT_EQ(lastTexts(seen), (QStringList{"Undo", "Redo Delete P2"}));
    EXPECT_EQ(lastStates(seen), (QList<bool>{false, true}));
    EXPECT_EQ(television().topLevelCount(), 1);
}

TEST_F(UndoRedoTest, ChangedMarkFollowsTheSavedState) {
    EXPECT_EQ(pane(1), "File1: sample.qvx");
    menuOn(providerP2(), QStringLiteral("Delete"));
    EXPECT_EQ(pane(1), "File1: sample.qvx (changed)");
    EXPECT_EQ(pane(3), "File2: none");
    ctrl(Qt::Key_Z);
    EXPECT_EQ(pane(1), "File1: sample.qvx");

    // Save keeps the history and moves the saved state.
    ctrl(Qt::Key_Y);
    button("list1SaveButton")->click();
    EXPECT_EQ(pane(1), "File1: sample.qvx");
    ctrl(Qt::Key_Z);
    EXPECT_EQ(pane(1), "File1: sample.qvx (changed)");
    ctrl(Qt::Key_Y);
    EXPECT_EQ(pane(1), "File1: sample.qvx");
}

TEST_F(UndoRedoTest, LoadAndCloseForgetTheWholeHistory) {
    load(2, writeStandardList(QStringLiteral("other.qvx")));
    menuOn(providerP2(), QStringLiteral("Delete"));
    press(Command::ClearAll2);
    EXPECT_EQ(pane(3), "File2: other.qvx (changed)");
    button("list2CloseButton")->click();
    EXPECT_EQ(pane(3), "File2: none ");
    // A step spanning both lists could not be kept half: none is kept.
    EXPECT_EQ(lastStates(menuOn(television().topLevelItem(0))), (QList<bool>{false, false}));
    EXPECT_EQ(pane(1), "File1: sample.qvx (changed)");

    menuOn(television().topLevelItem(0), QStringLiteral("Delete"));
    load(1, writeStandardList(QStringLiteral("again.qvx")));
    ctrl(Qt::Key_Z);
    EXPECT_EQ(television().topLevelCount(), 2);
    EXPECT_EQ(pane(1), "File1: again.qvx");
}

TEST_F(UndoRedoTest, EditModeAndTextFieldsLeaveTheKeysAlone) {
    menuOn(providerP2(), QStringLiteral("Delete"));
    tree(1)->selectItem(television().topLevelItem(0));
    ASSERT_TRUE(editSelected(tree(1)));
    ctrl(Qt::Key_Z, dialog_->panel().nameField());
    ctrl(Qt::Key_Z, button("okButton"));
    EXPECT_EQ(television().topLevelCount(), 1);
    press(Command::Cancel);

    // In the quick-search field Ctrl+Z is the field's own.
    CQuickSearchEdit* search = dialog_->quickSearch();
    search->setFocus();
    QTest::keyClicks(search, QStringLiteral("P"));
    QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(television().topLevelCount(), 1);
    EXPECT_EQ(search->text(), "");

    ctrl(Qt::Key_Z, button("quitButton"));
    EXPECT_EQ(television().topLevelCount(), 2);
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(search, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(television().topLevelCount(), 2);
}

TEST_F(UndoRedoTest, UndoShowsTheRestoredItemOnItsTab) {
    TreeItem* radioProvider = dialog_->list(1).radio().topLevelItem(0);
    dialog_->column(1).tabs()->setCurrentIndex(1);
    rightClickMenu(tree(1, false), pointOnLabel(tree(1, false), radioProvider), QStringLiteral("Delete"));
    ASSERT_TRUE(dialog_->list(1).radio().empty());
    dialog_->column(1).tabs()->setCurrentIndex(0);

    ctrl(Qt::Key_Z);
    EXPECT_EQ(dialog_->column(1).tabs()->currentIndex(), 1);
    EXPECT_EQ(tree(1, false)->selectedItem(), radioProvider);
    EXPECT_EQ(dialog_->panel().nameField()->text(), "R1");
}

// The view keeps what the user sees through changes that take items out for a while or put
// them in another order: open providers stay open, the selection stays on its item.
TEST_F(UndoRedoTest, OpenProvidersAndTheSelectionLiveThroughDeleteSortDragAndTheirUndo) {
    // P1's channels out of order, so sorting them is a step.
    load(1, writeList(QStringLiteral("unsorted.qvx"),
                      {{true, 1, "P1"}, {false, 1, "B"}, {false, 1, "A"}, {true, 1, "P2"}, {false, 1, "C"}}));
    CTreeSat* view = tree(1);
    view->expandAll();
    const auto isOpen = [view](const TreeItem* provider) {
        return view->isExpanded(view->channelModel()->indexOf(provider));
    };
    TreeItem* p1 = television().topLevelItem(0);
    TreeItem* p2 = providerP2();
    ASSERT_TRUE(isOpen(p1) && isOpen(p2));
    view->collapse(view->channelModel()->indexOf(p1));
    const struct {
        const char* what;
        std::function<void()> run;
    } steps[] = {
        {"Delete of P2, undone", [&] { press(Command::Delete, view, p2), ctrl(Qt::Key_Z); }},
        {"sort of P1, undone and redone", [&] { press(Command::SortByName, view, p1), ctrl(Qt::Key_Z), ctrl(Qt::Key_Y); }},
        {"P2 dragged before P1, undone", [&] {
             dialog_->session().run(makeTransferCommand(television(), television(), *p2, p1));
             ctrl(Qt::Key_Z);
         }},
    };
    for (const auto& step : steps) {
        view->selectItem(p2->child(0));
        step.run();
        EXPECT_TRUE(isOpen(p2)) << step.what;
        EXPECT_FALSE(isOpen(p1)) << step.what;
    }
    // A sort of every provider keeps the selected channel selected where it went.
    ctrl(Qt::Key_Z);  // P1 back to B, A
    TreeItem* selected = p1->child(1);
    view->selectItem(selected);
    press(Command::SortByName, view, nullptr);
    EXPECT_EQ(p1->child(0), selected);
    EXPECT_EQ(view->selectedItem(), selected);
}

}  // namespace
}  // namespace qvx
