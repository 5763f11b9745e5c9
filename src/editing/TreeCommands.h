// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/Carried.h"
#include "model/ChannelRecord.h"

namespace qvx {

class ChannelTree;
class TreeItem;

// The effects of the tree context menu's commands on a tree. `reference` is the
// right-clicked item, or null when the click was elsewhere. An item without a
// parent counts as a provider, one with a parent as a channel.

// Removes the item with its channels, destroying their records (views see one removal).
void DeleteTreeItem(ChannelTree& tree, TreeItem* item);

// Several selected items of one tree as one operand: in tree order, each once,
// a channel whose provider is selected too left out (the provider covers it).
std::vector<TreeItem*> operandItems(std::vector<TreeItem*> selected);

// The item a selection moves to when the items of an operand go: the first one after
// the first of them (in tree order) that stays, else the last one before; null when none stays.
TreeItem* itemLeftNear(const ChannelTree& tree, std::span<TreeItem* const> items);

// DeleteTreeItem on every item of an operand; with more than one, views see one reset.
void DeleteTreeItems(ChannelTree& tree, std::span<TreeItem* const> items);

// Inserts clipboard images: one channel, or one provider followed by its
// channels. Every new record gets the tree's kind; each new item carries what
// the same position of `carried` holds (when given). Returns the inserted
// channel or provider; null when there is no image.
TreeItem* PasteClipboard(ChannelTree& tree, TreeItem* reference, std::span<const RecordImage> images,
                         std::span<const CarriedPtr> carried = {});

// PasteClipboard for each group of images (a group starts at each of
// `groupStarts`), one after another (InsertionCursor). Returns what went in.
std::vector<TreeItem*> PasteClipboardGroups(ChannelTree& tree, TreeItem* reference,
                                            std::span<const RecordImage> images,
                                            std::span<const CarriedPtr> carried,
                                            std::span<const std::size_t> groupStarts);

// "New channel": a default channel "undefined" placed by the channel insertion
// rule (an empty tree first gets a default provider). Returns the channel.
TreeItem* insertNewChannel(ChannelTree& tree, TreeItem* reference);

// "New provider": a default provider "undefined" placed by its own rule. Returns it.
TreeItem* insertNewProvider(ChannelTree& tree, TreeItem* reference);

// End of an in-place label edit. No text (the edit was abandoned) changes
// nothing and returns false. Otherwise the record's name takes the first 31
// characters, the label the whole text (an empty one too), and it returns true.
bool applyRename(ChannelTree& tree, TreeItem* item, const std::optional<std::string>& newText);

}  // namespace qvx
