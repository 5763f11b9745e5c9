// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "commands/CommandHistory.h"
#include "compare/CompareOptions.h"
#include "editing/BulkSettings.h"
#include "editing/Duplicates.h"
#include "editing/SortChannels.h"
#include "model/ChannelRecord.h"

namespace qvx {

class ChannelList;
class ChannelTree;
class EditorClipboard;
class TreeItem;

// The one road by which the window changes a list: the panel's OK, a rename,
// the tree menu's commands, a drop, a bulk setting, Compare Lists, Clear all
// and Close all come through here and nowhere else. Each change is a command
// of the core's command layer, run through the one history of both lists, so
// undo and the changed marks see every change. It decides nothing itself.
class ListChanges final {
public:
    ListChanges(ChannelList& list1, ChannelList& list2);
    ListChanges(const ListChanges&) = delete;
    ListChanges& operator=(const ListChanges&) = delete;

    // The panel's OK: `record` replaces the item's, its name becomes the label
    // and, for a channel, its scrambling picks the pictures.
    void storeRecord(ChannelTree& tree, TreeItem& item, const ChannelRecord& record, bool asChannel);
    // The end of a label edit; no text (abandoned) changes nothing and gives false.
    bool rename(ChannelTree& tree, TreeItem& item, const std::optional<std::string>& text);
    // Removes the item with its channels.
    void remove(ChannelTree& tree, TreeItem& item);
    // Cut: the item goes to the clipboard and out of the tree.
    void cut(ChannelTree& tree, TreeItem& item, EditorClipboard& clipboard);
    // Paste (once) what the clipboard holds at `reference`; returns what went in (null: nothing).
    TreeItem* paste(ChannelTree& tree, TreeItem* reference, EditorClipboard& clipboard);
    TreeItem* newChannel(ChannelTree& tree, TreeItem* reference);
    TreeItem* newProvider(ChannelTree& tree, TreeItem* reference);
    // A drop: copies `dragged` into `target` (a move within one tree). Returns the new item.
    TreeItem* transfer(ChannelTree& source, ChannelTree& target, TreeItem& dragged, TreeItem* dropTarget);
    // Set LNB, rotor position or volume of the reference (all of the tree without one).
    void setBulkValue(ChannelTree& tree, TreeItem* reference, BulkField field, int value);
    // Remove duplicates of the whole tree; returns what went.
    RemovedCounts removeDuplicates(ChannelTree& tree, CompareOptions options);
    // Sort channels of one provider, or of every provider without one.
    void sortChannels(ChannelTree& tree, TreeItem* provider, SortKey key);
    // Compare Lists; false when no pair of trees could be compared.
    bool compare(CompareOptions options, CompareProgress* progress);
    // Clear all: empties both trees of the list.
    void clearAll(ChannelList& list);
    // Close: forgets the list's file and empties its trees; no step can be undone past it.
    void close(ChannelList& list);

    // The list now holds what its file holds: after a Load (no step can be
    // undone past it) and after a Save.
    void loaded(const ChannelList& list);
    void saved(const ChannelList& list);

    // Takes back or makes again the last step; returns the item to select.
    ItemToSelect undo();
    ItemToSelect redo();

    // The history every change above went into.
    CommandHistory& history() { return history_; }
    const CommandHistory& history() const { return history_; }

    // Told after every change above, and after a Load, Save or Close: the
    // history or a list's changed mark may be different.
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    ItemToSelect run(std::unique_ptr<ListCommand> command);
    void told() const;

    ChannelList& list1_;
    ChannelList& list2_;
    CommandHistory history_;
    std::function<void()> listener_;
};

}  // namespace qvx
