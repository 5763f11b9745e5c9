// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/ChannelIndex.h"

#include <algorithm>
#include <bit>
#include <functional>


namespace qvx {

ChannelKey ChannelKey::of(const ChannelRecord& record, CompareOptions options) {
    ChannelKey key;
    if (options.byName) key.name = comparisonName(record);
    if (options.byServiceId) key.serviceId = record.serviceId;
    if (options.byTuning) {
        key.frequency = record.frequency;
        key.symbolRate = record.symbolRate;
        key.polarity = record.polarity;
    }
    const std::uint64_t tuning =
        (std::uint64_t{key.frequency} << 32 | key.symbolRate) * 0x9E3779B97F4A7C15ULL ^ key.polarity;
    key.hash = std::hash<std::string_view>{}(key.name) ^ (std::uint64_t{key.serviceId} << 17) ^ tuning;
    return key;
}

ChannelKey ChannelKey::of(const TreeItem& item, CompareOptions options, std::string& nameStorage) {
    ChannelKey key = of(item.record(), options);
    if (!options.byName || !item.carried()) return key;
    const std::string_view name = comparisonName(item, nameStorage);
    if (name.data() == key.name.data()) return key;
    key.hash ^= std::hash<std::string_view>{}(key.name) ^ std::hash<std::string_view>{}(name);
    key.name = name;
    return key;
}

ChannelIndex::ChannelIndex(const ChannelTree& tree, CompareOptions options) {
    const std::size_t count = tree.itemCount();
    next_.reserve(count);
    groups_.reserve(count);
    // At most half full, so that probe runs stay short.
    const std::size_t capacity = std::bit_ceil(2 * count + 2);
    slots_.assign(capacity, Slot{0, 0});
    shift_ = 64 - std::countr_zero(capacity);

    names_.reserve(16 * count);
    std::string name;
    forEachComparedChannel(tree, [&](const TreeItem& channel) {
        const auto entry = static_cast<std::uint32_t>(next_.size());
        next_.push_back(kNone);
        const ChannelKey key = ChannelKey::of(channel, options, name);
        Slot& slot = slots_[slotOf(key)];
        if (slot.group == 0) {
            groups_.push_back(Group{key.hash, key.frequency, key.symbolRate, key.serviceId, key.polarity,
                                    static_cast<std::uint32_t>(names_.size()),
                                    static_cast<std::uint32_t>(key.name.size()), entry, entry, entry});
            names_ += key.name;
            slot = {static_cast<std::uint32_t>(key.hash >> 32), static_cast<std::uint32_t>(groups_.size())};
        } else {
            Group& group = groups_[slot.group - 1];
            next_[group.tail] = entry;
            group.tail = entry;
        }
    });
}

std::size_t ChannelIndex::slotOf(const ChannelKey& key) const {
    // Fibonacci hashing spreads keys that differ only in a few bits over the whole table.
    const std::size_t mask = slots_.size() - 1;
    const auto hashHigh = static_cast<std::uint32_t>(key.hash >> 32);
    std::size_t slot = static_cast<std::size_t>((key.hash * 0x9E3779B97F4A7C15ULL) >> shift_);
    while (slots_[slot].group != 0 &&
           (slots_[slot].hashHigh != hashHigh || keyOf(groups_[slots_[slot].group - 1]) != key))
        slot = (slot + 1) & mask;
    return slot;
}

std::uint32_t ChannelIndex::takeFirst(const ChannelKey& key) {
    const std::uint32_t group = slots_[slotOf(key)].group;
    if (group == 0) return kNone;
    std::uint32_t& head = groups_[group - 1].head;
    const std::uint32_t entry = head;
    if (entry != kNone) head = next_[entry];
    return entry;
}

}  // namespace qvx
