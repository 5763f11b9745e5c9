#include "compare/CompareTrees.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/ChannelList.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

// The part of a channel that the chosen options compare; a switched-off part is left empty.
struct Key {
    std::string_view name;
    std::uint16_t serviceId = 0;
    bool operator==(const Key&) const = default;
};

struct KeyHash {
    std::size_t operator()(const Key& key) const noexcept {
        return std::hash<std::string_view>{}(key.name) ^ (std::size_t{key.serviceId} * 0x9E3779B97F4A7C15ULL);
    }
};

Key keyOf(const ChannelRecord& record, CompareOptions options) {
    return {options.byName ? comparisonName(record) : std::string_view{},
            options.byServiceId ? record.serviceId : std::uint16_t{0}};
}

// The channels of a tree grouped by key, each group a queue in tree order.
// Taking from the front of a group is what the search from the top of the
// tree would find: every earlier channel of the group was taken already.
class ChannelIndex {
public:
    ChannelIndex(const ChannelTree& tree, CompareOptions options) : options_(options) {
        const std::size_t count = tree.itemCount();
        channels_.reserve(count);
        next_.reserve(count);
        groupOf_.reserve(count);
        std::vector<std::uint32_t> tails;
        for (const auto& provider : tree.topLevelItems()) {
            for (const auto& channel : provider->children()) {
                const auto entry = static_cast<std::uint32_t>(channels_.size());
                channels_.push_back(channel.get());
                next_.push_back(kNone);
                const auto [found, added] = groupOf_.try_emplace(keyOf(channel->record(), options_),
                                                                 static_cast<std::uint32_t>(heads_.size()));
                if (added) {
                    heads_.push_back(entry);
                    tails.push_back(entry);
                } else {
                    next_[tails[found->second]] = entry;
                    tails[found->second] = entry;
                }
            }
        }
    }

    // Takes the first channel still left in the group of `record`'s key; null when none is left.
    const TreeItem* takeFirstEqual(const ChannelRecord& record) {
        const auto found = groupOf_.find(keyOf(record, options_));
        if (found == groupOf_.end()) return nullptr;
        std::uint32_t& head = heads_[found->second];
        if (head == kNone) return nullptr;
        const std::uint32_t entry = head;
        head = next_[entry];
        return channels_[entry];
    }

private:
    static constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

    CompareOptions options_;
    std::vector<const TreeItem*> channels_;  // tree order
    std::vector<std::uint32_t> next_;        // per channel: the next one of its group
    std::vector<std::uint32_t> heads_;       // per group: the first channel still left
    std::unordered_map<Key, std::uint32_t, KeyHash> groupOf_;
};

bool isEmptyProvider(const TreeItem& item) { return !item.hasChildren() && item.record().isChannel == 0; }

// Removes the matched channels, then the providers left without channels, as one change.
void removeMatched(ChannelTree& tree, const std::unordered_set<const TreeItem*>& matched) {
    const auto& top = tree.topLevelItems();
    const bool emptyBefore =
        std::any_of(top.begin(), top.end(), [](const auto& item) { return isEmptyProvider(*item); });
    if (matched.empty() && !emptyBefore) return;
    ChannelTree::BulkChange bulk(tree);
    if (!matched.empty())
        tree.removeChildrenWhere([&](const TreeItem& channel) { return matched.contains(&channel); });
    RemoveEmptyProviders(tree);
}

}  // namespace

std::string_view comparisonName(const ChannelRecord& record) {
    std::string_view name = ChannelRecord::fieldText(record.name);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

bool CompareTrees(ChannelTree& treeA, ChannelTree& treeB, CompareOptions options, CompareProgress* progress) {
    if (treeA.empty() || treeB.empty()) return false;
    if (progress) progress->begin(treeA.itemCount());

    ChannelIndex index(treeB, options);
    std::unordered_set<const TreeItem*> matchedA;
    std::unordered_set<const TreeItem*> matchedB;
    for (const auto& provider : treeA.topLevelItems()) {
        for (const auto& channel : provider->children()) {
            if (const TreeItem* match = index.takeFirstEqual(channel->record())) {
                matchedB.insert(match);
                matchedA.insert(channel.get());
            }
            if (progress) progress->step();
        }
    }
    removeMatched(treeB, matchedB);
    removeMatched(treeA, matchedA);

    if (progress) progress->end();
    return true;
}

void RemoveEmptyProviders(ChannelTree& tree) {
    const auto& top = tree.topLevelItems();
    if (std::none_of(top.begin(), top.end(), [](const auto& item) { return isEmptyProvider(*item); })) return;
    tree.removeTopLevelWhere(isEmptyProvider);
}

bool CompareLists(ChannelList& list1, ChannelList& list2, CompareOptions options, CompareProgress* progress) {
    const bool television = CompareTrees(list1.television(), list2.television(), options, progress);
    const bool radio = CompareTrees(list1.radio(), list2.radio(), options, progress);
    if (!television && !radio) return false;
    list1.setHasFile(false);
    list2.setHasFile(false);
    return true;
}

}  // namespace qvx
