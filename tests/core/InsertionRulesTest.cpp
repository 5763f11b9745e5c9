// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "editing/InsertionRules.h"

namespace qvx {
namespace {

using treetest::buildTree;
using treetest::providerRecord;

struct Place {
    const TreeItem* parent;
    int row;
};

class ChannelRule : public ::testing::Test {
protected:
    ChannelTree tree{TreeKind::Television};
    int providersMade = 0;

    Place placeFor(TreeItem* reference) {
        const InsertionPlace place = channelInsertionPlace(tree, reference, [this] {
            ++providersMade;
            return TreeItem::makeProvider(providerRecord("made", tree.serviceType()));
        });
        return {place.parent, place.row};
    }
};

TEST_F(ChannelRule, BeforeAReferenceChannelUnderItsProvider) {
    buildTree(tree, "P[A,B,C] Q[D]");
    TreeItem* p = tree.topLevelItem(0);
    const Place first = placeFor(p->child(0));
    EXPECT_EQ(first.parent, p);
    EXPECT_EQ(first.row, 0);
    const Place third = placeFor(p->child(2));
    EXPECT_EQ(third.parent, p);
    EXPECT_EQ(third.row, 2);
    const Place other = placeFor(tree.topLevelItem(1)->child(0));
    EXPECT_EQ(other.parent, tree.topLevelItem(1));
    EXPECT_EQ(other.row, 0);
    EXPECT_EQ(providersMade, 0);
}

TEST_F(ChannelRule, FirstChannelOfAReferenceProvider) {
    buildTree(tree, "P[A] Q[B,C]");
    const Place place = placeFor(tree.topLevelItem(1));
    EXPECT_EQ(place.parent, tree.topLevelItem(1));
    EXPECT_EQ(place.row, 0);
    // A top-level item counts as a provider whatever its record says.
    tree.clear();
    buildTree(tree, "*X P[A]");
    const Place onTopChannel = placeFor(tree.topLevelItem(0));
    EXPECT_EQ(onTopChannel.parent, tree.topLevelItem(0));
    EXPECT_EQ(onTopChannel.row, 0);
    EXPECT_EQ(providersMade, 0);
}

TEST_F(ChannelRule, WithoutReferenceAfterTheLastChannelOfTheLastProvider) {
    buildTree(tree, "P[A] Q[B,C]");
    const Place place = placeFor(nullptr);
    EXPECT_EQ(place.parent, tree.topLevelItem(1));
    EXPECT_EQ(place.row, 2);
    tree.clear();
    buildTree(tree, "P[A] Q");
    const Place childless = placeFor(nullptr);
    EXPECT_EQ(childless.parent, tree.topLevelItem(1));
    EXPECT_EQ(childless.row, 0);
    EXPECT_EQ(providersMade, 0);
}

TEST_F(ChannelRule, EmptyTreeGetsTheProviderFirst) {
    const Place place = placeFor(nullptr);
    EXPECT_EQ(providersMade, 1);
    ASSERT_EQ(tree.topLevelCount(), 1);
    EXPECT_EQ(place.parent, tree.topLevelItem(0));
    EXPECT_EQ(place.row, 0);
    EXPECT_EQ(tree.topLevelItem(0)->label(), "made");
}

TEST(ProviderRules, PasteAndDropGoBeforeTheReferenceProvider) {
    ChannelTree tree(TreeKind::Radio);
    buildTree(tree, "P[A] Q[B,C] R");
    EXPECT_EQ(providerInsertionPlace(tree, tree.topLevelItem(0)).row, 0);
    EXPECT_EQ(providerInsertionPlace(tree, tree.topLevelItem(2)).row, 2);
    EXPECT_EQ(providerInsertionPlace(tree, tree.topLevelItem(1)->child(1)).row, 1);
    EXPECT_EQ(providerInsertionPlace(tree, tree.topLevelItem(0)->child(0)).row, 0);
    EXPECT_EQ(providerInsertionPlace(tree, nullptr).row, 3);
    EXPECT_EQ(providerInsertionPlace(tree, tree.topLevelItem(1)).parent, nullptr);
    ChannelTree empty(TreeKind::Radio);
    EXPECT_EQ(providerInsertionPlace(empty, nullptr).row, 0);
}

TEST(ProviderRules, NewProviderGoesSecondOnlyAtTheFirstProvider) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A] Q[B] R[C]");
    EXPECT_EQ(newProviderPlace(tree, tree.topLevelItem(0)).row, 1);
    EXPECT_EQ(newProviderPlace(tree, tree.topLevelItem(0)->child(0)).row, 1);
    EXPECT_EQ(newProviderPlace(tree, tree.topLevelItem(2)).row, 2);
    EXPECT_EQ(newProviderPlace(tree, tree.topLevelItem(1)->child(0)).row, 1);
    EXPECT_EQ(newProviderPlace(tree, nullptr).row, 3);
    ChannelTree empty(TreeKind::Television);
    EXPECT_EQ(newProviderPlace(empty, nullptr).row, 0);
}

}  // namespace
}  // namespace qvx
