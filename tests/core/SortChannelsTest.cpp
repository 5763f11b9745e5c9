// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "FormatTestSupport.h"
#include "RandomTrees.h"
#include "editing/SortChannels.h"

namespace qvx {
namespace {

using testing::addChannel;
using testing::addProvider;
using testing::shapeOf;

// Names as bytes without trailing blanks: "B" (0x42) < "a" = "a  " < "b" < "\xC4" (Ä, 0xC4).
TEST(SortChannels, NamesAsBytesNumbersAsNumbersEqualKeysKeepTheirOrder) {
    ChannelTree tree(TreeKind::Television);
    TreeItem* p = addProvider(tree, "P");
    struct Row {
        const char* name;
        std::uint32_t frequency;
        std::uint16_t serviceId;
    };
    for (const Row& row : {Row{"b", 10, 65535}, Row{"\xC4", 9, 2}, Row{"a  ", 4294967295u, 2}, Row{"B", 100, 300},
                           Row{"a", 9, 0}}) {
        ChannelRecord record = testing::channelRecord(row.name, 1, row.frequency);
        record.serviceId = row.serviceId;
        addChannel(tree, p, record);
    }
    TreeItem* q = addProvider(tree, "Q");
    addChannel(tree, q, "z");
    addChannel(tree, q, "y");

    sortChannels(tree, nullptr, SortKey::Name);
    EXPECT_EQ(shapeOf(tree), "P[B,a  ,a,b,\xC4] Q[y,z]");
    sortChannels(tree, nullptr, SortKey::Frequency);
    EXPECT_EQ(shapeOf(tree), "P[a,\xC4,b,B,a  ] Q[y,z]");
    sortChannels(tree, nullptr, SortKey::ServiceId);
    EXPECT_EQ(shapeOf(tree), "P[a,\xC4,a  ,B,b] Q[y,z]");
    // One provider only.
    sortChannels(tree, p, SortKey::Name);
    EXPECT_EQ(shapeOf(tree), "P[B,a,a  ,b,\xC4] Q[y,z]");
}

TEST(SortChannels, ProvidersByNameEachWithItsChannels) {
    ChannelTree tree(TreeKind::Radio);
    addChannel(tree, addProvider(tree, "ZDF"), "c");
    addChannel(tree, addProvider(tree, "ARD  "), "b");
    addChannel(tree, addProvider(tree, "ARD"), "a");
    addProvider(tree, "MDR");
    sortProviders(tree);
    EXPECT_EQ(shapeOf(tree), "ARD  [b] ARD[a] MDR ZDF[c]");
    for (int row = 0; row < tree.topLevelCount(); ++row) {
        EXPECT_EQ(tree.topLevelItem(row)->row(), row);
        for (const auto& child : tree.topLevelItem(row)->children()) EXPECT_EQ(child->parent(), tree.topLevelItem(row));
    }
}

// Against a sort of (key, original place) pairs, which needs no stability:
// every record keeps its bytes and lands where the reference puts it.
TEST(SortChannelsDifferential, StableSortOfRandomTrees) {
    for (std::uint32_t seed = 1; seed <= 500; ++seed) {
        testing::Generator generator(seed);
        const testing::TreePlan plan = generator.tree();
        for (const SortKey key : {SortKey::Name, SortKey::Frequency, SortKey::ServiceId}) {
            ChannelTree tree(TreeKind::Television);
            testing::build(tree, plan);
            std::vector<std::vector<RecordImage>> expected;
            for (const auto& top : tree.topLevelItems()) {
                std::vector<std::tuple<std::string, std::uint64_t, std::size_t, RecordImage>> keyed;
                for (const auto& child : top->children()) {
                    const ChannelRecord& r = child->record();
                    std::string name(r.nameText());
                    while (!name.empty() && name.back() == ' ') name.pop_back();
                    const std::uint64_t number = key == SortKey::Frequency ? r.frequency : r.serviceId;
                    keyed.emplace_back(key == SortKey::Name ? name : std::string(), key == SortKey::Name ? 0 : number,
                                       keyed.size(), r.image());
                }
                std::sort(keyed.begin(), keyed.end());
                std::vector<RecordImage>& images = expected.emplace_back();
                for (const auto& entry : keyed) images.push_back(std::get<3>(entry));
            }
            sortChannels(tree, nullptr, key);
            ASSERT_EQ(static_cast<std::size_t>(tree.topLevelCount()), expected.size());
            for (std::size_t t = 0; t < expected.size(); ++t) {
                std::vector<RecordImage> images;
                for (const auto& child : tree.topLevelItem(static_cast<int>(t))->children()) {
                    images.push_back(child->record().image());
                    ASSERT_EQ(child->label(), std::string(child->record().nameText()));
                }
                ASSERT_EQ(images, expected[t]) << "seed " << seed;
            }
        }
    }
}

}  // namespace
}  // namespace qvx
