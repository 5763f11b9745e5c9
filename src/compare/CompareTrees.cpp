#include "compare/CompareTrees.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "compare/ChannelIndex.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

bool isEmptyProvider(const TreeItem& item) { return !item.hasChildren() && item.record().isChannel == 0; }

// Removes the matched channels, then the providers left without channels, as one change.
// `matched` is sorted here, so that each channel is looked up without hashing.
void removeMatched(ChannelTree& tree, std::vector<const TreeItem*>& matched) {
    const auto& top = tree.topLevelItems();
    const bool emptyBefore =
        std::any_of(top.begin(), top.end(), [](const auto& item) { return isEmptyProvider(*item); });
    if (matched.empty() && !emptyBefore) return;
    ChannelTree::BulkChange bulk(tree);
    if (!matched.empty()) {
        std::sort(matched.begin(), matched.end(), std::less<>());
        tree.removeChildrenWhere([&](const TreeItem& channel) {
            return std::binary_search(matched.begin(), matched.end(), &channel, std::less<>());
        });
    }
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
    std::vector<const TreeItem*> matchedA;
    std::vector<const TreeItem*> matchedB;
    for (const auto& provider : treeA.topLevelItems()) {
        for (const auto& channel : provider->children()) {
            if (const TreeItem* match = index.takeFirst(ChannelKey::of(channel->record(), options))) {
                matchedB.push_back(match);
                matchedA.push_back(channel.get());
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
