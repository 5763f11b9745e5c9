// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditingTestSupport.h"
#include "model/ChannelList.h"
#include "model/EntryWalk.h"
#include "model/TreeBuilder.h"

namespace qvx {
namespace {

using treetest::shapeOf;

ChannelRecord provider(const char* name, std::uint8_t serviceType) {
    ChannelRecord record = ChannelRecord::newProvider(serviceType);
    record.setName(name);
    record.frequency = 11000000;  // the builder must zero it
    record.symbolRate = 22000000;
    return record;
}

ChannelRecord channel(const char* name, std::uint8_t serviceType) {
    ChannelRecord record = ChannelRecord::newChannel(serviceType);
    record.setName(name);
    return record;
}

void build(ChannelList& list, const std::vector<ChannelRecord>& entries, bool finish = true) {
    TreeBuilder builder(list.television(), list.radio());
    for (const auto& entry : entries) builder.accept(entry);
    if (finish) builder.finish();
}

TEST(TreeBuilder, ProviderEntryMakesAProviderInEachTreeWithChannels) {
    ChannelList list;
    build(list, {provider("P", 1), channel("A", 1), channel("B", 2), provider("Q", 2), channel("C", 0)});
    EXPECT_EQ(shapeOf(list.television()), "P[A]");
    EXPECT_EQ(shapeOf(list.radio()), "P[B] Q[C]");
    // Every record carries its tree's kind, providers without frequency.
    for (const ChannelTree* tree : {&list.television(), &list.radio()}) {
        for (const auto& top : tree->topLevelItems()) {
            EXPECT_EQ(top->record().serviceType, tree->serviceType());
            EXPECT_EQ(top->record().isChannel, 0);
            EXPECT_EQ(top->record().frequency, 0u);
            EXPECT_EQ(top->record().symbolRate, 0u);
            EXPECT_TRUE(top->isBold());
            for (const auto& child : top->children()) EXPECT_EQ(child->record().serviceType, tree->serviceType());
        }
    }
    EXPECT_EQ(list.television().itemCount(), 2u);
    EXPECT_EQ(list.radio().itemCount(), 4u);
}

TEST(TreeBuilder, ChannelOfUnsetKindWithoutProviderKindIsDropped) {
    ChannelList list;
    build(list, {provider("P", 0), channel("A", 0)});
    EXPECT_TRUE(list.television().empty());
    EXPECT_TRUE(list.radio().empty());
}

TEST(TreeBuilder, ChannelOfUnknownKindIsDropped) {
    ChannelList list;
    build(list, {provider("P", 1), channel("A", 3), channel("B", 1)});
    EXPECT_EQ(shapeOf(list.television()), "P[B]");
    EXPECT_TRUE(list.radio().empty());
}

TEST(TreeBuilder, ChannelsBeforeAnyProviderStandAtTheTopLevel) {
    ChannelList list;
    build(list, {channel("X", 1), channel("Y", 2), provider("P", 1), channel("A", 1)});
    EXPECT_EQ(shapeOf(list.television()), "X P[A]");
    EXPECT_EQ(shapeOf(list.radio()), "Y");
    const TreeItem* topChannel = list.television().topLevelItem(0);
    EXPECT_FALSE(topChannel->isBold());
    EXPECT_EQ(topChannel->image(), kFreeChannelImage);
}

TEST(TreeBuilder, ProviderKindIsSharedByBothTrees) {
    // A radio provider's kind also steers unset channels after it, into the Radio tree.
    ChannelList list;
    build(list, {provider("P", 2), channel("A", 0), channel("B", 1), channel("C", 0)});
    EXPECT_EQ(shapeOf(list.radio()), "P[A,C]");
    EXPECT_EQ(shapeOf(list.television()), "P[B]");
}

TEST(TreeBuilder, WithoutEndStepTheLastChildlessProviderStays) {
    ChannelList list;
    build(list, {provider("P", 1), channel("A", 1), provider("Q", 1)}, /*finish=*/false);
    EXPECT_EQ(shapeOf(list.television()), "P[A] Q");
    EXPECT_EQ(shapeOf(list.radio()), "Q");
}

TEST(TreeBuilder, ScrambledChannelsGetTheScrambledPicture) {
    ChannelList list;
    ChannelRecord pay = channel("Pay", 1);
    pay.scrambled = 2;
    build(list, {provider("P", 1), pay, channel("Free", 1)});
    const TreeItem* p = list.television().topLevelItem(0);
    EXPECT_EQ(p->child(0)->image(), kScrambledChannelImage);
    EXPECT_EQ(p->child(0)->selectedImage(), kSelectedChannelImage);
    EXPECT_EQ(p->child(1)->image(), kFreeChannelImage);
}

TEST(EntryWalk, TelevisionFirstEachProviderFollowedByItsChannels) {
    ChannelList list;
    build(list, {provider("P", 1), channel("A", 1), channel("R", 2), provider("Q", 1), channel("B", 1)});
    std::string order;
    walkEntries(list.television(), list.radio(), [&](const Entry& entry) {
        order += entry.item.label();
        order += entry.topLevel ? "+" : "";
        if (entry.provider) order += "<" + entry.provider->label();
        order += ' ';
    });
    EXPECT_EQ(order, "P+ A<P Q+ B<Q P+ R<P ");
}

TEST(ChannelList, ExtensionIsTheTextAfterTheLastDotOfTheName) {
    EXPECT_EQ(lowerCasedExtension("/a.b/list"), "");
    EXPECT_EQ(lowerCasedExtension("/a/list.old.QvX"), "qvx");
    EXPECT_EQ(lowerCasedExtension("/a/list."), "");
}

}  // namespace
}  // namespace qvx
