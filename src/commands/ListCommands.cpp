// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/ListCommands.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "compare/CompareTrees.h"
#include "editing/EditorClipboard.h"
#include "editing/TransferItem.h"
#include "editing/TreeCommands.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

// A command whose change is one call of the editing core. The call is needed
// only once: undo and redo replay what it did.
class CoreCall final : public ListCommand {
public:
    using Call = std::function<ItemToSelect()>;

    CoreCall(StepName name, std::vector<ChannelTree*> trees, ItemToSelect afterUndo, Call call)
        : ListCommand(std::move(name), std::move(trees)), call_(std::move(call)) {
        setSelectionAfterUndo(afterUndo);
    }

private:
    ItemToSelect perform() override {
        const ItemToSelect selection = call_();
        call_ = nullptr;
        return selection;
    }

    Call call_;
};

std::unique_ptr<ListCommand> make(StepName name, std::vector<ChannelTree*> trees, ItemToSelect afterUndo,
                                  CoreCall::Call call) {
    return std::make_unique<CoreCall>(std::move(name), std::move(trees), afterUndo, std::move(call));
}

StepName named(StepKind kind, const TreeItem& item) { return {kind, StepScope::Item, item.label()}; }

StepName bulkName(BulkField field, const TreeItem* reference) {
    const StepKind kind = field == BulkField::Lnb             ? StepKind::SetLnb
                          : field == BulkField::RotorPosition ? StepKind::SetRotorPosition
                                                              : StepKind::SetVolume;
    if (!reference) return {kind, StepScope::All, {}};
    return {kind, reference->hasParent() ? StepScope::Item : StepScope::Provider, reference->label()};
}

StepKind bulkKind(BulkField field) {
    return field == BulkField::Lnb             ? StepKind::SetLnb
           : field == BulkField::RotorPosition ? StepKind::SetRotorPosition
                                               : StepKind::SetVolume;
}

// The items of a step on several, selected together with the first focused.
ItemToSelect allOf(ChannelTree& tree, const std::vector<TreeItem*>& items) {
    if (items.empty()) return {&tree, nullptr, {}};
    return {&tree, items.front(), std::vector<TreeItem*>(items.begin() + 1, items.end())};
}

}  // namespace

std::unique_ptr<ListCommand> makeDeleteCommand(ChannelTree& tree, std::vector<TreeItem*> items) {
    if (items.size() == 1) return makeDeleteCommand(tree, *items.front());
    const ItemToSelect first = allOf(tree, items);
    const StepName name = StepName::counted(StepKind::Delete, items.size());
    return make(name, {&tree}, first,
                [&tree, items = std::move(items)] {
                    // A reset leaves the view no selection to move on: the command names the next item.
                    TreeItem* next = itemLeftNear(tree, items);
                    DeleteTreeItems(tree, items);
                    return ItemToSelect{&tree, next};
                });
}

std::unique_ptr<ListCommand> makeCutCommand(ChannelTree& tree, std::vector<TreeItem*> items,
                                            EditorClipboard& clipboard) {
    if (items.size() == 1) return makeCutCommand(tree, *items.front(), clipboard);
    const ItemToSelect first = allOf(tree, items);
    const StepName name = StepName::counted(StepKind::Cut, items.size());
    return make(name, {&tree}, first,
                [&tree, &clipboard, items = std::move(items)] {
                    TreeItem* next = itemLeftNear(tree, items);
                    clipboard.cut(tree, items);
                    return ItemToSelect{&tree, next};
                });
}

std::unique_ptr<ListCommand> makeTransferCommand(ChannelTree& source, ChannelTree& target,
                                                 std::vector<TreeItem*> dragged, TreeItem* dropTarget) {
    if (dragged.size() == 1) return makeTransferCommand(source, target, *dragged.front(), dropTarget);
    const ItemToSelect first = allOf(source, dragged);
    const StepKind kind = &source == &target ? StepKind::Move : StepKind::CopyInto;
    const StepName name = StepName::counted(kind, dragged.size());
    return make(name, {&source, &target}, first,
                [&source, &target, dragged = std::move(dragged), dropTarget] {
                    const std::vector<TreeItem*> inserted = TransferItems(source, target, dragged, dropTarget);
                    return allOf(target, inserted);
                });
}

std::unique_ptr<ListCommand> makeBulkSettingCommand(ChannelTree& tree, std::vector<TreeItem*> items,
                                                    BulkField field, int value, StepScope scope,
                                                    std::size_t count) {
    if (items.size() == 1 && scope == StepScope::Items)
        return makeBulkSettingCommand(tree, items.front(), field, value);
    const ItemToSelect first = scope == StepScope::Items ? allOf(tree, items) : ItemToSelect{};
    const StepName name = StepName::counted(bulkKind(field), scope == StepScope::Items ? items.size() : count, scope);
    return make(name, {&tree}, first,
                [&tree, items = std::move(items), field, value, first, scope] {
                    applyBulkValue(tree, items, field, value, scope == StepScope::Items);
                    return first;
                });
}

std::unique_ptr<ListCommand> makeEditRecordsCommand(ChannelTree& tree,
                                                    std::vector<std::pair<TreeItem*, ChannelRecord>> edits) {
    const ItemToSelect first{&tree, edits.empty() ? nullptr : edits.front().first};
    const StepName name = StepName::counted(StepKind::Edit, edits.size());
    return make(name, {&tree}, first,
                [&tree, edits = std::move(edits), first] {
                    for (const auto& [item, record] : edits) {
                        if (record.image() == item->record().image()) continue;
                        if (record.nameText() != item->record().nameText())
                            tree.setLabel(item, std::string(record.nameText()));
                        if (item->hasParent()) tree.setLooks(item, channelLooks(record));
                        tree.replaceRecord(item, record);
                    }
                    return first;
                });
}

