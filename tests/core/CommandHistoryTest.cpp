// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CommandTestSupport.h"
#include "EditingTestSupport.h"
#include "commands/CommandHistory.h"
#include "commands/ListCommands.h"
#include "editing/EditorClipboard.h"

namespace qvx {
namespace {

using namespace treetest;

class CommandHistoryTest : public ::testing::Test {
protected:
    CommandHistoryTest() {
        buildTree(list1.television(), "ARD[Das Erste,WDR] ZDF[ZDFvision,3sat]");
        buildTree(list1.radio(), "DLF[Kultur]");
        buildTree(list2.television(), "ZDF[ZDFvision,KiKA]");
        history.clear();
        history.markSaved(list1);
        history.markSaved(list2);
    }

    TreeItem* tv1(int top, int child = -1) {
        TreeItem* item = list1.television().topLevelItem(top);
        return child < 0 ? item : item->child(child);
    }
    void rename(TreeItem* item, const std::string& text) {
        history.execute(makeRenameCommand(list1.television(), *item, text));
    }

    ChannelList list1;
    ChannelList list2;
    EditorClipboard clipboard;
    CommandHistory history{list1, list2};
};

TEST_F(CommandHistoryTest, StepsAreNamedForTheMenu) {
    ChannelTree& tv = list1.television();
    clipboard.copy(*tv1(1, 0));
    const std::vector<std::pair<std::unique_ptr<ListCommand>, StepName>> cases = [&] {
        std::vector<std::pair<std::unique_ptr<ListCommand>, StepName>> out;
        out.emplace_back(makeDeleteCommand(tv, *tv1(1, 0)), StepName{StepKind::Delete, StepScope::Item, "ZDFvision"});
        out.emplace_back(makeCutCommand(tv, *tv1(0), clipboard), StepName{StepKind::Cut, StepScope::Item, "ARD"});
        out.emplace_back(makeRenameCommand(tv, *tv1(0, 1), "West"), StepName{StepKind::Rename, StepScope::Item, "WDR"});
        out.emplace_back(makeEditRecordCommand(tv, *tv1(1), tv1(1)->record(), false), StepName{StepKind::Edit, StepScope::Item, "ZDF"});
        out.emplace_back(makePasteCommand(tv, nullptr, clipboard), StepName{StepKind::Paste, StepScope::Item, "ZDFvision"});
        out.emplace_back(makeNewChannelCommand(tv, nullptr), StepName{StepKind::NewChannel});
        out.emplace_back(makeNewProviderCommand(tv, nullptr), StepName{StepKind::NewProvider});
        out.emplace_back(makeTransferCommand(tv, tv, *tv1(0, 0), nullptr), StepName{StepKind::Move, StepScope::Item, "Das Erste"});
        out.emplace_back(makeTransferCommand(tv, list2.television(), *tv1(0), nullptr), StepName{StepKind::CopyInto, StepScope::Item, "ARD"});
        out.emplace_back(makeBulkSettingCommand(tv, tv1(0, 1), BulkField::Lnb, 3), StepName{StepKind::SetLnb, StepScope::Item, "WDR"});
        out.emplace_back(makeBulkSettingCommand(tv, tv1(0), BulkField::Lnb, 3), StepName{StepKind::SetLnb, StepScope::Provider, "ARD"});
        out.emplace_back(makeBulkSettingCommand(tv, nullptr, BulkField::Lnb, 3), StepName{StepKind::SetLnb, StepScope::All});
        out.emplace_back(makeBulkSettingCommand(tv, tv1(0, 1), BulkField::RotorPosition, 3),
                         StepName{StepKind::SetRotorPosition, StepScope::Item, "WDR"});
        out.emplace_back(makeBulkSettingCommand(tv, tv1(0), BulkField::RotorPosition, 3),
                         StepName{StepKind::SetRotorPosition, StepScope::Provider, "ARD"});
        out.emplace_back(makeBulkSettingCommand(tv, nullptr, BulkField::RotorPosition, 3), StepName{StepKind::SetRotorPosition, StepScope::All});
        out.emplace_back(makeBulkSettingCommand(tv, tv1(0, 1), BulkField::Volume, 3), StepName{StepKind::SetVolume, StepScope::Item, "WDR"});
        out.emplace_back(makeBulkSettingCommand(tv, tv1(0), BulkField::Volume, 3), StepName{StepKind::SetVolume, StepScope::Provider, "ARD"});
        out.emplace_back(makeBulkSettingCommand(tv, nullptr, BulkField::Volume, 3), StepName{StepKind::SetVolume, StepScope::All});
        out.emplace_back(makeCompareListsCommand(list1, list2, {}), StepName{StepKind::CompareLists});
        out.emplace_back(makeClearAllCommand(list2), StepName{StepKind::ClearAll});
        return out;
    }();
    for (const auto& [command, name] : cases) EXPECT_EQ(command->name(), name);

    EXPECT_EQ(history.undoStep(), nullptr);
    history.execute(makeDeleteCommand(tv, *tv1(1, 0)));
    ASSERT_NE(history.undoStep(), nullptr);
    EXPECT_EQ(*history.undoStep(), (StepName{StepKind::Delete, StepScope::Item, "ZDFvision"}));
    EXPECT_EQ(history.redoStep(), nullptr);
    history.undo();
    EXPECT_EQ(history.undoStep(), nullptr);
    ASSERT_NE(history.redoStep(), nullptr);
    EXPECT_EQ(*history.redoStep(), (StepName{StepKind::Delete, StepScope::Item, "ZDFvision"}));
}

TEST_F(CommandHistoryTest, UndoOfADeleteGivesBackTheVeryItemAtItsPlaceAndSelectsIt) {
    TreeItem* zdfvision = tv1(1, 0);
    RecordingObserver observer(list1.television());
    EXPECT_EQ(history.execute(makeDeleteCommand(list1.television(), *zdfvision)).item, nullptr);
    const ItemToSelect restored = history.undo();
    EXPECT_EQ(restored.tree, &list1.television());
    EXPECT_EQ(restored.item, zdfvision);
    EXPECT_EQ(tv1(1, 0), zdfvision);
    // Views follow row by row, without a reset.
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"-?ZDF:0-0", "-ZDF:0-0", "+?ZDF:0-0", "+ZDF:0-0"}));
}

