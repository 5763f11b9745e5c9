// SPDX-License-Identifier: GPL-3.0-or-later
// Items kept across events: a removal of the item, of its provider or of the
// whole tree lets go of it; changes elsewhere in the tree do not.
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "editing/TreeCommands.h"
#include "model/ChannelTree.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/tree/HeldItem.h"

namespace qvx {
namespace {

ChannelRecord named(ChannelRecord record, std::string_view name) {
    record.setName(name);
    return record;
}

struct Change {
    const char* name;
    std::function<void(ChannelTree&)> apply;
    bool letsGo;  // whether channel "B" of provider "P1" is gone afterwards
};

void PrintTo(const Change& change, std::ostream* out) { *out << change.name; }

class HeldItems : public ::testing::TestWithParam<Change> {
protected:
    HeldItems() {
        for (const char* provider : {"P1", "P2"}) {
            TreeItem* top =
                tree_.appendItem(nullptr, TreeItem::makeProvider(named(ChannelRecord::newProvider(1), provider)));
            for (const char* channel : {"A", "B"})
                tree_.appendItem(top, TreeItem::makeChannel(named(ChannelRecord::newChannel(1), channel)));
        }
    }

    ChannelTree tree_{TreeKind::Television};
    ChannelTreeModel model_{tree_};
};

TEST_P(HeldItems, LetGoExactlyWhenTheItemGoes) {
    TreeItem* held = tree_.topLevelItem(0)->child(1);
    HeldItem item;
    item.hold(&model_, held);
    ASSERT_EQ(item.get(), held);

    GetParam().apply(tree_);
    if (GetParam().letsGo) {
        EXPECT_FALSE(item);
        EXPECT_EQ(item.get(), nullptr);
    } else {
        ASSERT_TRUE(item);
        EXPECT_EQ(item.get(), held);
        EXPECT_EQ(item.get()->record().nameText(), GetParam().name == std::string("Renamed") ? "B2" : "B");
    }
}

using Channels = ChannelTree;

void deleteB(Channels& channels) { DeleteTreeItem(channels, channels.topLevelItem(0)->child(1)); }
void deleteP1(Channels& channels) { DeleteTreeItem(channels, channels.topLevelItem(0)); }
void clearAll(Channels& channels) { channels.clear(); }
void removeEveryB(Channels& channels) {
    channels.removeChildrenWhere([](const TreeItem& channel) { return channel.label() == "B"; });
}
void deleteA(Channels& channels) { DeleteTreeItem(channels, channels.topLevelItem(0)->child(0)); }
void deleteP2(Channels& channels) { DeleteTreeItem(channels, channels.topLevelItem(1)); }
void insertBeforeB(Channels& channels) { insertNewChannel(channels, channels.topLevelItem(0)->child(0)); }
void renameB(Channels& channels) { applyRename(channels, channels.topLevelItem(0)->child(1), std::string("B2")); }

INSTANTIATE_TEST_SUITE_P(EveryKindOfChange, HeldItems,
                         ::testing::Values(Change{"ItemDeleted", deleteB, true},
                                           Change{"ProviderDeleted", deleteP1, true},
                                           Change{"TreeCleared", clearAll, true},
                                           Change{"ChannelsRemovedInOneStep", removeEveryB, true},
                                           Change{"SiblingBeforeDeleted", deleteA, false},
                                           Change{"OtherProviderDeleted", deleteP2, false},
                                           Change{"ChannelInsertedBefore", insertBeforeB, false},
                                           Change{"Renamed", renameB, false}),
                         [](const ::testing::TestParamInfo<Change>& change) { return std::string(change.param.name); });

TEST(HeldItem, HoldsNothingWithoutAnItemOrAModel) {
    ChannelTree tree{TreeKind::Radio};
    ChannelTreeModel model{tree};
    HeldItem item;
    EXPECT_EQ(item.get(), nullptr);
    item.hold(&model, nullptr);
    EXPECT_FALSE(item);
    TreeItem* provider = tree.appendItem(nullptr, TreeItem::makeProvider(ChannelRecord::newProvider(2)));
    item.hold(nullptr, provider);
    EXPECT_FALSE(item);
    item.hold(&model, provider);
    EXPECT_EQ(item.get(), provider);
    item.clear();
    EXPECT_EQ(item.get(), nullptr);
}

}  // namespace
}  // namespace qvx
