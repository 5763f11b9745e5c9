// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commands/ListCommand.h"
#include "compare/CompareOptions.h"
#include "editing/ArrangeLike.h"
#include "editing/BulkSettings.h"
#include "editing/Duplicates.h"
#include "editing/SortChannels.h"
#include "model/ChannelRecord.h"

namespace qvx {

class ChannelList;
class ChannelTree;
class EditorClipboard;
class TreeItem;

// The commands that change a list, one for each road a change can take. Each
// wraps the editing core's own function; the reference item is the
// right-clicked item, or null for "elsewhere". Items must be in the given tree.

// OK of the settings panel: the item's record becomes `record` whole, its label
// the record's name, and, when edited as a channel, its looks follow the
// record's scrambling. Step Edit of the item.
std::unique_ptr<ListCommand> makeEditRecordCommand(ChannelTree& tree, TreeItem& item,
                                                   const ChannelRecord& record, bool asChannel);

// End of an in-place label edit that was not abandoned (applyRename). Step Rename of the item.
std::unique_ptr<ListCommand> makeRenameCommand(ChannelTree& tree, TreeItem& item, std::string newText);

// DeleteTreeItem. Step Delete of the item.
std::unique_ptr<ListCommand> makeDeleteCommand(ChannelTree& tree, TreeItem& item);

// Cut: the item goes to the clipboard when the command executes (the clipboard
// is no part of the history: undo and redo leave it alone), then DeleteTreeItem.
// Step Cut of the item.
std::unique_ptr<ListCommand> makeCutCommand(ChannelTree& tree, TreeItem& item, EditorClipboard& clipboard);

// Paste: PasteClipboard, which empties the clipboard (again only when the
// command executes). Executes to false with an empty clipboard. Step Paste,
// naming the first record on the clipboard.
std::unique_ptr<ListCommand> makePasteCommand(ChannelTree& tree, TreeItem* reference,
                                              EditorClipboard& clipboard);

// insertNewChannel / insertNewProvider. Steps NewChannel, NewProvider.
std::unique_ptr<ListCommand> makeNewChannelCommand(ChannelTree& tree, TreeItem* reference);
std::unique_ptr<ListCommand> makeNewProviderCommand(ChannelTree& tree, TreeItem* reference);

// The drop of a drag (TransferItem): a move within one tree (step Move), a
// copy into another (step CopyInto), naming the dragged item.
std::unique_ptr<ListCommand> makeTransferCommand(ChannelTree& source, ChannelTree& target, TreeItem& dragged,
                                                 TreeItem* dropTarget);

// applyBulkValue on one channel, a provider with its channels, or (no
// reference) the whole tree. Step SetLnb, SetRotorPosition or SetVolume, in the
// scope of the reference (Item, Provider) or of the whole tree (All).
std::unique_ptr<ListCommand> makeBulkSettingCommand(ChannelTree& tree, TreeItem* reference, BulkField field,
                                                    int value);

// --- Several selected items of one tree: an operand of operandItems (tree
// order, a provider covering its channels). With one item each is the
// single-item command above; with more it is one step named by the count
// (scope Items). ---

// DeleteTreeItems. Step Delete.
std::unique_ptr<ListCommand> makeDeleteCommand(ChannelTree& tree, std::vector<TreeItem*> items);
// Copy of all of them onto the clipboard, then DeleteTreeItems. Step Cut.
std::unique_ptr<ListCommand> makeCutCommand(ChannelTree& tree, std::vector<TreeItem*> items,
                                            EditorClipboard& clipboard);
// TransferItems. Step Move or CopyInto.
std::unique_ptr<ListCommand> makeTransferCommand(ChannelTree& source, ChannelTree& target,
                                                 std::vector<TreeItem*> dragged, TreeItem* dropTarget);
// applyBulkValue on each. Step SetLnb, SetRotorPosition or SetVolume. With
// `scope` Shown the items are what a filter shows (providers and channels, each
// record alone) and `count` the shown channels the step is named by.
std::unique_ptr<ListCommand> makeBulkSettingCommand(ChannelTree& tree, std::vector<TreeItem*> items,
                                                    BulkField field, int value,
                                                    StepScope scope = StepScope::Items, std::size_t count = 0);
// OK of the settings panel on several channels: each item's record becomes the
// one given with it (the panel wrote only the fields the user changed into
// it); a label follows a changed name, a channel's looks its scrambling. Step
// Edit, counted.
std::unique_ptr<ListCommand> makeEditRecordsCommand(ChannelTree& tree,
                                                    std::vector<std::pair<TreeItem*, ChannelRecord>> edits);

// "Compare Lists" (CompareLists), both lists in one step. Executes to false when
// no pair of trees was compared.
std::unique_ptr<ListCommand> makeCompareListsCommand(ChannelList& list1, ChannelList& list2,
                                                     CompareOptions options, CompareProgress* progress = nullptr);

// removeDuplicates on the whole tree. `removed`, when given, is told what went
// when the command executes (undo and redo leave it alone). Executes to false
// when the tree holds no duplicates. "Remove duplicates".
std::unique_ptr<ListCommand> makeRemoveDuplicatesCommand(ChannelTree& tree, CompareOptions options,
                                                         RemovedCounts* removed = nullptr);

// sortChannels under one provider, or under every provider when null. Executes
// to false when the channels were in order already. "Sort channels".
std::unique_ptr<ListCommand> makeSortChannelsCommand(ChannelTree& tree, TreeItem* provider, SortKey key);

// arrangeLike: `tree` in the order of `reference`, the tree of the same kind of
// the other list, which stays as it is. `counts`, when given, is told what was
// placed when the command executes. Executes to false when the order stayed.
// "Arrange like the other list".
std::unique_ptr<ListCommand> makeArrangeCommand(ChannelTree& tree, const ChannelTree& reference,
                                                CompareOptions options, ArrangedCounts* counts = nullptr);

// "Clear all" of one list (ChannelList::clearAll). Executes to false on an empty list.
std::unique_ptr<ListCommand> makeClearAllCommand(ChannelList& list);

}  // namespace qvx
