// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random trees for the differential tests of the comparison, the duplicate
// search and the diff. Fixed seeds keep every run the same.

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/ChannelTree.h"

namespace qvx::testing {

// Trees rich in the cases that tell a wrong index from the plain search: many
// equal names, names equal only after stripping blanks, equal Service IDs
// under different names, tunings one field apart, empty providers, channels
// at the top level and empty trees.

struct ChannelPlan {
    std::string nameBytes;  // up to 32 bytes, written into the field as they are
    std::uint16_t serviceId;
    std::uint32_t frequency = 12000000;
    std::uint32_t symbolRate = 27500000;
    std::uint8_t polarity = 0;
};

struct TopPlan {
    bool isChannel;
    ChannelPlan self;
    std::vector<ChannelPlan> children;
};

using TreePlan = std::vector<TopPlan>;

class Generator {
public:
    explicit Generator(std::uint32_t seed) : random_(seed) {}

    TreePlan tree() {
        TreePlan plan;
        if (chance(10)) return plan;  // empty tree
        const bool larger = chance(15);
        const unsigned tops = below(larger ? 12 : 6) + 1;
        for (unsigned t = 0; t < tops; ++t) {
            TopPlan top;
            top.isChannel = chance(12);
            top.self = channel();
            // Channels at the top level seldom have children; providers are often empty.
            const unsigned children = top.isChannel ? (chance(20) ? below(3) : 0)
                                                    : (chance(25) ? 0 : below(larger ? 20 : 7));
            for (unsigned c = 0; c < children; ++c) top.children.push_back(channel());
            plan.push_back(std::move(top));
        }
        return plan;
    }

private:
    bool chance(unsigned percent) { return random_() % 100 < percent; }
    unsigned below(unsigned limit) { return static_cast<unsigned>(random_() % limit); }

    ChannelPlan channel() {
        static const std::vector<std::string> names = {
            "Alpha", "Alpha ", "Alpha  ", "alpha", " Alpha", "Alpha\t", "Beta", "Beta   ", "Gamma", "",
            "  ", std::string("Ab\0zz", 5), std::string("Ab\0yy", 5), "Ab",
            std::string(31, 'n'), std::string(32, 'n'), std::string(31, 'n') + ' ', std::string(32, ' '),
        };
        static const std::uint16_t ids[] = {0, 1, 2, 3, 28006, 65535};
        // Tunings that differ in one field only, or in the high half of a value.
        static const std::uint32_t frequencies[] = {11836000, 11836001, 11836000u + (1u << 16)};
        static const std::uint32_t symbolRates[] = {27500000, 22000000};
        ChannelPlan plan{names[below(static_cast<unsigned>(names.size()))], ids[below(6)]};
        plan.frequency = frequencies[below(3)];
        plan.symbolRate = chance(80) ? symbolRates[0] : symbolRates[1];
        plan.polarity = static_cast<std::uint8_t>(chance(80) ? 0 : 1);
        return plan;
    }

    std::mt19937 random_;
};

inline ChannelRecord recordOf(const ChannelPlan& plan, bool isChannel, std::uint8_t kind) {
    ChannelRecord record = isChannel ? ChannelRecord::newChannel(kind) : ChannelRecord::newProvider(kind);
    std::memset(record.name, 0, sizeof record.name);
    std::memcpy(record.name, plan.nameBytes.data(), plan.nameBytes.size());
    record.serviceId = plan.serviceId;
    record.frequency = plan.frequency;
    record.symbolRate = plan.symbolRate;
    record.polarity = plan.polarity;
    return record;
}

inline void build(ChannelTree& tree, const TreePlan& plan) {
    for (const TopPlan& top : plan) {
        const ChannelRecord record = recordOf(top.self, top.isChannel, tree.serviceType());
        TreeItem* item = tree.appendItem(nullptr, top.isChannel ? TreeItem::makeChannel(record)
                                                                : TreeItem::makeProvider(record));
        for (const ChannelPlan& child : top.children)
            tree.appendItem(item, TreeItem::makeChannel(recordOf(child, true, tree.serviceType())));
    }
}

// Everything a tree holds, in order: level, label and record image of each item.
struct Snapshot {
    std::vector<int> levels;
    std::vector<std::string> labels;
    std::vector<RecordImage> images;
    bool operator==(const Snapshot&) const = default;
};

inline Snapshot snapshot(const ChannelTree& tree) {
    Snapshot shot;
    for (const auto& top : tree.topLevelItems()) {
        shot.levels.push_back(0);
        shot.labels.push_back(top->label());
        shot.images.push_back(top->record().image());
        for (const auto& child : top->children()) {
            shot.levels.push_back(1);
            shot.labels.push_back(child->label());
            shot.images.push_back(child->record().image());
        }
    }
    return shot;
}

}  // namespace qvx::testing
