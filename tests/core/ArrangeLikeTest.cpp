// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "CommandTestSupport.h"
#include "RandomTrees.h"
#include "commands/ListCommands.h"
#include "editing/ArrangeLike.h"

namespace qvx {
namespace {

std::string strippedName(const TreeItem& item) {
    std::string name(item.record().nameText());
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

// The arrangement spelled out plainly, searching from the top every time: each
// top-level item and then each channel of the reference takes the first free
// partner of `tree` (the same name; equal channels).
struct Plain {
    std::vector<TreeItem*> order;
    std::size_t channelsPlaced = 0;
    std::size_t providersPlaced = 0;
};

Plain plainArrangement(const ChannelTree& tree, const ChannelTree& reference, CompareOptions options) {
    Plain plain;
    std::vector<TreeItem*> tops;
    std::vector<TreeItem*> channels;
    for (const auto& top : tree.topLevelItems()) {
        tops.push_back(top.get());
        for (const auto& child : top->children()) channels.push_back(child.get());
    }
    std::vector<bool> topTaken(tops.size(), false);
    std::map<const TreeItem*, TreeItem*> destination;  // reference top -> top of `tree`, or null
    std::vector<TreeItem*> topOrder;
    for (const auto& other : reference.topLevelItems()) {
        TreeItem* named = nullptr;
        TreeItem* partner = nullptr;
        for (std::size_t i = 0; i < tops.size() && !partner; ++i) {
            if (strippedName(*tops[i]) != strippedName(*other)) continue;
            if (!named) named = tops[i];
            if (!topTaken[i]) {
                topTaken[i] = true;
                partner = tops[i];
            }
        }
        if (partner) topOrder.push_back(partner);
        destination[other.get()] = partner ? partner : named;
    }
    plain.providersPlaced = topOrder.size();
    for (std::size_t i = 0; i < tops.size(); ++i)
        if (!topTaken[i]) topOrder.push_back(tops[i]);

    std::vector<bool> channelTaken(channels.size(), false);
    std::map<const TreeItem*, std::vector<TreeItem*>> placedUnder;
    for (const auto& other : reference.topLevelItems())
        for (const auto& otherChannel : other->children())
            for (std::size_t j = 0; j < channels.size(); ++j) {
                if (channelTaken[j] || !testing::referenceEqualChannels(*channels[j], *otherChannel, options)) continue;
                channelTaken[j] = true;
                TreeItem* under = destination[other.get()];
                placedUnder[under ? under : channels[j]->parent()].push_back(channels[j]);
                ++plain.channelsPlaced;
                break;
            }
    for (TreeItem* top : topOrder) {
        plain.order.push_back(top);
        for (TreeItem* channel : placedUnder[top]) plain.order.push_back(channel);
        for (const auto& child : top->children()) {
            const auto at = std::find(channels.begin(), channels.end(), child.get()) - channels.begin();
            if (!channelTaken[static_cast<std::size_t>(at)]) plain.order.push_back(child.get());
        }
    }
    return plain;
}

// Random pairs of trees rich in equal names and Service IDs, under every key: the
// result holds the very items the plain search names, in its order, and undo
// and redo give back each state exactly.
TEST(ArrangeLikeDifferential, RandomTreesAgainstThePlainSearchWithUndoAndRedo) {
    for (const char* key : {"name", "sid", "both", "tuning"}) {
        const CompareOptions options = *compareOptionsNamed(key, true);
        for (std::uint32_t seed = 1; seed <= 400; ++seed) {
            SCOPED_TRACE(std::string(key) + " seed " + std::to_string(seed));
            testing::Generator generator(seed);
            ChannelTree tree(TreeKind::Radio);
            ChannelTree reference(TreeKind::Radio);
            testing::build(tree, generator.tree());
            testing::build(reference, generator.tree());
            const std::vector<TreeItem*> before = tree.arrangement();
            const std::string beforeBytes = commandtest::snapshotOf(tree);
            const std::string referenceBytes = commandtest::snapshotOf(reference);
            const Plain plain = plainArrangement(tree, reference, options);

            ArrangedCounts counts;
            const std::unique_ptr<ListCommand> command = makeArrangeCommand(tree, reference, options, &counts);
            ASSERT_EQ(command->execute(), plain.order != before);
            ASSERT_EQ(tree.arrangement(), plain.order);
            const std::string afterBytes = commandtest::snapshotOf(tree);
            EXPECT_EQ(counts.channelsPlaced, plain.channelsPlaced);
            EXPECT_EQ(counts.providersPlaced, plain.providersPlaced);
            EXPECT_EQ(commandtest::snapshotOf(reference), referenceBytes);

            command->undo();
            ASSERT_EQ(tree.arrangement(), before);
            ASSERT_EQ(commandtest::snapshotOf(tree), beforeBytes);
            command->redo();
            ASSERT_EQ(tree.arrangement(), plain.order);
            ASSERT_EQ(commandtest::snapshotOf(tree), afterBytes);
        }
    }
}

}  // namespace
}  // namespace qvx
