// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "EditingTestSupport.h"
#include "editing/EditorClipboard.h"
#include "editing/TreeCommands.h"

namespace qvx {
namespace {

using treetest::buildTree;
using treetest::RecordingObserver;
using treetest::shapeOf;

void expectKind(const ChannelTree& tree) {
    for (const auto& top : tree.topLevelItems()) {
        EXPECT_EQ(top->record().serviceType, tree.serviceType()) << top->label();
        for (const auto& child : top->children())
            EXPECT_EQ(child->record().serviceType, tree.serviceType()) << child->label();
    }
}

// Clipboard: Copy, Cut and Paste

// The clipboard with the two trees a paste may go between.
class Clipboard : public ::testing::Test {
protected:
    ChannelTree television{TreeKind::Television};
    ChannelTree radio{TreeKind::Radio};
    EditorClipboard clipboard;
};

TEST_F(Clipboard, ProviderWithThreeChannelsPastedBeforeTheProviderOfAChannelInAnotherTree) {
    buildTree(television, "P[A,B,C] Q[D]");
    buildTree(radio, "X[Y] Z[W]");
    clipboard.copy(*television.topLevelItem(0));
    ASSERT_EQ(clipboard.count(), 4);
    EXPECT_EQ(ChannelRecord::fromImage(clipboard.records()[0]).nameText(), "P");
    EXPECT_EQ(ChannelRecord::fromImage(clipboard.records()[3]).nameText(), "C");

    // The images are copies: a later rename of the original does not reach them.
    ChannelRecord renamed = television.topLevelItem(0)->child(0)->record();
    renamed.setName("A2");
    television.replaceRecord(television.topLevelItem(0)->child(0), renamed);

    TreeItem* pasted = clipboard.paste(radio, radio.topLevelItem(1)->child(0));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(pasted->label(), "P");
    EXPECT_TRUE(pasted->isBold());
    EXPECT_EQ(shapeOf(radio), "X[Y] P[A,B,C] Z[W]");
    expectKind(radio);
    EXPECT_EQ(shapeOf(television), "P[A,B,C] Q[D]");
    expectKind(television);
    EXPECT_EQ(clipboard.count(), 0);
    EXPECT_TRUE(clipboard.records().empty());
}

TEST_F(Clipboard, PastesOnceThenIsEmptyForEveryTree) {
    buildTree(television, "P[A]");
    clipboard.copy(*television.topLevelItem(0)->child(0));
    EXPECT_EQ(clipboard.count(), 1);
    ASSERT_NE(clipboard.paste(television, nullptr), nullptr);
    EXPECT_EQ(shapeOf(television), "P[A,A]");
    EXPECT_EQ(clipboard.paste(radio, nullptr), nullptr);
    EXPECT_EQ(clipboard.paste(television, nullptr), nullptr);
    EXPECT_TRUE(radio.empty());
    EXPECT_EQ(shapeOf(television), "P[A,A]");
}

TEST_F(Clipboard, TelevisionChannelPastedIntoRadioTreeBecomesRadio) {
    buildTree(television, "P[A]");
    buildTree(radio, "R[B]");
    TreeItem* source = television.topLevelItem(0)->child(0);
    ChannelRecord record = source->record();
    record.frequency = 11837000;
    record.scrambled = 1;
    television.replaceRecord(source, record);

    clipboard.copy(*source);
    TreeItem* pasted = clipboard.paste(radio, radio.topLevelItem(0)->child(0));
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(shapeOf(radio), "R[A,B]");
    EXPECT_EQ(pasted->record().serviceType, 2);
    EXPECT_EQ(pasted->record().frequency, 11837000u);
    EXPECT_EQ(pasted->image(), kScrambledChannelImage);
    EXPECT_EQ(pasted->selectedImage(), kSelectedChannelImage);
    EXPECT_EQ(source->record().serviceType, 1);
}

TEST_F(Clipboard, ChannelPastedIntoEmptyTreeGetsAProviderNamedAfterIt) {
    buildTree(television, "P[Sky News]");
    clipboard.copy(*television.topLevelItem(0)->child(0));
    RecordingObserver observer(radio);
    TreeItem* pasted = clipboard.paste(radio, nullptr);
    ASSERT_NE(pasted, nullptr);
    EXPECT_EQ(shapeOf(radio), "Sky News[Sky News]");
    const TreeItem* provider = radio.topLevelItem(0);
    EXPECT_EQ(pasted->parent(), provider);
    EXPECT_TRUE(provider->isBold());
    EXPECT_EQ(provider->image(), kProviderImage);
    EXPECT_EQ(provider->record().nameText(), "Sky News");
    EXPECT_EQ(provider->record().isChannel, 0);
    EXPECT_EQ(provider->record().frequency, 0u);
    EXPECT_EQ(provider->record().symbolRate, 0u);
    EXPECT_EQ(provider->record().serviceType, 2);
    EXPECT_EQ(pasted->record().isChannel, 1);
    EXPECT_EQ(pasted->record().frequency, 12000000u);
    EXPECT_EQ(observer.calls,
              (std::vector<std::string>{"+?top:0-0", "+top:0-0", "+?Sky News:0-0", "+Sky News:0-0"}));
}

TEST_F(Clipboard, CutProviderRemovesItWithItsChannelsInOneStep) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A] Q[B,C] R[D]");
    RecordingObserver observer(tree);
    clipboard.cut(tree, tree.topLevelItem(1));
    EXPECT_EQ(shapeOf(tree), "P[A] R[D]");
    EXPECT_EQ(tree.itemCount(), 4u);
    EXPECT_EQ(clipboard.count(), 3);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"-?top:1-1", "-top:1-1"}));

    observer.calls.clear();
    clipboard.paste(tree, nullptr);
    EXPECT_EQ(shapeOf(tree), "P[A] R[D] Q[B,C]");
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"+?top:2-2", "+top:2-2"}));
}

