// SPDX-License-Identifier: GPL-3.0-or-later
// The settings panel never shows the record of an item that no longer exists: each road
// by which the shown item can go empties the panel, unless the selection has moved on
// to an item that is still there.
#include <functional>

#include <QApplication>

#include "TreeMenuDriver.h"
#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/fields/CPanelComboBox.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/CTreeSat.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

class PanelFollowsRemovals : public EditorTest {
protected:
    ChannelSettingsPanel& panel() const { return dialog_->panel(); }
    TreeItem* provider(int list, int row) const { return dialog_->list(list).television().topLevelItem(row); }

    // The panel as at start: no text, no entry chosen.
    bool isEmpty() const {
        return panel().nameField()->text().isEmpty() && panel().frequencyField()->text().isEmpty() &&
               panel().volumeField()->text().isEmpty() && panel().lnbList()->currentIndex() == -1 &&
               panel().scramblingList()->currentIndex() == -1 && panel().rotorList()->currentIndex() == -1;
    }
    // Loads the standard list into both lists and shows list 1's channel "C", P2's only channel.
    void showLastChannelOfList1() {
        load(1, writeStandardList(QStringLiteral("one.qvx")));
        load(2, writeStandardList(QStringLiteral("two.qvx")));
        tree(1)->selectItem(provider(1, 1)->child(0));
        ASSERT_EQ(panel().nameField()->text(), "C");
    }
};

TEST_F(PanelFollowsRemovals, ClearAllAndCloseOfTheShownListEmptyIt) {
    const struct {
        const char* name;
        Command first;
    } roads[] = {
        {"Clear all", Command::ClearAll1},
        {"Close", Command::Close1},
    };
    for (const auto& road : roads) {
        showLastChannelOfList1();
        press(ofList(road.first, 2));  // the other list: the shown record still exists
        EXPECT_EQ(panel().nameField()->text(), "C") << road.name;
        press(road.first);
        EXPECT_TRUE(isEmpty()) << road.name << ": " << panel().nameField()->text().toStdString();
    }
}

TEST_F(PanelFollowsRemovals, DeleteOrCutOfTheShownItemShowsTheNextSelectionOrNothing) {
    for (const char* command : {"Delete", "Cut"}) {
        showLastChannelOfList1();
        // P2 with its only channel goes: the selection moves to a neighbour, which is shown.
        (void)rightClickMenu(tree(1), pointOnLabel(tree(1), provider(1, 1)), QString::fromLatin1(command));
        EXPECT_NE(panel().nameField()->text(), "C") << command;
        EXPECT_NE(panel().nameField()->text(), "P2") << command;
        ASSERT_NE(tree(1)->selectedItem(), nullptr) << command;
        EXPECT_EQ(panel().nameField()->text().toStdString(), tree(1)->selectedItem()->record().nameText())
            << command;
        // The last provider of the tree goes: nothing is left to show.
        (void)rightClickMenu(tree(1), pointOnLabel(tree(1), provider(1, 0)), QString::fromLatin1(command));
        EXPECT_TRUE(dialog_->list(1).television().empty()) << command;
        EXPECT_TRUE(isEmpty()) << command << ": " << panel().nameField()->text().toStdString();
    }
}

TEST_F(PanelFollowsRemovals, CompareListsThatRemovesTheShownChannelEmptiesIt) {
    showLastChannelOfList1();
    press(Command::CompareLists);  // two equal lists: every channel goes
    ASSERT_TRUE(dialog_->list(1).television().empty());
    EXPECT_TRUE(isEmpty()) << panel().nameField()->text().toStdString();
}

TEST_F(PanelFollowsRemovals, LoadingAnotherListOverTheShownOneEmptiesIt) {
    showLastChannelOfList1();
    load(1, writeList(QStringLiteral("radio-only.qvx"), {{true, 2, "R"}, {false, 2, "Radio"}}));
    EXPECT_TRUE(isEmpty()) << panel().nameField()->text().toStdString();
}

}  // namespace
}  // namespace qvx
