// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "FormatTestSupport.h"
#include "RandomTrees.h"
#include "compare/LiteralCompare.h"
#include "editing/Duplicates.h"

namespace qvx {
namespace {

using testing::addChannel;
using testing::addProvider;
using testing::shapeOf;

// The plain way: every channel against every later one, field by field.
struct Place {
    int provider;
    int channel;
    bool operator==(const Place&) const = default;
};

std::vector<const TreeItem*> comparedChannels(const ChannelTree& tree) {
    std::vector<const TreeItem*> channels;
    for (const auto& top : tree.topLevelItems())
        for (const auto& channel : top->children()) channels.push_back(channel.get());
    return channels;
}

std::vector<std::vector<Place>> referenceGroups(const ChannelTree& tree, CompareOptions options) {
    const std::vector<const TreeItem*> channels = comparedChannels(tree);
    std::vector<bool> grouped(channels.size(), false);
    std::vector<std::vector<Place>> groups;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (grouped[i]) continue;
        std::vector<Place> group{{channels[i]->parent()->row(), channels[i]->row()}};
        for (std::size_t j = i + 1; j < channels.size(); ++j) {
            if (grouped[j] || !testing::referenceEqualChannels(*channels[i], *channels[j], options)) continue;
            grouped[j] = true;
            group.push_back({channels[j]->parent()->row(), channels[j]->row()});
        }
        if (group.size() > 1) groups.push_back(group);
    }
    return groups;
}

// Removes, one item at a time, every channel equal to an earlier one, then
// each provider that had channels and has none left.
RemovedCounts referenceRemove(ChannelTree& tree, CompareOptions options) {
    RemovedCounts removed;
    std::vector<const TreeItem*> hadChannels;
    for (const auto& top : tree.topLevelItems())
        if (top->hasChildren()) hadChannels.push_back(top.get());
    std::vector<const TreeItem*> kept;
    for (const TreeItem* channel : comparedChannels(tree)) {
        bool earlier = false;
        for (const TreeItem* other : kept) earlier = earlier || testing::referenceEqualChannels(*other, *channel, options);
        if (earlier) {
            tree.removeItem(const_cast<TreeItem*>(channel));
            ++removed.channels;
        } else {
            kept.push_back(channel);
        }
    }
    for (const TreeItem* top : hadChannels) {
        if (top->hasChildren() || top->record().isChannel != 0) continue;
        tree.removeItem(const_cast<TreeItem*>(top));
        ++removed.providers;
    }
    return removed;
}

std::vector<std::vector<Place>> placesOf(const std::vector<DuplicateGroup>& groups) {
    std::vector<std::vector<Place>> out;
    for (const DuplicateGroup& group : groups) {
        std::vector<Place>& places = out.emplace_back();
        for (const ChannelPlace& place : group) {
            EXPECT_EQ(place.item->parent()->row(), place.provider);
            EXPECT_EQ(place.item->row(), place.channel);
            places.push_back({place.provider, place.channel});
        }
    }
    return out;
}

const CompareOptions kOptionSets[] = {{true, true, false}, {true, false, false}, {false, true, false},
                                      {false, true, true}};

TEST(DuplicatesDifferential, GroupsAndRemovalMatchThePlainSearch) {
    int groupsSeen = 0, providersRemoved = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        testing::Generator generator(seed);
        const testing::TreePlan plan = generator.tree();
        for (const CompareOptions& options : kOptionSets) {
            ChannelTree indexed(TreeKind::Radio), reference(TreeKind::Radio);
            testing::build(indexed, plan);
            testing::build(reference, plan);

            const auto groups = placesOf(findDuplicates(indexed, options));
            ASSERT_EQ(groups, referenceGroups(reference, options)) << "seed " << seed;
            groupsSeen += static_cast<int>(groups.size());

            const RemovedCounts removed = removeDuplicates(indexed, options);
            const RemovedCounts expected = referenceRemove(reference, options);
            ASSERT_EQ(testing::snapshot(indexed), testing::snapshot(reference)) << "seed " << seed;
            ASSERT_EQ(removed.channels, expected.channels) << "seed " << seed;
            ASSERT_EQ(removed.providers, expected.providers) << "seed " << seed;
            ASSERT_EQ(indexed.itemCount(), reference.itemCount());
            providersRemoved += static_cast<int>(removed.providers);
            // Nothing equal is left.
            ASSERT_TRUE(findDuplicates(indexed, options).empty()) << "seed " << seed;
        }
    }
    EXPECT_GT(groupsSeen, 5000);
    EXPECT_GT(providersRemoved, 300);
}

// P[Alpha 7, alpha 7, "Alpha  " 7, Beta 8] Q[Alpha 7] E[] R[Beta 65535] and a
// channel Alpha 7 at the top level.
class DuplicateCases : public ::testing::Test {
protected:
    ChannelTree tree{TreeKind::Television};

    void add(TreeItem* provider, std::string_view name, std::uint16_t serviceId, std::uint32_t frequency = 11836000) {
        ChannelRecord record = testing::channelRecord(name, tree.serviceType(), frequency);
        record.serviceId = serviceId;
        addChannel(tree, provider, record);
    }

    void SetUp() override {
        TreeItem* p = addProvider(tree, "P");
        add(p, "Alpha", 7);
        add(p, "alpha", 7, 11954000);
        add(p, "Alpha  ", 7);
        add(p, "Beta", 8);
        add(addProvider(tree, "Q"), "Alpha", 7);
        addProvider(tree, "E");
        add(addProvider(tree, "R"), "Beta", 65535);
        ChannelRecord top = testing::channelRecord("Alpha", tree.serviceType());
        top.serviceId = 7;
        tree.appendItem(nullptr, TreeItem::makeChannel(top));
    }

    std::vector<std::vector<Place>> groups(CompareOptions options) { return placesOf(findDuplicates(tree, options)); }
};

TEST_F(DuplicateCases, EachKeyGroupsWhatItShould) {
    using Groups = std::vector<std::vector<Place>>;
    EXPECT_EQ(groups({true, true, false}), (Groups{{{0, 0}, {0, 2}, {1, 0}}}));
    EXPECT_EQ(groups({true, false, false}), (Groups{{{0, 0}, {0, 2}, {1, 0}}, {{0, 3}, {3, 0}}}));
    EXPECT_EQ(groups({false, true, false}), (Groups{{{0, 0}, {0, 1}, {0, 2}, {1, 0}}}));
    // Tuning: "alpha" is on another frequency; Beta 8 and Beta 65535 differ in the Service ID.
    EXPECT_EQ(groups({false, true, true}), (Groups{{{0, 0}, {0, 2}, {1, 0}}}));
}

TEST_F(DuplicateCases, RemovalKeepsTheFirstAndAProviderThatWasEmpty) {
    const RemovedCounts removed = removeDuplicates(tree, {true, true, false});
    EXPECT_EQ(removed.channels, 2u);
    EXPECT_EQ(removed.providers, 1u);
    EXPECT_EQ(shapeOf(tree), "P[Alpha,alpha,Beta] E R[Beta] Alpha");

    const RemovedCounts byName = removeDuplicates(tree, {true, false, false});
    EXPECT_EQ(byName.channels, 1u);
    EXPECT_EQ(byName.providers, 1u);
    EXPECT_EQ(shapeOf(tree), "P[Alpha,alpha,Beta] E Alpha");

    const RemovedCounts again = removeDuplicates(tree, {true, false, false});
    EXPECT_EQ(again.channels, 0u);
    EXPECT_EQ(again.providers, 0u);
}

}  // namespace
}  // namespace qvx
