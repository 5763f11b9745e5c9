// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "compare/CompareOptions.h"
#include "model/ChannelTree.h"

namespace qvx {

// Visits the channels that take part in a comparison: the children of the
// top-level items, in tree order. Their count in this order is a channel's
// number in the comparison.
template <typename Visit>
void forEachComparedChannel(const ChannelTree& tree, Visit&& visit) {
    for (const auto& top : tree.topLevelItems())
        for (const auto& channel : top->children()) visit(*channel);
}

// The part of a channel that the chosen options compare (a switched-off part is
// left empty), with its hash worked out once.
struct ChannelKey {
    std::string_view name;
    std::uint16_t serviceId = 0;
    std::uint8_t polarity = 0;
    std::uint32_t frequency = 0;
    std::uint32_t symbolRate = 0;
    std::uint64_t hash = 0;

    static ChannelKey of(const ChannelRecord& record, CompareOptions options);
    // The key of an item: its carried whole name where it has one (see
    // comparisonName); `nameStorage` holds that name while the key is used.
    static ChannelKey of(const TreeItem& item, CompareOptions options, std::string& nameStorage);
    bool operator==(const ChannelKey& other) const {
        return hash == other.hash && serviceId == other.serviceId && polarity == other.polarity &&
               frequency == other.frequency && symbolRate == other.symbolRate && name == other.name;
    }
};

// The channels under the top-level items of a tree, grouped by key, each group
// a queue in tree order. Taking from the front of a group gives what a search
// from the top of the tree would find, as every earlier channel of the group
// has been taken already. The tree must not change while the index is used.
//
// An open-addressing table over the groups, holding copies of the keys: the
// comparison of two lists of 100,000 channels must take a fraction of a
// second, and a node-based map spends most of that on allocations and on
// scattered reads of records.
class ChannelIndex final {
public:
    ChannelIndex(const ChannelTree& tree, CompareOptions options);

    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    // Takes the first channel still left in the group of `key` and gives its
    // number (see forEachComparedChannel); kNone when none is left.
    std::uint32_t takeFirst(const ChannelKey& key);

    // Visits every group of equal channels in the order of its first channel,
    // with the numbers of all its channels in tree order. The groups are as
    // built: channels taken since do not change them.
    template <typename Visit>
    void forEachGroup(Visit&& visit) const {
        std::vector<std::uint32_t> members;
        for (const Group& group : groups_) {
            members.clear();
            for (std::uint32_t entry = group.first; entry != kNone; entry = next_[entry]) members.push_back(entry);
            visit(std::as_const(members));
        }
    }

private:

    struct Group {
        std::uint64_t hash;
        std::uint32_t frequency;
        std::uint32_t symbolRate;
        std::uint16_t serviceId;
        std::uint8_t polarity;
        std::uint32_t nameOffset;  // the name, in names_
        std::uint32_t nameLength;
        std::uint32_t first;  // first channel of the group
        std::uint32_t head;   // first channel still left, or kNone
        std::uint32_t tail;   // last channel added while building
    };
    ChannelKey keyOf(const Group& group) const {
        return {std::string_view(names_).substr(group.nameOffset, group.nameLength),
                group.serviceId,
                group.polarity,
                group.frequency,
                group.symbolRate,
                group.hash};
    }

    // A slot holds the upper half of its group's hash beside the group number
    // + 1 (0 when free), so that most probes of other keys stop at the slot.
    struct Slot {
        std::uint32_t hashHigh;
        std::uint32_t group;
    };

    std::size_t slotOf(const ChannelKey& key) const;

    std::vector<std::uint32_t> next_;  // per channel: the next one of its group, or kNone
    std::vector<Group> groups_;
    // Every group's name one after the other: most are short, a carried whole name may be long.
    std::string names_;
    std::vector<Slot> slots_;
    int shift_ = 0;
};

}  // namespace qvx
