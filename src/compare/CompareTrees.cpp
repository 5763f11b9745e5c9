// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/CompareTrees.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "compare/ChannelIndex.h"
#include "compare/ChannelMarks.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

bool isEmptyProvider(const TreeItem& item) { return !item.hasChildren() && item.record().isChannel == 0; }

// Removes the marked channels, then the providers left without channels, as one change.
void removeMarked(ChannelTree& tree, const ChannelMarks& marks) {
    const auto& top = tree.topLevelItems();
    const bool emptyBefore =
        std::any_of(top.begin(), top.end(), [](const auto& item) { return isEmptyProvider(*item); });
    if (!marks.any() && !emptyBefore) return;
    ChannelTree::BulkChange bulk(tree);
    if (marks.any()) tree.removeChildrenWhere([&](const TreeItem& channel) { return marks.isMarked(channel); });
    RemoveEmptyProviders(tree);
}

}  // namespace

std::string_view comparisonName(const ChannelRecord& record) {
    std::string_view name = ChannelRecord::fieldText(record.name);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

std::string_view comparisonName(const TreeItem& item, std::string& storage) {
    const std::string_view recordName = comparisonName(item.record());
    const CarriedPtr& carried = item.carried();
    if (!carried) return recordName;
    std::string_view whole = carried->field(carried::kFullName);
    if (whole.empty() || closestWindows1252(whole).substr(0, kNameCapacity) != item.record().nameText())
        return recordName;
    while (!whole.empty() && whole.back() == ' ') whole.remove_suffix(1);
    storage.assign(1, '\0');
    storage += whole;
    return storage;
}

std::optional<CompareOptions> compareOptionsNamed(std::string_view name, bool withTuning) {
    if (name == "name") return CompareOptions{true, false, false};
    if (name == "sid") return CompareOptions{false, true, false};
    if (name == "both") return CompareOptions{true, true, false};
    if (name == "tuning" && withTuning) return CompareOptions{false, true, true};
    return std::nullopt;
}

bool CompareTrees(ChannelTree& treeA, ChannelTree& treeB, CompareOptions options, CompareProgress* progress) {
    if (treeA.empty() || treeB.empty()) return false;
    if (progress) progress->begin(treeA.itemCount());

    ChannelIndex index(treeB, options);
    ChannelMarks marksA(treeA);
    ChannelMarks marksB(treeB);
    std::string name;
    for (std::size_t number = 0; number < marksA.size(); ++number) {
        const std::uint32_t match = index.takeFirst(ChannelKey::of(marksA.channel(number), options, name));
        if (match != ChannelIndex::kNone) {
            marksB.mark(match);
            marksA.mark(number);
        }
        if (progress) progress->step();
    }
    removeMarked(treeB, marksB);
    removeMarked(treeA, marksA);

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
    return television || radio;
}

}  // namespace qvx
