// SPDX-License-Identifier: GPL-3.0-or-later
// Where the items of a list go among the lines of a text file: an untouched
// list comes back in its file's order, and every parent's items keep their
// tree order whatever was moved, added or removed.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "formats/FileOrder.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

constexpr std::string_view kFormat = "vdr";

std::unique_ptr<TreeItem> item(bool channel, std::uint8_t kind, const std::string& name, std::uint32_t place) {
    ChannelRecord record = channel ? ChannelRecord::newChannel(kind) : ChannelRecord::newProvider(kind);
    record.setName(name);
    CarriedPtr carried = place == 0 ? nullptr : makeCarried(kFormat, place, {});
    return channel ? TreeItem::makeChannel(record, carried) : TreeItem::makeProvider(record, carried);
}

// A file as a reader builds it: group lines (both trees get the provider,
// as for a group holding both kinds) and channels of either kind, places
// counted from 1 in file order. `grouped` false: no group lines, providers
// made up from a name per channel in order of first appearance.
void readRandomFile(ChannelList& list, std::mt19937& random, bool grouped) {
    std::uint32_t place = 0;
    std::map<std::string, TreeItem*> madeUp[2];
    TreeItem* current[2] = {nullptr, nullptr};
    const int lines = 40 + static_cast<int>(random() % 40);
    for (int line = 0; line < lines; ++line) {
        ++place;
        if (grouped && (line == 0 || random() % 6 == 0)) {
            const std::string name = "G" + std::to_string(place);
            current[0] = list.television().appendItem(nullptr, item(false, 1, name, place));
            current[1] = list.radio().appendItem(nullptr, item(false, 2, name, place));
            continue;
        }
        const int tree = random() % 3 == 0 ? 1 : 0;
        ChannelTree& target = tree == 0 ? list.television() : list.radio();
        TreeItem* parent = current[tree];
        if (!grouped) {
            const std::string provider = "P" + std::to_string(random() % 4);
            TreeItem*& made = madeUp[tree][provider];
            if (!made) made = target.appendItem(nullptr, item(false, target.serviceType(), provider, 0));
            parent = made;
        }
        target.appendItem(parent, item(true, target.serviceType(), "c" + std::to_string(place), place));
    }
}

// Moves, adds and removes channels and providers at random.
void editAtRandom(ChannelList& list, std::mt19937& random) {
    for (int step = 0; step < 12; ++step) {
        ChannelTree& tree = random() % 2 == 0 ? list.television() : list.radio();
        if (tree.topLevelCount() == 0) continue;
        TreeItem* provider = tree.topLevelItem(static_cast<int>(random() % tree.topLevelCount()));
        TreeItem* target = tree.topLevelItem(static_cast<int>(random() % tree.topLevelCount()));
        switch (random() % 4) {
        case 0:  // a channel moved anywhere under any provider
            if (provider->hasChildren()) {
                TreeItem* channel = provider->child(static_cast<int>(random() % provider->childCount()));
                auto moved = std::make_unique<TreeItem>(channel->record(), channel->label(), channel->looks(),
                                                        channel->carried());
                tree.removeItem(channel);
                tree.insertItem(target, static_cast<int>(random() % (target->childCount() + 1)), std::move(moved));
            }
            break;
        case 1:  // a new channel
            tree.insertItem(target, static_cast<int>(random() % (target->childCount() + 1)),
                            item(true, tree.serviceType(), "new", 0));
            break;
        case 2:  // a provider moved among the providers
        {
            auto moved = std::make_unique<TreeItem>(provider->record(), provider->label(), provider->looks(),
                                                    provider->carried());
            for (const auto& child : provider->children())
                moved->appendDetachedChild(std::make_unique<TreeItem>(child->record(), child->label(),
                                                                      child->looks(), child->carried()));
            tree.removeItem(provider);
            tree.insertItem(nullptr, static_cast<int>(random() % (tree.topLevelCount() + 1)), std::move(moved));
            break;
        }
        default:
            if (provider->hasChildren()) tree.removeItem(provider->child(0));
        }
    }
}

// The position of each item in the file order.
std::map<const TreeItem*, std::size_t> positions(const std::vector<PlacedItem>& order) {
    std::map<const TreeItem*, std::size_t> at;
    for (std::size_t i = 0; i < order.size(); ++i) at[order[i].item] = i;
    return at;
}

std::vector<PlacedItem> flattened(const std::vector<PlacedGroup>& groups) {
    std::vector<PlacedItem> order;
    for (const PlacedGroup& group : groups) order.insert(order.end(), group.channels.begin(), group.channels.end());
    return order;
}

void expectSiblingsInTreeOrder(const ChannelList& list, const std::vector<PlacedItem>& order) {
    const auto at = positions(order);
    for (const ChannelTree* tree : {&list.television(), &list.radio()})
        for (const auto& provider : tree->topLevelItems())
            for (int row = 1; row < provider->childCount(); ++row)
                EXPECT_LT(at.at(provider->child(row - 1)), at.at(provider->child(row)))
                    << provider->label() << " row " << row;
}

