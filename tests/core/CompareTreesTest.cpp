// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "EditingTestSupport.h"
#include "compare/CompareTrees.h"
#include "compare/LiteralCompare.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

using namespace treetest;

using CompareFunction = std::function<bool(ChannelTree&, ChannelTree&, CompareOptions, CompareProgress*)>;

constexpr CompareOptions kByName{true, false};
constexpr CompareOptions kByServiceId{false, true};
constexpr CompareOptions kByBoth{true, true};

class CountingProgress final : public CompareProgress {
public:
    std::size_t maximum = 0;
    int begins = 0;
    int steps = 0;
    int ends = 0;
    void begin(std::size_t max) override {
        maximum = max;
        ++begins;
    }
    void step() override { ++steps; }
    void end() override { ++ends; }
};

// The cases the comparison must get right, run on the indexed and on the literal search alike.
class CompareCases : public ::testing::TestWithParam<CompareFunction> {
protected:
    ChannelTree a{TreeKind::Television};
    ChannelTree b{TreeKind::Television};
    bool compare(CompareOptions options, CompareProgress* progress = nullptr) {
        return GetParam()(a, b, options, progress);
    }
};

TEST_P(CompareCases, GreedyOneToOneInTreeOrder) {
    buildTree(a, "P[X,X,Y] Q[X]");
    buildTree(b, "R[X] S[Z]");
    EXPECT_TRUE(compare(kByName));
    // The first X of list 1 takes the only X of list 2; the other two stay.
    EXPECT_EQ(shapeOf(a), "P[X,Y] Q[X]");
    EXPECT_EQ(shapeOf(b), "S[Z]");
}

TEST_P(CompareCases, FirstEqualFromTheTopOfListTwoAndProviderNamesPlayNoPart) {
    buildTree(a, "P[X]");
    buildTree(b, "Q[W,X] R[X,V]");
    const TreeItem* secondX = b.topLevelItem(1)->child(0);
    EXPECT_TRUE(compare(kByName));
    EXPECT_EQ(shapeOf(b), "Q[W] R[X,V]");
    EXPECT_EQ(b.topLevelItem(1)->child(0), secondX);
    EXPECT_EQ(shapeOf(a), "");
}

TEST_P(CompareCases, TrailingBlanksOnlyAreStrippedAndCaseCounts) {
    TreeItem* p = addProvider(a, "P");
    addChannel(a, p, "Alpha");
    addChannel(a, p, "Beta");
    TreeItem* q = addProvider(b, "Q");
    addChannel(b, q, " Alpha");
    addChannel(b, q, "alpha");
    addChannel(b, q, "Alpha\t");
    addChannel(b, q, "Alpha  ");
    addChannel(b, q, "  Beta ");
    EXPECT_TRUE(compare(kByName));
    EXPECT_EQ(shapeOf(a), "P[Beta]");
    EXPECT_EQ(shapeOf(b), "Q[ Alpha,alpha,Alpha\t,  Beta ]");
}

