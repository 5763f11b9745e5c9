// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "EditingTestSupport.h"
#include "editing/TransferItem.h"

namespace qvx {
namespace {

using namespace treetest;

// Within one tree: a move, made as a copy followed by the removal of the original

TEST(TransferWithinTree, ChannelOntoChannelMovesBeforeItInOneMove) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A,B,C] Q[D]");
    TreeItem* dragged = tree.topLevelItem(0)->child(2);
    const RecordImage image = dragged->record().image();
    RecordingObserver observer(tree);
    TreeItem* moved = TransferItem(tree, tree, dragged, tree.topLevelItem(0)->child(0));
    EXPECT_EQ(shapeOf(tree), "P[C,A,B] Q[D]");
    EXPECT_EQ(tree.itemCount(), 6u);
    ASSERT_EQ(moved, tree.topLevelItem(0)->child(0));
    EXPECT_EQ(moved, dragged);  // the very item, so a view keeps it selected
    EXPECT_EQ(moved->record().image(), image);
    // One move, from row 2 to the place before row 0, as a view's move of rows counts it.
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"move?P:2-2", "toP:0-0", "move"}));
}

TEST(TransferWithinTree, ChannelOntoProviderBecomesItsFirstChannel) {
    ChannelTree tree(TreeKind::Radio);
    buildTree(tree, "P[A,B] Q[C]");
    TransferItem(tree, tree, tree.topLevelItem(0)->child(1), tree.topLevelItem(1));
    EXPECT_EQ(shapeOf(tree), "P[A] Q[B,C]");
}

TEST(TransferWithinTree, DropOnItselfLeavesTheTreeAsItWas) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A,B] Q[C]");
    TreeItem* channel = tree.topLevelItem(0)->child(1);
    const RecordImage image = channel->record().image();
    TreeItem* copy = TransferItem(tree, tree, channel, channel);
    EXPECT_EQ(shapeOf(tree), "P[A,B] Q[C]");
    EXPECT_EQ(copy, tree.topLevelItem(0)->child(1));
    EXPECT_EQ(copy->record().image(), image);

    TreeItem* provider = tree.topLevelItem(1);
    TreeItem* providerCopy = TransferItem(tree, tree, provider, provider);
    EXPECT_EQ(shapeOf(tree), "P[A,B] Q[C]");
    EXPECT_EQ(providerCopy, tree.topLevelItem(1));
    EXPECT_TRUE(providerCopy->isBold());
    // A provider dropped on one of its own channels stays where it is too.
    TransferItem(tree, tree, tree.topLevelItem(0), tree.topLevelItem(0)->child(1));
    EXPECT_EQ(shapeOf(tree), "P[A,B] Q[C]");
    EXPECT_EQ(tree.itemCount(), 5u);
}

TEST(TransferWithinTree, DropBelowTheLastItemAppends) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A,B] Q[C] R[D]");
    TransferItem(tree, tree, tree.topLevelItem(0)->child(0), nullptr);
    EXPECT_EQ(shapeOf(tree), "P[B] Q[C] R[D,A]");
    TransferItem(tree, tree, tree.topLevelItem(0), nullptr);
    EXPECT_EQ(shapeOf(tree), "Q[C] R[D,A] P[B]");
}

// Between trees: a copy in the target's kind; the source keeps its items