TEST_F(Clipboard, CopyOfATopLevelChannelTakesItAlone) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "*X P[A]");
    clipboard.copy(*tree.topLevelItem(0));
    ASSERT_EQ(clipboard.count(), 1);
    // Its image is a channel's, so it is pasted as a channel.
    TreeItem* pasted = clipboard.paste(tree, tree.topLevelItem(1));
    EXPECT_EQ(shapeOf(tree), "X P[X,A]");
    EXPECT_EQ(pasted->parent(), tree.topLevelItem(1));
}

// Delete

TEST(DeleteTreeItem, ChannelOrProviderWithChannels) {
    ChannelTree tree(TreeKind::Radio);
    buildTree(tree, "P[A,B] Q[C]");
    RecordingObserver observer(tree);
    DeleteTreeItem(tree, tree.topLevelItem(0)->child(1));
    EXPECT_EQ(shapeOf(tree), "P[A] Q[C]");
    DeleteTreeItem(tree, tree.topLevelItem(0));
    EXPECT_EQ(shapeOf(tree), "Q[C]");
    EXPECT_EQ(tree.itemCount(), 2u);
    EXPECT_EQ(observer.calls, (std::vector<std::string>{"-?P:1-1", "-P:1-1", "-?top:0-0", "-top:0-0"}));
}

// New channel and New provider

TEST(NewChannel, EmptyRadioTreeGetsUndefinedProviderAndChannel) {
    ChannelTree radio(TreeKind::Radio);
    TreeItem* channel = insertNewChannel(radio, nullptr);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(shapeOf(radio), "undefined[undefined]");
    const TreeItem* provider = radio.topLevelItem(0);
    EXPECT_EQ(channel->parent(), provider);
    EXPECT_TRUE(provider->isBold());
    EXPECT_EQ(provider->record().isChannel, 0);
    EXPECT_EQ(provider->record().frequency, 0u);
    EXPECT_EQ(provider->record().symbolRate, 0u);
    EXPECT_EQ(provider->record().serviceType, 2);
    EXPECT_FALSE(channel->isBold());
    EXPECT_EQ(channel->image(), kFreeChannelImage);
    EXPECT_EQ(channel->selectedImage(), kSelectedChannelImage);
    EXPECT_EQ(channel->record().isChannel, 1);
    EXPECT_EQ(channel->record().serviceType, 2);
    EXPECT_EQ(channel->record().frequency, 12000000u);
    EXPECT_EQ(channel->record().volume, 0);
}

TEST(NewProvider, SecondAtTheFirstProviderElseBeforeTheReference) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A] Q R[B]");
    TreeItem* made = insertNewProvider(tree, tree.topLevelItem(0));
    EXPECT_EQ(shapeOf(tree), "P[A] undefined Q R[B]");
    EXPECT_TRUE(made->isBold());
    EXPECT_EQ(made->record().isChannel, 0);
    EXPECT_EQ(made->record().frequency, 0u);
    EXPECT_EQ(made->record().serviceType, 1);
    tree.clear();
    buildTree(tree, "P[A] Q R[B]");
    insertNewProvider(tree, tree.topLevelItem(2)->child(0));
    EXPECT_EQ(shapeOf(tree), "P[A] Q undefined R[B]");
    insertNewProvider(tree, nullptr);
    EXPECT_EQ(shapeOf(tree), "P[A] Q undefined R[B] undefined");
    ChannelTree empty(TreeKind::Radio);
    insertNewProvider(empty, nullptr);
    EXPECT_EQ(shapeOf(empty), "undefined");
}

// Rename

TEST(Rename, LongTextKeepsTheLabelAndCutsTheName) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A]");
    TreeItem* item = tree.topLevelItem(0)->child(0);
    const std::string text = "0123456789012345678901234567890123456789";  // 40 characters
    EXPECT_TRUE(applyRename(tree, item, text));
    EXPECT_EQ(item->label(), text);
    const RecordImage image = item->record().image();
    const std::uint8_t expectedName[32] = {0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30,
                                           0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30, 0x31,
                                           0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x30, 0x00};
    EXPECT_EQ(std::memcmp(image.data() + 24, expectedName, 32), 0);
}

TEST(Rename, ShortTextZeroesTheRestOfTheField) {
    ChannelTree tree(TreeKind::Television);
    buildTree(tree, "P[A]");
    TreeItem* provider = tree.topLevelItem(0);
    ChannelRecord record = provider->record();
    std::memset(record.name, 'x', sizeof record.name);
    tree.replaceRecord(provider, record);
    EXPECT_TRUE(applyRename(tree, provider, std::string("ab")));
    const RecordImage image = provider->record().image();
    EXPECT_EQ(image[24], 0x61);
    EXPECT_EQ(image[25], 0x62);
    for (std::size_t i = 26; i < 56; ++i) EXPECT_EQ(image[i], 0) << i;
    EXPECT_EQ(provider->label(), "ab");
}

TEST(Rename, AbandonedEditKeepsTheOldNameAndEmptyTextIsTaken) {
    ChannelTree tree(TreeKind::Radio);
    TreeItem* channel = insertNewChannel(tree, nullptr);
    const RecordImage before = channel->record().image();
    EXPECT_FALSE(applyRename(tree, channel, std::nullopt));
    EXPECT_EQ(channel->label(), "undefined");
    EXPECT_EQ(channel->record().image(), before);

    EXPECT_TRUE(applyRename(tree, channel, std::string()));
    EXPECT_EQ(channel->label(), "");
    EXPECT_EQ(channel->record().nameText(), "");
}

}  // namespace
}  // namespace qvx
