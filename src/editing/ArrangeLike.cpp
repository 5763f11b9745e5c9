// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ArrangeLike.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "compare/ChannelIndex.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

constexpr std::uint32_t kNone = ChannelIndex::kNone;

// The top-level items of a tree by name, each name's items in tree order.
class ProvidersByName {
public:
    explicit ProvidersByName(const ChannelTree& tree) {
        std::string storage;
        rows_.reserve(static_cast<std::size_t>(tree.topLevelCount()));
        for (const auto& top : tree.topLevelItems()) {
            Rows& rows = rows_[std::string(comparisonName(*top, storage))];
            rows.rows.push_back(static_cast<std::uint32_t>(top->row()));
        }
    }

    // The first item named `name` not taken yet, which is taken now; kNone when none is left.
    std::uint32_t take(const std::string& name) {
        const auto found = rows_.find(name);
        if (found == rows_.end() || found->second.next == found->second.rows.size()) return kNone;
        return found->second.rows[found->second.next++];
    }
    // The first item named `name`, taken or not; kNone when there is none.
    std::uint32_t first(const std::string& name) const {
        const auto found = rows_.find(name);
        return found == rows_.end() ? kNone : found->second.rows.front();
    }

private:
    struct Rows {
        std::vector<std::uint32_t> rows;
        std::size_t next = 0;
    };
    std::unordered_map<std::string, Rows> rows_;
};

}  // namespace

ArrangedCounts arrangeLike(ChannelTree& tree, const ChannelTree& reference, CompareOptions options) {
    ArrangedCounts counts;
    const auto topCount = static_cast<std::size_t>(tree.topLevelCount());
    counts.providers = topCount;

    // The channels that take part, numbered as the index numbers them.
    std::vector<TreeItem*> channels;
    channels.reserve(tree.itemCount());
    for (const auto& top : tree.topLevelItems())
        for (const auto& channel : top->children()) channels.push_back(channel.get());
    counts.channels = channels.size();

    // Top-level items: each of the reference, in its order, takes the first of this tree named like it.
    ProvidersByName providers(tree);
    std::vector<std::uint32_t> providerFor;  // per top-level item of the reference: this tree's row, or kNone
    providerFor.reserve(static_cast<std::size_t>(reference.topLevelCount()));
    std::vector<bool> providerPlaced(topCount, false);
    std::vector<TreeItem*> topOrder;
    topOrder.reserve(topCount);
    std::string storage;
    for (const auto& top : reference.topLevelItems()) {
        const std::string name(comparisonName(*top, storage));
        const std::uint32_t row = providers.take(name);
        if (row != kNone) {
            providerPlaced[row] = true;
            topOrder.push_back(tree.topLevelItem(static_cast<int>(row)));
        }
        providerFor.push_back(row != kNone ? row : providers.first(name));
    }
    counts.providersPlaced = topOrder.size();
    for (std::size_t row = 0; row < topCount; ++row)
        if (!providerPlaced[row]) topOrder.push_back(tree.topLevelItem(static_cast<int>(row)));

    // Channels: each of the reference, in its order, takes the first equal one of this tree
    // still left, and sends it under its provider's counterpart.
    std::vector<std::vector<TreeItem*>> childrenOf(topCount);
    std::vector<bool> placed(channels.size(), false);
    {
        ChannelIndex index(tree, options);
        for (const auto& top : reference.topLevelItems()) {
            const std::uint32_t target = providerFor[static_cast<std::size_t>(top->row())];
            for (const auto& channel : top->children()) {
                const std::uint32_t number = index.takeFirst(ChannelKey::of(*channel, options, storage));
                if (number == kNone) continue;
                placed[number] = true;
                TreeItem* item = channels[number];
                const auto under = target != kNone ? target : static_cast<std::uint32_t>(item->parent()->row());
                childrenOf[under].push_back(item);
            }
        }
    }
    for (std::size_t number = 0; number < channels.size(); ++number) {
        if (placed[number]) {
            ++counts.channelsPlaced;
            continue;
        }
        TreeItem* item = channels[number];
        childrenOf[static_cast<std::size_t>(item->parent()->row())].push_back(item);
    }

    std::vector<TreeItem*> order;
    order.reserve(tree.itemCount());
    for (TreeItem* top : topOrder) {
        order.push_back(top);
        const std::vector<TreeItem*>& children = childrenOf[static_cast<std::size_t>(top->row())];
        order.insert(order.end(), children.begin(), children.end());
    }
    tree.rearrange(order);
    return counts;
}

}  // namespace qvx
