// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/changes/ListChanges.h"

#include "commands/ListCommands.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

// Tells whether the comparison compared anything: it reports progress for
// each pair of trees it compares, and none when it compares nothing.
class ComparedProgress final : public CompareProgress {
public:
    explicit ComparedProgress(CompareProgress* shown) : shown_(shown) {}

    void begin(std::size_t maximum) override {
        compared_ = true;
        if (shown_) shown_->begin(maximum);
    }
    void step() override {
        if (shown_) shown_->step();
    }
    void end() override {
        if (shown_) shown_->end();
    }
    bool compared() const { return compared_; }

private:
    CompareProgress* shown_;
    bool compared_ = false;
};

}  // namespace

ListChanges::ListChanges(ChannelList& list1, ChannelList& list2)
    : list1_(list1), list2_(list2), history_(list1, list2) {}

ItemToSelect ListChanges::run(std::unique_ptr<ListCommand> command) {
    const ItemToSelect selection = history_.execute(std::move(command));
    told();
    return selection;
}

void ListChanges::told() const {
    if (listener_) listener_();
}

void ListChanges::storeRecord(ChannelTree& tree, TreeItem& item, const ChannelRecord& record, bool asChannel) {
    run(makeEditRecordCommand(tree, item, record, asChannel));
}

bool ListChanges::rename(ChannelTree& tree, TreeItem& item, const std::optional<std::string>& text) {
    if (!text) return false;
    run(makeRenameCommand(tree, item, *text));
    return true;
}

void ListChanges::remove(ChannelTree& tree, TreeItem& item) { run(makeDeleteCommand(tree, item)); }

void ListChanges::cut(ChannelTree& tree, TreeItem& item, EditorClipboard& clipboard) {
    run(makeCutCommand(tree, item, clipboard));
}

TreeItem* ListChanges::paste(ChannelTree& tree, TreeItem* reference, EditorClipboard& clipboard) {
    return run(makePasteCommand(tree, reference, clipboard)).item;
}

TreeItem* ListChanges::newChannel(ChannelTree& tree, TreeItem* reference) {
    return run(makeNewChannelCommand(tree, reference)).item;
}

TreeItem* ListChanges::newProvider(ChannelTree& tree, TreeItem* reference) {
    return run(makeNewProviderCommand(tree, reference)).item;
}

TreeItem* ListChanges::transfer(ChannelTree& source, ChannelTree& target, TreeItem& dragged,
                                TreeItem* dropTarget) {
    return run(makeTransferCommand(source, target, dragged, dropTarget)).item;
}

void ListChanges::setBulkValue(ChannelTree& tree, TreeItem* reference, BulkField field, int value) {
    run(makeBulkSettingCommand(tree, reference, field, value));
}

RemovedCounts ListChanges::removeDuplicates(ChannelTree& tree, CompareOptions options) {
    RemovedCounts removed;
    run(makeRemoveDuplicatesCommand(tree, options, &removed));
    return removed;
}

void ListChanges::sortChannels(ChannelTree& tree, TreeItem* provider, SortKey key) {
    run(makeSortChannelsCommand(tree, provider, key));
}

bool ListChanges::compare(CompareOptions options, CompareProgress* progress) {
    ComparedProgress watched(progress);
    run(makeCompareListsCommand(list1_, list2_, options, &watched));
    return watched.compared();
}

void ListChanges::clearAll(ChannelList& list) { run(makeClearAllCommand(list)); }

void ListChanges::close(ChannelList& list) {
    list.close();
    // An empty list without a file has nothing unsaved.
    loaded(list);
}

void ListChanges::loaded(const ChannelList& list) {
    history_.clear();
    history_.markSaved(list);
    told();
}

void ListChanges::saved(const ChannelList& list) {
    history_.markSaved(list);
    told();
}

ItemToSelect ListChanges::undo() {
    const ItemToSelect selection = history_.undo();
    told();
    return selection;
}

ItemToSelect ListChanges::redo() {
    const ItemToSelect selection = history_.redo();
    told();
    return selection;
}

}  // namespace qvx