TEST_P(CompareCases, NameEndsAtItsFirstZeroOrAtTheEndOfTheField) {
    const std::string n31(31, 'n');
    TreeItem* p = addProvider(a, "P");
    TreeItem* q = addProvider(b, "Q");
    TreeItem* withTail = addChannel(a, p, "Ab");
    ChannelRecord record = withTail->record();
    std::memcpy(record.name, "Ab\0zz", 5);  // bytes after the terminator do not count
    a.replaceRecord(withTail, record);
    TreeItem* full = addChannel(a, p, "full");
    record = full->record();
    std::memset(record.name, 'n', sizeof record.name);  // 32 bytes, no terminator
    a.replaceRecord(full, record);
    addChannel(a, p, n31);

    addChannel(b, q, "Ab");
    TreeItem* blankEnd = addChannel(b, q, "blankEnd");
    record = blankEnd->record();
    std::memset(record.name, 'n', sizeof record.name);
    record.name[31] = ' ';  // 31 n's once the blank is stripped
    b.replaceRecord(blankEnd, record);
    addChannel(b, q, n31);

    EXPECT_TRUE(compare(kByName));
    // The 32 n's of list 1 are longer than any name of list 2; the 31 n's take the first equal one.
    ASSERT_EQ(a.topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(a.topLevelItem(0)->child(0), full);
    ASSERT_EQ(b.topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(b.topLevelItem(0)->child(0)->record().nameText(), n31);
}

TEST_P(CompareCases, ServiceIdAloneOrWithTheName) {
    TreeItem* p = addProvider(a, "P");
    addChannel(a, p, "One", 65535);
    addChannel(a, p, "Two", 7);
    TreeItem* q = addProvider(b, "Q");
    addChannel(b, q, "Other", 7);
    addChannel(b, q, "One", 65535);
    addChannel(b, q, "Two", 8);
    // Both on: "One" pairs, "Two" differs in its Service ID.
    EXPECT_TRUE(compare(kByBoth));
    EXPECT_EQ(shapeOf(a), "P[Two]");
    EXPECT_EQ(shapeOf(b), "Q[Other,Two]");
    // Service ID alone: equal IDs pair up whatever the names.
    EXPECT_TRUE(compare(kByServiceId));
    EXPECT_EQ(shapeOf(a), "");
    EXPECT_EQ(shapeOf(b), "Q[Two]");
}

TEST_P(CompareCases, EmptyProvidersGoAndTopLevelChannelsStay) {
    buildTree(a, "*T Empty1 P[X,Y,V] Q[Z]");
    buildTree(b, "*X Empty2 R[X] S[Y,W] *Z");
    EXPECT_TRUE(compare(kByName));
    // Empty1 and Empty2 were empty before; R became empty; P keeps one channel.
    // Top-level channels neither match nor count as empty providers.
    EXPECT_EQ(shapeOf(a), "T P[V] Q[Z]");
    EXPECT_EQ(shapeOf(b), "X S[W] Z");
}

TEST_P(CompareCases, EmptySideChangesNothingAndShowsNoProgress) {
    buildTree(a, "P[X] Empty");
    CountingProgress progress;
    EXPECT_FALSE(compare(kByName, &progress));
    EXPECT_EQ(shapeOf(a), "P[X] Empty");
    EXPECT_FALSE(GetParam()(b, a, kByName, &progress));
    EXPECT_EQ(shapeOf(a), "P[X] Empty");
    EXPECT_EQ(progress.begins + progress.steps + progress.ends, 0);
}

TEST_P(CompareCases, ProgressRangeCountsProvidersStepsCountChannels) {
    buildTree(a, "*T P[X,Y,Z] Q Empty R[V]");
    buildTree(b, "S[X,Y]");
    CountingProgress progress;
    EXPECT_TRUE(compare(kByName, &progress));
    EXPECT_EQ(progress.begins, 1);
    EXPECT_EQ(progress.maximum, 9u);
    EXPECT_EQ(progress.steps, 4);
    EXPECT_EQ(progress.ends, 1);
}

INSTANTIATE_TEST_SUITE_P(Indexed, CompareCases, ::testing::Values(CompareFunction(CompareTrees)));
INSTANTIATE_TEST_SUITE_P(Literal, CompareCases, ::testing::Values(CompareFunction(compareTreesLiteral)));

TEST(RemoveFirstEqual, RemovesOnlyTheFirstMatch) {
    ChannelTree b(TreeKind::Radio);
    buildTree(b, "P[A,B] Q[B]");
    EXPECT_TRUE(RemoveFirstEqual(treetest::channelRecord("B", 2), b, kByName));
    EXPECT_EQ(shapeOf(b), "P[A] Q[B]");
    EXPECT_FALSE(RemoveFirstEqual(treetest::channelRecord("C", 2), b, kByName));
    EXPECT_EQ(shapeOf(b), "P[A] Q[B]");
}

// The list-level command

TEST(CompareLists, OnlyThePairWithBothSidesFilledIsCompared) {
    ChannelList list1;
    ChannelList list2;
    buildTree(list1.television(), "P[X] Empty");
    buildTree(list1.radio(), "R[Y,Z]");
    buildTree(list2.radio(), "S[Y]");
    EXPECT_TRUE(CompareLists(list1, list2, kByName));
    EXPECT_EQ(shapeOf(list1.television()), "P[X] Empty");
    EXPECT_EQ(shapeOf(list1.radio()), "R[Z]");
    EXPECT_EQ(shapeOf(list2.radio()), "");
}

TEST(CompareLists, NothingToCompareTellsNoProgress) {
    ChannelList list1;
    ChannelList list2;
    buildTree(list1.television(), "P[X]");
    buildTree(list2.radio(), "S[Y]");
    CountingProgress progress;
    EXPECT_FALSE(CompareLists(list1, list2, kByBoth, &progress));
    EXPECT_EQ(progress.begins, 0);
}

TEST(CompareLists, BothPairsReportTheirOwnProgress) {
    ChannelList list1;
    ChannelList list2;
    buildTree(list1.television(), "P[X,Y]");
    buildTree(list1.radio(), "R[Z]");
    buildTree(list2.television(), "P[Y]");
    buildTree(list2.radio(), "R[Z]");
    CountingProgress progress;
    EXPECT_TRUE(CompareLists(list1, list2, kByName, &progress));
    EXPECT_EQ(progress.begins, 2);
    EXPECT_EQ(progress.ends, 2);
    EXPECT_EQ(progress.steps, 3);
    EXPECT_EQ(progress.maximum, 2u);  // the Radio pair came last
    EXPECT_EQ(shapeOf(list1.television()), "P[X]");
    EXPECT_TRUE(list1.radio().empty());
}

// What views are told

TEST(RemoveEmptyProviders, KeepsChannelsAtTheTopLevelInOneReset) {
    ChannelTree tree(TreeKind::Radio);
    buildTree(tree, "*X E1 P[A] E2 *Y E3");
    RecordingObserver observer(tree);
    RemoveEmptyProviders(tree);
    EXPECT_EQ(shapeOf(tree), "X P[A] Y");
    EXPECT_EQ(tree.itemCount(), 4u);
    EXPECT_EQ(tree.topLevelItem(2)->row(), 2);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"reset?", "reset"}));
}

