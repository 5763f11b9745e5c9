// SPDX-License-Identifier: GPL-3.0-or-later
// Remove duplicates, Sort channels and Arrange like the other list of the tree
// context menu: what they change, the rule the comparison's check boxes give,
// the note in the status bar, and Ctrl+Z giving back the very tree.
#include <QCheckBox>
#include <QTest>

#include "TreeMenuDriver.h"
#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

// One item as it is held: the very object, its label, record bytes and looks.
struct HeldState {
    const TreeItem* item;
    std::string label;
    RecordImage record;
    ItemLooks looks;
    bool operator==(const HeldState&) const = default;
};

std::vector<HeldState> stateOf(const ChannelTree& tree) {
    std::vector<HeldState> state;
    for (const auto& top : tree.topLevelItems()) {
        state.push_back({top.get(), top->label(), top->record().image(), top->looks()});
        for (const auto& child : top->children())
            state.push_back({child.get(), child->label(), child->record().image(), child->looks()});
    }
    return state;
}

// "P1: A B | P2: C", the tree as the user reads it.
QString shapeOf(const ChannelTree& tree) {
    QStringList providers;
    for (const auto& top : tree.topLevelItems()) {
        QString text = QString::fromStdString(top->label()) + ":";
        for (const auto& child : top->children()) text += " " + QString::fromStdString(child->label());
        providers << text;
    }
    return providers.join(" | ");
}

class ListToolsMenu : public EditorTest {
protected:
    ChannelTree& television() const { return dialog_->list(1).television(); }

    void loadEntries(const std::vector<Entry>& entries) {
        load(1, writeList(QStringLiteral("tools.qvx"), entries));
        tree(1)->expandAll();
        QCoreApplication::processEvents();
    }
    SeenMenu pickBelow(const QString& entry, const QString& subEntry = {}) const {
        return rightClickMenu(tree(1), pointBelowItems(tree(1)), entry, Qt::LeftButton, subEntry);
    }
    SeenMenu pickOn(const TreeItem* item, const QString& entry, const QString& subEntry = {}) const {
        return rightClickMenu(tree(1), pointOnLabel(tree(1), item), entry, Qt::LeftButton, subEntry);
    }
    void setCompareBoxes(bool byName, bool byServiceId) const {
        // Checked first, so the box that keeps one checked has nothing to say.
        if (byName) dialog_->panel().compareByName()->setChecked(true);
        if (byServiceId) dialog_->panel().compareByServiceId()->setChecked(true);
        dialog_->panel().compareByName()->setChecked(byName);
        dialog_->panel().compareByServiceId()->setChecked(byServiceId);
    }
    QString undoEntryText() const {
        const SeenMenu seen = rightClickMenu(tree(1), pointBelowItems(tree(1)));
        return seen.texts.value(seen.texts.size() - 2);
    }
    void undoWithKey() const {
        tree(1)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(tree(1), Qt::Key_Z, Qt::ControlModifier);
    }
    QString note() const { return pane(EditorStatusBar::kNotePane); }
    bool allProvidersOpen() const {
        for (const auto& top : television().topLevelItems())
            if (!tree(1)->isExpanded(tree(1)->channelModel()->indexOf(top.get()))) return false;
        return true;
    }
};

// "ARD" twice with one Service ID, "ARD" with another, and "ZDF" with the first one.
const std::vector<Entry> kNearMisses{{true, 1, "P1"},      {false, 1, "ARD", 1}, {false, 1, "ZDF", 1},
                                     {false, 1, "ARD", 2}, {true, 1, "P2"},      {false, 1, "ARD", 1},
                                     {true, 2, "R1"},      {false, 2, "ARD", 1}};

