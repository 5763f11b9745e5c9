// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lists for the benchmarks that compare them: many channels under providers
// of a hundred each, names from a small pool.

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/ChannelTree.h"

namespace qvx::bench {

struct Channel {
    std::string name;
    std::uint16_t serviceId;
};

constexpr int kChannelsPerProvider = 100;

// List 1 and list 2 with `count` channels each: half of list 2 are copies of
// channels of list 1, in shuffled order; names come from a pool far smaller
// than the lists, so most names occur many times, some with trailing blanks.
struct ListPair {
    std::vector<Channel> first;
    std::vector<Channel> second;
};

inline ListPair makePair(std::size_t count, std::uint32_t seed) {
    std::mt19937 random(seed);
    const std::size_t poolSize = std::max<std::size_t>(count / 20, 1);
    auto fresh = [&] {
        std::string name = "Channel " + std::to_string(random() % poolSize);
        if (random() % 10 == 0) name += "  ";
        return Channel{name, static_cast<std::uint16_t>(random() & 0xFFFF)};
    };
    ListPair pair;
    for (std::size_t i = 0; i < count; ++i) pair.first.push_back(fresh());
    std::vector<Channel> shared(pair.first.begin(), pair.first.begin() + static_cast<long>(count / 2));
    pair.second = shared;
    while (pair.second.size() < count) pair.second.push_back(fresh());
    std::shuffle(pair.second.begin(), pair.second.end(), random);
    std::shuffle(pair.first.begin(), pair.first.end(), random);
    return pair;
}

inline void fill(ChannelTree& tree, const std::vector<Channel>& channels) {
    ChannelTree::BulkChange bulk(tree);
    TreeItem* provider = nullptr;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        if (i % kChannelsPerProvider == 0) {
            ChannelRecord record = ChannelRecord::newProvider(tree.serviceType());
            record.setName("Provider " + std::to_string(i / kChannelsPerProvider));
            provider = tree.appendItem(nullptr, TreeItem::makeProvider(record));
        }
        ChannelRecord record = ChannelRecord::newChannel(tree.serviceType());
        record.setName(channels[i].name);
        record.serviceId = channels[i].serviceId;
        tree.appendItem(provider, TreeItem::makeChannel(record));
    }
}

}  // namespace qvx::bench