TEST(FileOrder, AnUntouchedListKeepsItsLinesAndEditsKeepEveryParentsOrder) {
    for (const bool grouped : {true, false}) {
        for (std::uint32_t seed = 1; seed <= 60; ++seed) {
            SCOPED_TRACE((grouped ? "grouped, seed " : "flat, seed ") + std::to_string(seed));
            std::mt19937 random(seed);
            ChannelList list;
            readRandomFile(list, random, grouped);
            const std::vector<PlacedItem> untouched =
                grouped ? flattened(groupsInFileOrder(list)) : channelsInFileOrder(list);
            for (std::size_t i = 1; i < untouched.size(); ++i)
                ASSERT_LT(untouched[i - 1].item->carried()->place(), untouched[i].item->carried()->place());

            editAtRandom(list, random);
            const std::vector<PlacedItem> edited =
                grouped ? flattened(groupsInFileOrder(list)) : channelsInFileOrder(list);
            EXPECT_EQ(edited.size(), list.television().itemCount() + list.radio().itemCount() -
                                         static_cast<std::size_t>(list.television().topLevelCount() +
                                                                  list.radio().topLevelCount()));
            expectSiblingsInTreeOrder(list, edited);
        }
    }
}

TEST(FileOrder, GroupsOfBothKindsJoinWhileTheirNamesAgreeAndKeepTheirOrder) {
    ChannelList list;
    TreeItem* news = list.television().appendItem(nullptr, item(false, 1, "News", 1));
    list.television().appendItem(news, item(true, 1, "tv", 2));
    TreeItem* radioNews = list.radio().appendItem(nullptr, item(false, 2, "News", 1));
    list.radio().appendItem(radioNews, item(true, 2, "radio", 3));
    TreeItem* music = list.radio().appendItem(nullptr, item(false, 2, "Music", 4));
    list.radio().appendItem(music, item(true, 2, "m", 5));

    std::vector<PlacedGroup> groups = groupsInFileOrder(list);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].television, news);
    EXPECT_EQ(groups[0].radio, radioNews);
    EXPECT_EQ(groups[0].channels.size(), 2u);
    EXPECT_EQ(groups[1].provider(), music);

    // Renamed in one tree, the two halves are two groups.
    list.radio().setLabel(radioNews, "Nachrichten");
    groups = groupsInFileOrder(list);
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].television, news);
    EXPECT_EQ(groups[0].radio, nullptr);
}

// A list converted from another text format keeps the order of the file it
// was read from; one without places at all is Television, then Radio.
TEST(FileOrder, AListWithoutPlacesOfTheWrittenFormatKeepsTheOrderItWasReadIn) {
    const auto labels = [](const std::vector<PlacedItem>& order) {
        std::string text;
        for (const PlacedItem& placed : order) text += placed.item->label() + ' ';
        return text;
    };
    for (const bool placed : {true, false}) {
        SCOPED_TRACE(placed ? "read from another format" : "without places");
        ChannelList list;
        TreeItem* television = list.television().appendItem(nullptr, item(false, 1, "P", 0));
        TreeItem* radio = list.radio().appendItem(nullptr, item(false, 2, "P", 0));
        // In the other file: r1 t1 r2 t2.
        const auto add = [&](ChannelTree& tree, TreeItem* provider, const std::string& name, std::uint32_t place) {
            ChannelRecord record = ChannelRecord::newChannel(tree.serviceType());
            record.setName(name);
            tree.appendItem(provider, TreeItem::makeChannel(record, placed ? makeCarried("zap", place, {}) : nullptr));
        };
        add(list.television(), television, "t1", 2);
        add(list.radio(), radio, "r1", 1);
        add(list.television(), television, "t2", 4);
        add(list.radio(), radio, "r2", 3);
        EXPECT_EQ(labels(channelsInFileOrder(list)), placed ? "r1 t1 r2 t2 " : "t1 t2 r1 r2 ");
        // Group lines follow their providers, which have no places here: Television's group first.
        EXPECT_EQ(labels(flattened(groupsInFileOrder(list))), "t1 t2 r1 r2 ");
    }
}

// A channel copied in from another file of the same format has a place of
// that file: it follows its predecessor like a new one.
TEST(FileOrder, PlacesOfAnotherFileCountAsNone) {
    ChannelList list;
    list.setCarried(makeCarried(kFormat, 0, {}, 7));
    const auto add = [&](ChannelTree& tree, const std::string& name, std::uint32_t place, std::uint64_t file) {
        if (tree.empty()) tree.appendItem(nullptr, item(false, tree.serviceType(), "P", 0));
        ChannelRecord record = ChannelRecord::newChannel(tree.serviceType());
        record.setName(name);
        tree.appendItem(tree.topLevelItem(0), TreeItem::makeChannel(record, makeCarried(kFormat, place, {}, file)));
    };
    add(list.television(), "a", 10, 7);
    add(list.television(), "b", 12, 7);
    add(list.television(), "copied", 30, 8);  // line 30 of the other file
    add(list.radio(), "r", 25, 7);
    std::string order;
    for (const PlacedItem& placed : channelsInFileOrder(list)) order += placed.item->label() + ' ';
    EXPECT_EQ(order, "a b copied r ");
}

}  // namespace
}  // namespace qvx