TEST_F(ListToolsMenu, RemoveDuplicatesKeepsTheFirstOfEachByTheCheckBoxesRuleAndUndoGivesTheTreeBack) {
    struct Case {
        bool byName;
        bool byServiceId;
        QString after;
        QString note;
    };
    // P2 loses its only channel and goes. Radio is another tree.
    const Case cases[] = {
        {true, true, "P1: ARD ZDF ARD", "Removed 1 duplicate channel and 1 provider left empty"},
        {true, false, "P1: ARD ZDF", "Removed 2 duplicate channels and 1 provider left empty"},
        {false, true, "P1: ARD ARD", "Removed 2 duplicate channels and 1 provider left empty"},
    };
    loadEntries(kNearMisses);
    const std::vector<HeldState> loaded = stateOf(television());
    const QString radioBefore = shapeOf(dialog_->list(1).radio());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.after.toStdString());
        setCompareBoxes(c.byName, c.byServiceId);
        ASSERT_TRUE(pickBelow(QStringLiteral("Remove duplicates")).picked);
        EXPECT_EQ(shapeOf(television()), c.after);
        EXPECT_EQ(shapeOf(dialog_->list(1).radio()), radioBefore);
        EXPECT_EQ(note(), c.note);
        EXPECT_EQ(undoEntryText(), "Undo Remove duplicates");
        undoWithKey();
        EXPECT_TRUE(stateOf(television()) == loaded) << shapeOf(television()).toStdString();
    }
}

TEST_F(ListToolsMenu, NothingToRemoveOrSortSaysSoAndLeavesNoStep) {
    loadEntries({{true, 1, "P1"}, {false, 1, "ARD", 1}, {false, 1, "ARD", 2}, {false, 1, "ZDF", 3}});
    ASSERT_TRUE(pickOn(television().topLevelItem(0), QStringLiteral("Remove duplicates")).picked);
    EXPECT_EQ(shapeOf(television()), "P1: ARD ARD ZDF");
    EXPECT_EQ(note(), "No duplicate channels");
    EXPECT_EQ(undoEntryText(), "Undo");
    // In order already: sorting changes nothing, so there is nothing to undo.
    ASSERT_TRUE(pickBelow(QStringLiteral("Sort channels"), QStringLiteral("by name")).picked);
    EXPECT_EQ(shapeOf(television()), "P1: ARD ARD ZDF");
    EXPECT_EQ(undoEntryText(), "Undo");
}

TEST_F(ListToolsMenu, TheNoteGoesAfterAFewSeconds) {
    loadEntries(kNearMisses);
    ASSERT_TRUE(pickBelow(QStringLiteral("Remove duplicates")).picked);
    EXPECT_FALSE(note().isEmpty());
    QTest::qWait(EditorStatusBar::kNoteMilliseconds / 2);
    EXPECT_FALSE(note().isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(note().isEmpty(), EditorStatusBar::kNoteMilliseconds);
}

const std::vector<Entry> kUnsorted{{true, 1, "P1"},      {false, 1, "C", 1}, {false, 1, "A", 3},
                                   {false, 1, "B", 2},   {true, 1, "P2"},    {false, 1, "Z", 9},
                                   {false, 1, "Y", 5}};

TEST_F(ListToolsMenu, SortChannelsSortsTheClickedProviderOrAllBelowTheItemsAndUndoGivesTheOrderBack) {
    struct Case {
        const char* where;  // a provider, one of its channels, or below the items
        QString entry;
        QString after;
    };
    const Case cases[] = {
        {"P1", "by name", "P1: A B C | P2: Z Y"},
        {"P1", "by Service ID", "P1: C B A | P2: Z Y"},
        {"Z", "by name", "P1: C A B | P2: Y Z"},
        {"", "by Service ID", "P1: C B A | P2: Y Z"},
        {"", "by name", "P1: A B C | P2: Y Z"},
    };
    loadEntries(kUnsorted);
    const std::vector<HeldState> loaded = stateOf(television());
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.where) + " " + c.entry.toStdString());
        const std::string where = c.where;
        const TreeItem* clicked = nullptr;
        for (const HeldState& held : loaded)
            if (held.label == where) clicked = held.item;
        const SeenMenu seen = clicked ? pickOn(clicked, QStringLiteral("Sort channels"), c.entry)
                                      : pickBelow(QStringLiteral("Sort channels"), c.entry);
        ASSERT_TRUE(seen.picked);
        EXPECT_EQ(seen.subTexts, (QStringList{"by name", "by frequency", "by Service ID"}));
        EXPECT_EQ(shapeOf(television()), c.after);
        // The view was reset, yet shows the providers as open as before.
        EXPECT_TRUE(allProvidersOpen());
        if (clicked) {
            EXPECT_EQ(tree(1)->selectedItem(), clicked);
        }
        EXPECT_EQ(undoEntryText(), "Undo Sort channels");
        undoWithKey();
        EXPECT_TRUE(stateOf(television()) == loaded) << shapeOf(television()).toStdString();
        EXPECT_TRUE(allProvidersOpen());
    }
}

