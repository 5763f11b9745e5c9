// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace qvx {

class ChannelList;
class ChannelTree;
class TreeItem;

// Where the items of a list go among the lines of a text file that keeps one
// list of lines for both trees (VDR, dvbv5, zap, playlists): in the order the
// file had them, not Television then Radio.
//
// An item read from the list's own file keeps its place (its line), whatever
// format the list is written in, so a converted file keeps its order. Among
// the items under one parent, those whose places still rise in tree order
// keep them (the longest such run); an item moved out of that order, a new
// item and one from another file follow the item before them in their own
// tree, in tree order (Radio items with none before them follow the
// Television ones). Television and Radio items are then merged by place.
// Under a group line, only places between that line and the next group line
// count: a channel moved in from another group follows its predecessor too,
// so the comment lines around its old place stay where they were.
struct FileKey {
    std::uint32_t place = 0;  // the place kept or followed
    std::uint32_t after = 0;  // 0 for an item on its own place, n for the n-th one following it

    auto operator<=>(const FileKey&) const = default;
};

struct PlacedItem {
    const TreeItem* item;
    const ChannelTree* tree;
    FileKey key;
};

// Every channel of both trees in file order, for formats whose providers
// leave no line of their own. Top-level channels count as channels.
std::vector<PlacedItem> channelsInFileOrder(const ChannelList& list);

// A group line with its channels, for formats with group lines (VDR).
struct PlacedGroup {
    // The group's provider in each tree; one of them may be null. Both are
    // null for a channel at the top level of its tree, which is a group of its own.
    const TreeItem* television = nullptr;
    const TreeItem* radio = nullptr;
    FileKey key;
    // The group's channels of both trees, in file order.
    std::vector<PlacedItem> channels;

    const TreeItem* provider() const { return television ? television : radio; }
};

// The groups in file order. A Television and a Radio provider read from the
// same line form one group while their labels agree (renaming one splits them).
std::vector<PlacedGroup> groupsInFileOrder(const ChannelList& list);

}  // namespace qvx
