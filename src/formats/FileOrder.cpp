// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FileOrder.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <unordered_map>

#include "model/ChannelList.h"

namespace qvx {
namespace {

using Siblings = std::vector<std::unique_ptr<TreeItem>>;

// The line of the list's own file an item was read from; 0 for an item that
// is new or came from another file. `file` is the list's read (see Carried::file).
std::uint32_t placeOf(const TreeItem& item, std::uint64_t file) {
    const CarriedPtr& carried = item.carried();
    return carried && carried->file() == file ? carried->place() : 0;
}

// The places a group line's channels had in the file: after its own line,
// before the next group line.
struct PlaceRange {
    std::uint32_t after = 0;
    std::uint32_t before = std::numeric_limits<std::uint32_t>::max();
};

// Which siblings keep their places: the longest run whose places rise in
// tree order, so that the fewest items count as moved. A place outside
// `range` was a line of another group: its item moved here.
std::vector<bool> keptPlaces(const Siblings& siblings, std::uint64_t file, PlaceRange range) {
    const std::size_t count = siblings.size();
    std::vector<std::uint32_t> places(count);
    for (std::size_t i = 0; i < count; ++i) {
        places[i] = placeOf(*siblings[i], file);
        if (places[i] <= range.after || places[i] >= range.before) places[i] = 0;
    }
    // tails[k]: the index ending the best run of length k + 1 found so far.
    std::vector<std::size_t> tails;
    std::vector<std::size_t> before(count, count);
    for (std::size_t i = 0; i < count; ++i) {
        if (places[i] == 0) continue;
        const auto at = std::lower_bound(tails.begin(), tails.end(), places[i],
                                         [&](std::size_t index, std::uint32_t place) { return places[index] < place; });
        if (at != tails.begin()) before[i] = *(at - 1);
        if (at == tails.end())
            tails.push_back(i);
        else
            *at = i;
    }
    std::vector<bool> kept(count, false);
    for (std::size_t i = tails.empty() ? count : tails.back(); i != count; i = before[i]) kept[i] = true;
    return kept;
}

// The keys of siblings in tree order. Items before the first one that keeps
// its place go just before it, so that the file gives them back under the
// same parent in the same order; later ones follow the sibling before them;
// without any place at all, they follow `last`, the item before them in
// their tree. `last` ends as the key of the last sibling.
std::vector<FileKey> keysOf(const Siblings& siblings, std::uint64_t file, FileKey& last,
                            PlaceRange range = {}) {
    const std::vector<bool> kept = keptPlaces(siblings, file, range);
    std::vector<FileKey> keys(siblings.size());
    const auto firstKept = std::find(kept.begin(), kept.end(), true);
    std::size_t leading = 0;
    if (firstKept != kept.end()) {
        leading = static_cast<std::size_t>(firstKept - kept.begin());
        const std::uint32_t place = placeOf(*siblings[leading], file);
        // Just before that place: after anything on the place before it, and after what follows that.
        for (std::size_t i = 0; i < leading; ++i)
            keys[i] = {place - 1, std::numeric_limits<std::uint32_t>::max() - static_cast<std::uint32_t>(leading - i)};
    }
    FileKey previous = leading == 0 ? last : keys[leading - 1];
    for (std::size_t i = leading; i < siblings.size(); ++i) {
        keys[i] = kept[i] ? FileKey{placeOf(*siblings[i], file), 0} : FileKey{previous.place, previous.after + 1};
        previous = keys[i];
    }
    if (!siblings.empty()) last = previous;
    return keys;
}

// A top-level item that stands for a channel of its own: a channel entry
// that came before any provider (one with channels below it is a group).
bool isLoneChannel(const TreeItem& item) { return item.record().isChannel != 0 && !item.hasChildren(); }

// Sorts by key; Television before Radio on equal keys, then tree order.
void sortByKey(std::vector<PlacedItem>& items, const ChannelTree& television) {
    std::stable_sort(items.begin(), items.end(), [&](const PlacedItem& a, const PlacedItem& b) {
        if (a.key != b.key) return a.key < b.key;
        return a.tree == &television && b.tree != &television;
    });
}

// The read of the file the list came from (0 for a list read from no file).
std::uint64_t fileOf(const ChannelList& list) { return list.carried() ? list.carried()->file() : 0; }

}  // namespace

std::vector<PlacedItem> channelsInFileOrder(const ChannelList& list) {
    const std::uint64_t file = fileOf(list);
    std::vector<PlacedItem> channels;
    channels.reserve(list.television().itemCount() + list.radio().itemCount());
    // Radio channels without a place to follow come after the Television ones.
    FileKey last;
    for (const ChannelTree* tree : {&list.television(), &list.radio()}) {
        // Channels at the top level stand among the providers.
        const Siblings& top = tree->topLevelItems();
        FileKey topLast = last;
        const std::vector<FileKey> topKeys = keysOf(top, file, topLast);
        for (std::size_t i = 0; i < top.size(); ++i) {
            const TreeItem& item = *top[i];
            if (isLoneChannel(item)) {
                channels.push_back({&item, tree, topKeys[i]});
                last = topKeys[i];
                continue;
            }
            // A provider leaves no line: its channels follow the one before them in the tree.
            const std::vector<FileKey> keys = keysOf(item.children(), file, last);
            for (std::size_t c = 0; c < keys.size(); ++c)
                channels.push_back({item.child(static_cast<int>(c)), tree, keys[c]});
        }
    }
    sortByKey(channels, list.television());
    return channels;
}

std::vector<PlacedGroup> groupsInFileOrder(const ChannelList& list) {
    const std::uint64_t file = fileOf(list);
    // The places of the group lines of both trees, for the range of each group's channels.
    std::vector<std::uint32_t> groupLines;
    for (const ChannelTree* tree : {&list.television(), &list.radio()})
        for (const auto& item : tree->topLevelItems())
            if (const std::uint32_t place = placeOf(*item, file); place != 0 && !isLoneChannel(*item))
                groupLines.push_back(place);
    std::sort(groupLines.begin(), groupLines.end());
    const auto rangeOf = [&](std::uint32_t place) {
        PlaceRange range;
        if (place == 0) return range;
        range.after = place;
        if (const auto next = std::upper_bound(groupLines.begin(), groupLines.end(), place); next != groupLines.end())
            range.before = *next;
        return range;
    };
    std::vector<PlacedGroup> groups;
    // The Television groups by the place of their line, for their Radio halves to find.
    std::unordered_map<std::uint32_t, std::size_t> televisionGroupAt;
    // Radio groups without a place to follow come after the Television ones.
    FileKey last;
    for (const ChannelTree* tree : {&list.television(), &list.radio()}) {
        const bool isTelevision = tree == &list.television();
        const std::vector<FileKey> keys = keysOf(tree->topLevelItems(), file, last);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const TreeItem* item = tree->topLevelItem(static_cast<int>(i));
            if (isLoneChannel(*item)) {
                PlacedGroup group;
                group.key = keys[i];
                group.channels.push_back({item, tree, keys[i]});
                groups.push_back(std::move(group));
                continue;
            }
            // The Radio half of a group read from one line joins its Television half.
            const std::uint32_t place = placeOf(*item, file);
            PlacedGroup* joined = nullptr;
            if (!isTelevision && place != 0) {
                const auto found = televisionGroupAt.find(place);
                if (found != televisionGroupAt.end()) {
                    PlacedGroup& group = groups[found->second];
                    if (!group.radio && group.television->label() == item->label()) joined = &group;
                }
            }
            if (!joined) {
                if (isTelevision && place != 0) televisionGroupAt.emplace(place, groups.size());
                groups.emplace_back();
                joined = &groups.back();
                joined->key = keys[i];
            }
            (isTelevision ? joined->television : joined->radio) = item;
            FileKey channelLast = keys[i];
            const std::vector<FileKey> channelKeys = keysOf(item->children(), file, channelLast, rangeOf(place));
            for (std::size_t c = 0; c < channelKeys.size(); ++c)
                joined->channels.push_back({item->child(static_cast<int>(c)), tree, channelKeys[c]});
        }
    }
    std::stable_sort(groups.begin(), groups.end(),
                     [](const PlacedGroup& a, const PlacedGroup& b) { return a.key < b.key; });
    for (PlacedGroup& group : groups) sortByKey(group.channels, list.television());
    return groups;
}

}  // namespace qvx