TEST(TransferBetweenTrees, ProviderFromTelevisionOntoRadioProviderCopiesAllChannels) {
    ChannelTree television(TreeKind::Television);
    ChannelTree radio(TreeKind::Radio);
    buildTree(television, "P[A,B,C]");
    buildTree(radio, "X[Y] Z[W]");
    TreeItem* scrambled = television.topLevelItem(0)->child(1);
    ChannelRecord record = scrambled->record();
    record.scrambled = 1;
    television.replaceRecord(scrambled, record);
    television.setLooks(scrambled, {false, kScrambledChannelImage, kSelectedChannelImage});

    RecordingObserver observer(radio);
    TreeItem* copy = TransferItem(television, radio, television.topLevelItem(0), radio.topLevelItem(1));
    EXPECT_EQ(shapeOf(radio), "X[Y] P[A,B,C] Z[W]");
    EXPECT_EQ(copy, radio.topLevelItem(1));
    EXPECT_TRUE(copy->isBold());
    EXPECT_EQ(copy->record().serviceType, 2);
    for (const auto& channel : copy->children()) {
        EXPECT_EQ(channel->record().serviceType, 2);
        EXPECT_FALSE(channel->isBold());
    }
    EXPECT_EQ(copy->child(1)->image(), kScrambledChannelImage);
    EXPECT_EQ(copy->child(0)->image(), kFreeChannelImage);
    EXPECT_EQ(shapeOf(television), "P[A,B,C]");
    EXPECT_EQ(television.topLevelItem(0)->record().serviceType, 1);
    EXPECT_EQ(television.topLevelItem(0)->child(0)->record().serviceType, 1);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"+?top:1-1", "+top:1-1"}));
}

TEST(TransferBetweenTrees, ChannelIntoEmptyTreeGetsAProviderCopyOfItsRecord) {
    ChannelTree source(TreeKind::Television);
    ChannelTree target(TreeKind::Radio);
    buildTree(source, "P[A]");
    TreeItem* dragged = source.topLevelItem(0)->child(0);
    ChannelRecord record = dragged->record();
    record.serviceId = 28006;
    record.scrambled = 1;
    source.replaceRecord(dragged, record);
    // The label says more than the record's name can hold.
    const std::string label = "Channel with a very long label, 41 chars";
    source.setLabel(dragged, label);
    source.setLooks(dragged, {false, kScrambledChannelImage, kSelectedChannelImage});

    TreeItem* copy = TransferItem(source, target, dragged, nullptr);
    ASSERT_EQ(target.topLevelCount(), 1);
    const TreeItem* provider = target.topLevelItem(0);
    EXPECT_EQ(copy->parent(), provider);
    EXPECT_EQ(provider->label(), label.substr(0, 31));
    EXPECT_TRUE(provider->isBold());
    EXPECT_EQ(provider->image(), kProviderImage);
    EXPECT_EQ(provider->selectedImage(), kProviderImage);
    EXPECT_EQ(provider->record().isChannel, 0);
    EXPECT_EQ(provider->record().frequency, 0u);
    EXPECT_EQ(provider->record().symbolRate, 0u);
    EXPECT_EQ(provider->record().serviceType, 2);
    EXPECT_EQ(provider->record().serviceId, 28006);

    EXPECT_EQ(copy->label(), label.substr(0, 31));
    EXPECT_EQ(copy->image(), kScrambledChannelImage);
    EXPECT_EQ(copy->record().isChannel, 1);
    EXPECT_EQ(copy->record().serviceType, 2);
    EXPECT_EQ(copy->record().frequency, 12000000u);
    EXPECT_EQ(source.topLevelItem(0)->child(0)->label(), label);
}

TEST(TransferBetweenTrees, ProviderWithTenThousandChannelsIsOneInsertion) {
    ChannelTree source(TreeKind::Television);
    ChannelTree target(TreeKind::Television);
    TreeItem* big = addProvider(source, "Big");
    for (int i = 0; i < 10000; ++i) addChannel(source, big, "C" + std::to_string(i));
    buildTree(target, "T[U]");
    RecordingObserver observer(target);
    TreeItem* copy = TransferItem(source, target, big, nullptr);
    EXPECT_EQ(copy->childCount(), 10000);
    EXPECT_EQ(copy->child(9999)->label(), "C9999");
    EXPECT_EQ(copy->child(9999)->row(), 9999);
    EXPECT_EQ(target.itemCount(), 10003u);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"+?top:1-1", "+top:1-1"}));
    EXPECT_EQ(source.itemCount(), 10001u);

    // Moved within its tree: one move, whatever it holds.
    observer.calls.clear();
    TransferItem(target, target, copy, target.topLevelItem(0));
    EXPECT_EQ(shapeOf(target).substr(0, 13), "Big[C0,C1,C2,");
    EXPECT_EQ(target.itemCount(), 10003u);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"move?top:1-1", "totop:0-0", "move"}));
}

}  // namespace
}  // namespace qvx
