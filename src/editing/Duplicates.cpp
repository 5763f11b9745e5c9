// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Duplicates.h"

#include <cstdint>

#include "compare/ChannelIndex.h"
#include "compare/ChannelMarks.h"
#include "model/ChannelTree.h"

namespace qvx {

std::vector<DuplicateGroup> findDuplicates(const ChannelTree& tree, CompareOptions options) {
    const ChannelIndex index(tree, options);
    const ChannelMarks channels(tree);
    std::vector<DuplicateGroup> groups;
    index.forEachGroup([&](const std::vector<std::uint32_t>& members) {
        if (members.size() < 2) return;
        DuplicateGroup& group = groups.emplace_back();
        group.reserve(members.size());
        for (const std::uint32_t number : members) group.push_back(channels.place(number));
    });
    return groups;
}

RemovedCounts removeDuplicates(ChannelTree& tree, CompareOptions options) {
    const ChannelIndex index(tree, options);
    ChannelMarks marks(tree);
    index.forEachGroup([&](const std::vector<std::uint32_t>& members) {
        for (std::size_t i = 1; i < members.size(); ++i) marks.mark(members[i]);
    });
    if (!marks.any()) return {};

    // Rows of the top-level items that had channels; only those may go.
    std::vector<std::uint8_t> hadChannels;
    hadChannels.reserve(static_cast<std::size_t>(tree.topLevelCount()));
    for (const auto& top : tree.topLevelItems()) hadChannels.push_back(top->hasChildren() ? 1 : 0);

    RemovedCounts removed;
    removed.channels = marks.markedCount();
    ChannelTree::BulkChange bulk(tree);
    tree.removeChildrenWhere([&](const TreeItem& channel) { return marks.isMarked(channel); });
    tree.removeTopLevelWhere([&](const TreeItem& top) {
        const bool emptied = top.record().isChannel == 0 && !top.hasChildren() &&
                             hadChannels[static_cast<std::size_t>(top.row())] != 0;
        if (emptied) ++removed.providers;
        return emptied;
    });
    return removed;
}

}  // namespace qvx