TEST_F(CommandHistoryTest, CommandsThatChangeNothingAreNoSteps) {
    ChannelList empty1;
    ChannelList empty2;
    CommandHistory quiet{empty1, empty2};
    EXPECT_EQ(quiet.execute(makePasteCommand(empty1.television(), nullptr, clipboard)).item, nullptr);
    quiet.execute(makeCompareListsCommand(empty1, empty2, {}));
    quiet.execute(makeClearAllCommand(empty1));
    quiet.execute(makeBulkSettingCommand(empty1.radio(), nullptr, BulkField::Volume, 80));
    EXPECT_FALSE(quiet.canUndo());
    EXPECT_FALSE(quiet.isChanged(empty1));
}

TEST_F(CommandHistoryTest, KeepsTheNewestHundredSteps) {
    TreeItem* wdr = tv1(0, 1);
    for (std::size_t i = 1; i <= CommandHistory::kMaxSteps + 5; ++i) rename(wdr, "WDR " + std::to_string(i));
    EXPECT_EQ(history.undoCount(), CommandHistory::kMaxSteps);
    while (history.canUndo()) history.undo();
    // The five oldest renames are gone for good.
    EXPECT_EQ(wdr->label(), "WDR 5");
    EXPECT_EQ(wdr->record().nameText(), "WDR 5");
    EXPECT_TRUE(history.isChanged(list1));
    while (history.canRedo()) history.redo();
    EXPECT_EQ(wdr->label(), "WDR 105");
}

TEST_F(CommandHistoryTest, ListIsChangedUntilUndoneBackToTheSavedState) {
    EXPECT_FALSE(history.isChanged(list1));
    rename(tv1(0), "One");
    EXPECT_TRUE(history.isChanged(list1));
    EXPECT_FALSE(history.isChanged(list2));
    history.undo();
    EXPECT_FALSE(history.isChanged(list1));

    // Saved after two steps: undoing one marks it, redoing it clears the mark.
    rename(tv1(0), "One");
    rename(tv1(0), "Two");
    history.markSaved(list1);
    EXPECT_FALSE(history.isChanged(list1));
    history.undo();
    EXPECT_TRUE(history.isChanged(list1));
    history.redo();
    EXPECT_FALSE(history.isChanged(list1));

    // A step on the other list leaves the mark alone; a comparison changes both.
    history.execute(makeNewChannelCommand(list2.television(), nullptr));
    EXPECT_FALSE(history.isChanged(list1));
    EXPECT_TRUE(history.isChanged(list2));
    history.execute(makeCompareListsCommand(list1, list2, {}));
    EXPECT_TRUE(history.isChanged(list1));
    history.undo();
    EXPECT_FALSE(history.isChanged(list1));
    EXPECT_TRUE(history.isChanged(list2));

    // A new step after undoing past the save can never lead back to it.
    history.undo();
    history.undo();
    rename(tv1(0), "Two");
    EXPECT_TRUE(history.isChanged(list1));
    EXPECT_FALSE(history.canRedo());
}

TEST_F(CommandHistoryTest, ClearingForgetsTheStepsButNotTheMarks) {
    rename(tv1(0), "One");
    history.execute(makeNewChannelCommand(list2.radio(), nullptr));
    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.isChanged(list1));
    history.markSaved(list1);  // as Load of list 1 does
    EXPECT_FALSE(history.isChanged(list1));
    EXPECT_TRUE(history.isChanged(list2));
}

