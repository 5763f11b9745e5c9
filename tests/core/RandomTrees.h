// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Random trees for the differential tests of the comparison, the duplicate
// search and the diff. Fixed seeds keep every run the same.

#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "compare/LiteralCompare.h"
#include "model/ChannelTree.h"
#include "model/Windows1252.h"

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
    // A whole name carried from a text format (UTF-8); the record's name is
    // then its windows-1252 rendering, unless nameBytes says the user renamed it.
    std::string fullName = {};
    bool renamed = false;
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
        // Whole names that render alike in windows-1252 ("CT1"), and one renamed since.
        static const std::vector<std::string> wholeNames = {"\xC4\x8CT1", "\xC4\x8CT1 ", "\xC4\x8DT1",
                                                            "\xD0\xA0\xD0\xA2\xD0\xA0", "Alpha"};
        if (chance(15)) {
            plan.fullName = wholeNames[below(static_cast<unsigned>(wholeNames.size()))];
            plan.renamed = chance(20);
        }
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
    if (!plan.fullName.empty() && !plan.renamed)
        record.setName(closestWindows1252(plan.fullName));
    else
        std::memcpy(record.name, plan.nameBytes.data(), plan.nameBytes.size());
    record.serviceId = plan.serviceId;
    record.frequency = plan.frequency;
    record.symbolRate = plan.symbolRate;
    record.polarity = plan.polarity;
    return record;
}

// The comparison's rule, spelled out plainly: a channel that carries a
// whole name, and still has the record name that name renders to, is known
// by that whole name (trailing blanks aside) and equals only channels known
// by the same one.
inline bool referenceEqualChannels(const TreeItem& a, const TreeItem& b, CompareOptions options) {
    const auto wholeName = [](const TreeItem& item) -> std::optional<std::string> {
        if (!item.carried()) return std::nullopt;
        std::string whole(item.carried()->field(carried::kFullName));
        if (whole.empty() || closestWindows1252(whole).substr(0, 31) != item.record().nameText()) return std::nullopt;
        while (!whole.empty() && whole.back() == ' ') whole.pop_back();
        return whole;
    };
    if (options.byName) {
        const std::optional<std::string> first = wholeName(a);
        const std::optional<std::string> second = wholeName(b);
        if (first || second) {
            if (first != second) return false;
            options.byName = false;
        }
    }
    return equalChannels(a.record(), b.record(), options);
}

inline CarriedPtr carriedOf(const ChannelPlan& plan) {
    if (plan.fullName.empty()) return nullptr;
    return makeCarried("vdr", 1, {{carried::kFullName, plan.fullName}});
}

inline void build(ChannelTree& tree, const TreePlan& plan) {
    for (const TopPlan& top : plan) {
        const ChannelRecord record = recordOf(top.self, top.isChannel, tree.serviceType());
        TreeItem* item = tree.appendItem(nullptr, top.isChannel ? TreeItem::makeChannel(record)
                                                                : TreeItem::makeProvider(record));
        for (const ChannelPlan& child : top.children)
            tree.appendItem(item, TreeItem::makeChannel(recordOf(child, true, tree.serviceType()), carriedOf(child)));
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