std::unique_ptr<ListCommand> makeEditRecordCommand(ChannelTree& tree, TreeItem& item,
                                                   const ChannelRecord& record, bool asChannel) {
    const ItemToSelect self{&tree, &item};
    return make(named(StepKind::Edit, item), {&tree}, self, [&tree, &item, record, asChannel, self] {
        tree.setLabel(&item, std::string(record.nameText()));
        if (asChannel) tree.setLooks(&item, channelLooks(record));
        tree.replaceRecord(&item, record);
        return self;
    });
}

std::unique_ptr<ListCommand> makeRenameCommand(ChannelTree& tree, TreeItem& item, std::string newText) {
    const ItemToSelect self{&tree, &item};
    return make(named(StepKind::Rename, item), {&tree}, self, [&tree, &item, text = std::move(newText), self] {
        applyRename(tree, &item, text);
        return self;
    });
}

std::unique_ptr<ListCommand> makeDeleteCommand(ChannelTree& tree, TreeItem& item) {
    return make(named(StepKind::Delete, item), {&tree}, {&tree, &item}, [&tree, &item] {
        DeleteTreeItem(tree, &item);
        return ItemToSelect{};
    });
}

std::unique_ptr<ListCommand> makeCutCommand(ChannelTree& tree, TreeItem& item, EditorClipboard& clipboard) {
    return make(named(StepKind::Cut, item), {&tree}, {&tree, &item}, [&tree, &item, &clipboard] {
        clipboard.cut(tree, &item);
        return ItemToSelect{};
    });
}

std::unique_ptr<ListCommand> makePasteCommand(ChannelTree& tree, TreeItem* reference,
                                              EditorClipboard& clipboard) {
    StepName name{StepKind::Paste};
    if (clipboard.groupCount() > 1)
        name = StepName::counted(StepKind::Paste, clipboard.groupCount());
    else if (!clipboard.empty())
        name.subject = ChannelRecord::fromImage(clipboard.records().front()).nameText();
    return make(std::move(name), {&tree}, {&tree, reference}, [&tree, reference, &clipboard] {
        return allOf(tree, clipboard.pasteAll(tree, reference));
    });
}

std::unique_ptr<ListCommand> makeNewChannelCommand(ChannelTree& tree, TreeItem* reference) {
    return make({StepKind::NewChannel}, {&tree}, {&tree, reference},
                [&tree, reference] { return ItemToSelect{&tree, insertNewChannel(tree, reference)}; });
}

std::unique_ptr<ListCommand> makeNewProviderCommand(ChannelTree& tree, TreeItem* reference) {
    return make({StepKind::NewProvider}, {&tree}, {&tree, reference},
                [&tree, reference] { return ItemToSelect{&tree, insertNewProvider(tree, reference)}; });
}

std::unique_ptr<ListCommand> makeTransferCommand(ChannelTree& source, ChannelTree& target, TreeItem& dragged,
                                                 TreeItem* dropTarget) {
    return make(named(&source == &target ? StepKind::Move : StepKind::CopyInto, dragged), {&source, &target}, {&source, &dragged},
                [&source, &target, &dragged, dropTarget] {
                    return ItemToSelect{&target, TransferItem(source, target, &dragged, dropTarget)};
                });
}

std::unique_ptr<ListCommand> makeBulkSettingCommand(ChannelTree& tree, TreeItem* reference, BulkField field,
                                                    int value) {
    const ItemToSelect shown{reference ? &tree : nullptr, reference};
    return make(bulkName(field, reference), {&tree}, shown, [&tree, reference, field, value, shown] {
        applyBulkValue(tree, reference, field, value);
        return shown;
    });
}

std::unique_ptr<ListCommand> makeCompareListsCommand(ChannelList& list1, ChannelList& list2,
                                                     CompareOptions options, CompareProgress* progress) {
    return make({StepKind::CompareLists}, {&list1.television(), &list1.radio(), &list2.television(), &list2.radio()}, {},
                [&list1, &list2, options, progress] {
                    CompareLists(list1, list2, options, progress);
                    return ItemToSelect{};
                });
}

std::unique_ptr<ListCommand> makeRemoveDuplicatesCommand(ChannelTree& tree, CompareOptions options,
                                                         RemovedCounts* removed) {
    return make({StepKind::RemoveDuplicates}, {&tree}, {}, [&tree, options, removed] {
        const RemovedCounts counts = removeDuplicates(tree, options);
        if (removed) *removed = counts;
        return ItemToSelect{};
    });
}

std::unique_ptr<ListCommand> makeSortChannelsCommand(ChannelTree& tree, TreeItem* provider, SortKey key) {
    const ItemToSelect shown{provider ? &tree : nullptr, provider};
    return make({StepKind::SortChannels}, {&tree}, shown, [&tree, provider, key, shown] {
        sortChannels(tree, provider, key);
        return shown;
    });
}

std::unique_ptr<ListCommand> makeArrangeCommand(ChannelTree& tree, const ChannelTree& reference,
                                                CompareOptions options, ArrangedCounts* counts) {
    return make({StepKind::ArrangeLikeOtherList}, {&tree}, {}, [&tree, &reference, options, counts] {
        const ArrangedCounts arranged = arrangeLike(tree, reference, options);
        if (counts) *counts = arranged;
        return ItemToSelect{};
    });
}

std::unique_ptr<ListCommand> makeClearAllCommand(ChannelList& list) {
    return make({StepKind::ClearAll}, {&list.television(), &list.radio()}, {}, [&list] {
        list.clearAll();
        return ItemToSelect{};
    });
}

}  // namespace qvx