TEST_F(ListToolsMenu, SortByFrequencyComparesNumbers) {
    loadEntries(kUnsorted);
    // 9,000 before 1,000,000 before 10,000,000: as numbers, not as texts.
    TreeItem* p1 = television().topLevelItem(0);
    const std::uint32_t frequencies[] = {10'000'000, 9'000, 1'000'000};
    for (int row = 0; row < 3; ++row) {
        ChannelRecord record = p1->child(row)->record();
        record.frequency = frequencies[row];
        television().replaceRecord(p1->child(row), record);
    }
    ASSERT_TRUE(pickOn(p1, QStringLiteral("Sort channels"), QStringLiteral("by frequency")).picked);
    EXPECT_EQ(shapeOf(television()), "P1: A B C | P2: Z Y");
}

// List 2 holds C and A under P2 and B under P1; list 1's A, B, C and D stand
// under P1 and P2 the other way round. Grayed while list 2's tree is empty.
TEST_F(ListToolsMenu, ArrangeLikeTheOtherListFollowsListTwoKeepsTheViewAndUndoGivesTheTreeBack) {
    const QString entry = QStringLiteral("Arrange like the other list");
    loadEntries({{true, 1, "P1"}, {false, 1, "A", 1}, {false, 1, "B", 2}, {false, 1, "C", 3}, {true, 1, "P2"},
                 {false, 1, "D", 4}, {true, 2, "R1"}, {false, 2, "Radio 1", 7}});
    const SeenMenu alone = rightClickMenu(tree(1), pointBelowItems(tree(1)));
    ASSERT_TRUE(alone.texts.contains(entry));
    EXPECT_FALSE(alone.enabled.value(alone.texts.indexOf(entry)));

    load(2, writeList(QStringLiteral("kept.qvx"), {{true, 1, "P2"}, {false, 1, "C", 3}, {false, 1, "A", 1},
                                                    {true, 1, "P1"}, {false, 1, "B", 2}, {true, 1, "P3"},
                                                    {false, 1, "E", 5}}));
    const std::vector<HeldState> loaded = stateOf(television());
    const TreeItem* a = television().topLevelItem(0)->child(0);
    ASSERT_TRUE(pickOn(a, entry).picked);
    EXPECT_EQ(shapeOf(television()), "P2: C A D | P1: B");
    EXPECT_EQ(note(), "Placed 3 of 4 channels like the other list");
    // A layout change: the view keeps the selected item and the open providers.
    EXPECT_EQ(tree(1)->selectedItem(), a);
    EXPECT_TRUE(allProvidersOpen());
    EXPECT_EQ(undoEntryText(), "Undo Arrange like the other list");
    undoWithKey();
    EXPECT_TRUE(stateOf(television()) == loaded) << shapeOf(television()).toStdString();
    EXPECT_TRUE(allProvidersOpen());
}

}  // namespace
}  // namespace qvx
