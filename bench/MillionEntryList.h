// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list the benchmarks measure: 10,000 providers of 99 channels each,
// every fourth provider in the Radio tree; 1,000,000 entries in all.

#include <cstdint>
#include <string>

#include "model/ChannelList.h"

namespace qvx::bench {

inline void fillMillionEntryList(ChannelList& list) {
    constexpr int kProviders = 10000;
    constexpr int kChannelsPerProvider = 99;
    for (int p = 0; p < kProviders; ++p) {
        ChannelTree& tree = p % 4 == 3 ? list.radio() : list.television();
        ChannelRecord provider = ChannelRecord::newProvider(tree.serviceType());
        provider.setName("Provider " + std::to_string(p));
        TreeItem* item = tree.appendItem(nullptr, TreeItem::makeProvider(provider));
        for (int c = 0; c < kChannelsPerProvider; ++c) {
            ChannelRecord channel = ChannelRecord::newChannel(tree.serviceType());
            channel.setName("Channel " + std::to_string(p) + "-" + std::to_string(c));
            channel.frequency = static_cast<std::uint32_t>(10700000 + (c * 19500) % 2050000);
            channel.symbolRate = c % 2 ? 27500000 : 22000000;
            channel.serviceId = static_cast<std::uint16_t>(p * 100 + c);
            channel.scrambled = static_cast<std::uint16_t>(c % 3 == 0);
            tree.appendItem(item, TreeItem::makeChannel(channel));
        }
    }
}

}  // namespace qvx::bench