TEST_F(CommandHistoryTest, AChangeBehindItsBackEndsTheHistory) {
    rename(tv1(0), "One");
    // Not through a command: the step's items can no longer be trusted.
    list1.radio().clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.isChanged(list1));
    EXPECT_EQ(history.undo().item, nullptr);
    EXPECT_EQ(tv1(0)->label(), "One");
    rename(tv1(0), "Two");
    history.undo();
    EXPECT_TRUE(history.isChanged(list1));
}

TEST_F(CommandHistoryTest, AMemoryHungryStepPushesOutOlderOnesButStaysItself) {
    ChannelList big;
    ChannelList other;
    CommandHistory bounded{big, other};
    TreeItem* provider = addProvider(big.television(), "Big");
    for (int i = 0; i < 3; ++i) bounded.execute(makeNewChannelCommand(big.television(), provider));
    // Enough channels that their removal alone is beyond the bound.
    const std::size_t channels = CommandHistory::kMaxBytes / sizeof(TreeItem) + 1;
    for (std::size_t i = 0; i < channels; ++i)
        big.television().appendItem(provider, TreeItem::makeChannel(ChannelRecord::newChannel(1)));
    bounded.clear();
    bounded.execute(makeNewChannelCommand(big.television(), provider));
    bounded.execute(makeDeleteCommand(big.television(), *provider));
    EXPECT_EQ(bounded.undoCount(), 1u);
    ASSERT_NE(bounded.undoStep(), nullptr);
    EXPECT_EQ(bounded.undoStep()->subject, "Big");
    bounded.undo();
    EXPECT_EQ(big.television().itemCount(), channels + 5);
}

TEST_F(CommandHistoryTest, PanelEditTakesRecordLabelAndLooksAndGivesThemBack) {
    TreeItem* channel = tv1(0, 0);
    const std::string before = commandtest::snapshotOf(list1.television());
    ChannelRecord edited = channel->record();
    edited.setName("Erstes");
    edited.scrambled = 1;
    edited.padding157 = 0x5A;
    history.execute(makeEditRecordCommand(list1.television(), *channel, edited, true));
    EXPECT_EQ(channel->label(), "Erstes");
    EXPECT_EQ(channel->image(), kScrambledChannelImage);
    EXPECT_EQ(channel->record().image(), edited.image());
    EXPECT_EQ(history.undo().item, channel);
    EXPECT_SAME_LISTS(commandtest::snapshotOf(list1.television()), before);
}

}  // namespace
}  // namespace qvx

namespace qvx {
namespace {

using namespace treetest;

// Sorting and a drag within a tree, done, undone and redone, reach a view as reorders and
// moves of the very items, never as a reset (which would close providers and lose the
// selection); a dragged label is still cut to the record's 31 characters.
TEST(ReorderSteps, SortsAndDragsWithinATreeAreReordersAndMovesBothWays) {
    ChannelList list1;
    ChannelList list2;
    ChannelTree& tv = list1.television();
    buildTree(tv, "P[C,A,B] Q[Z,Y]");
    CommandHistory history(list1, list2);
    TreeItem* c = tv.topLevelItem(0)->child(0);
    tv.setLabel(c, std::string(40, 'x'));  // the record keeps its name "C"
    history.clear();
    RecordingObserver observer(tv);
    const struct {
        const char* what;
        std::function<void()> run;
        std::vector<std::string> calls;
        const char* shape;
    } steps[] = {
        {"sort one provider", [&] { history.execute(makeSortChannelsCommand(tv, tv.topLevelItem(0), SortKey::Name)); },
         {"reorder?", "reorder"}, "P[A,B,xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx] Q[Z,Y]"},
        {"sort every provider", [&] { history.execute(makeSortChannelsCommand(tv, nullptr, SortKey::Name)); },
         {"reorder?", "reorder"}, "P[A,B,xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx] Q[Y,Z]"},
        {"undo of it", [&] { history.undo(); }, {"reorder?", "reorder"}, "P[A,B,xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx] Q[Z,Y]"},
        {"drag C onto Q", [&] { history.execute(makeTransferCommand(tv, tv, *c, tv.topLevelItem(1))); },
         {"move?P:2-2", "toQ:0-0", "move"}, "P[A,B] Q[xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx,Z,Y]"},
        {"undo of the drag", [&] { history.undo(); }, {"move?Q:0-0", "toP:2-2", "move"}, "P[A,B,xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx] Q[Z,Y]"},
        {"redo of the drag", [&] { history.redo(); }, {"move?P:2-2", "toQ:0-0", "move"}, "P[A,B] Q[xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx,Z,Y]"},
        {"undo of the drag and the first sort", [&] { history.undo(), history.undo(); },
         {"move?Q:0-0", "toP:2-2", "move", "reorder?", "reorder"}, "P[xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx,A,B] Q[Z,Y]"},
    };
    for (const auto& step : steps) {
        observer.calls.clear();
        step.run();
        EXPECT_EQ(observer.calls, step.calls) << step.what;
        EXPECT_EQ(shapeOf(tv), step.shape) << step.what;
    }
    EXPECT_EQ(tv.topLevelItem(0)->child(0), c);  // the very item throughout
}

}  // namespace
}  // namespace qvx
