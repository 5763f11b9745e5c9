#pragma once

#include <optional>
#include <span>
#include <string>

#include "compare/CompareOptions.h"
#include "editing/BulkSettings.h"
#include "model/ChannelRecord.h"

namespace qvx {

class ChannelList;
class ChannelTree;
class TreeItem;

// The one road by which the window changes a list: the panel's OK, a rename,
// the tree menu's commands, a drop, a bulk setting, Compare Lists, Clear all
// and Close all come through here and nowhere else, so whatever has to see
// every change (undo, a changed mark) hooks in at this one place. It decides
// nothing itself: each change is the core's.
class ListChanges final {
public:
    ListChanges(ChannelList& list1, ChannelList& list2);
    ListChanges(const ListChanges&) = delete;
    ListChanges& operator=(const ListChanges&) = delete;

    // The panel's OK: `record` replaces the item's, its name becomes the label
    // and, for a channel, its scrambling picks the pictures.
    void storeRecord(ChannelTree& tree, TreeItem* item, const ChannelRecord& record, bool asChannel);
    // The end of a label edit; no text (abandoned) changes nothing and gives false.
    bool rename(ChannelTree& tree, TreeItem* item, const std::optional<std::string>& text);
    // Removes the item with its channels.
    void remove(ChannelTree& tree, TreeItem* item);
    // Inserts clipboard images at `reference`; returns what went in (null: nothing).
    TreeItem* paste(ChannelTree& tree, TreeItem* reference, std::span<const RecordImage> images);
    TreeItem* newChannel(ChannelTree& tree, TreeItem* reference);
    TreeItem* newProvider(ChannelTree& tree, TreeItem* reference);
    // A drop: copies `dragged` into `target` (a move within one tree). Returns the new item.
    TreeItem* transfer(ChannelTree& source, ChannelTree& target, TreeItem* dragged, TreeItem* dropTarget);
    // Set LNB, rotor position or volume of the reference (all of the tree without one).
    void setBulkValue(ChannelTree& tree, TreeItem* reference, BulkField field, int value);
    // Compare Lists; false when no pair of trees could be compared.
    bool compare(CompareOptions options, CompareProgress* progress);
    // Clear all: empties both trees of the list.
    void clearAll(ChannelList& list);
    // Close: forgets the list's file and empties its trees.
    void close(ChannelList& list);

private:
    ChannelList& list1_;
    ChannelList& list2_;
};

}  // namespace qvx