TEST(CompareNotifications, OneResetPerChangedTreeNotOneCallPerRow) {
    ChannelTree a(TreeKind::Television);
    ChannelTree b(TreeKind::Television);
    for (int p = 0; p < 20; ++p) {
        TreeItem* providerA = addProvider(a, "A" + std::to_string(p));
        TreeItem* providerB = addProvider(b, "B" + std::to_string(p));
        for (int c = 0; c < 250; ++c) {
            addChannel(a, providerA, "C" + std::to_string(c), static_cast<std::uint16_t>(p));
            addChannel(b, providerB, "C" + std::to_string(c), static_cast<std::uint16_t>(p + c % 2));
        }
    }
    RecordingObserver observerA(a);
    RecordingObserver observerB(b);
    EXPECT_TRUE(CompareTrees(a, b, kByBoth));
    EXPECT_EQ(observerA.calls, (std::vector<std::string>{"reset?", "reset"}));
    EXPECT_EQ(observerB.calls, (std::vector<std::string>{"reset?", "reset"}));
    // Every channel finds its partner but the odd ones of A0 (their Service ID 0 is only under B0, even).
    EXPECT_EQ(shapeOf(a).substr(0, 10), "A0[C1,C3,C");
    EXPECT_EQ(a.itemCount(), 1u + 125u);
}

TEST(CompareNotifications, NoResetWhenNothingChanges) {
    ChannelTree a(TreeKind::Radio);
    ChannelTree b(TreeKind::Radio);
    buildTree(a, "P[X]");
    buildTree(b, "Q[Y]");
    RecordingObserver observerA(a);
    RecordingObserver observerB(b);
    EXPECT_TRUE(CompareTrees(a, b, kByName));
    EXPECT_TRUE(observerA.calls.empty());
    EXPECT_TRUE(observerB.calls.empty());
}

}  // namespace
}  // namespace qvx
