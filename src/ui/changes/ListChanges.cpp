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

void ListChanges::storeRecord(ChannelTree& tree, TreeItem& item, const ChannelRecord& record, bool asChannel) {
    history_.execute(makeEditRecordCommand(tree, item, record, asChannel));
}

bool ListChanges::rename(ChannelTree& tree, TreeItem& item, const std::optional<std::string>& text) {
    if (!text) return false;
    history_.execute(makeRenameCommand(tree, item, *text));
    return true;
}

void ListChanges::remove(ChannelTree& tree, TreeItem& item) { history_.execute(makeDeleteCommand(tree, item)); }

void ListChanges::cut(ChannelTree& tree, TreeItem& item, EditorClipboard& clipboard) {
    history_.execute(makeCutCommand(tree, item, clipboard));
}

TreeItem* ListChanges::paste(ChannelTree& tree, TreeItem* reference, EditorClipboard& clipboard) {
    return history_.execute(makePasteCommand(tree, reference, clipboard)).item;
}

TreeItem* ListChanges::newChannel(ChannelTree& tree, TreeItem* reference) {
    return history_.execute(makeNewChannelCommand(tree, reference)).item;
}

TreeItem* ListChanges::newProvider(ChannelTree& tree, TreeItem* reference) {
    return history_.execute(makeNewProviderCommand(tree, reference)).item;
}

TreeItem* ListChanges::transfer(ChannelTree& source, ChannelTree& target, TreeItem& dragged,
                                TreeItem* dropTarget) {
    return history_.execute(makeTransferCommand(source, target, dragged, dropTarget)).item;
}

void ListChanges::setBulkValue(ChannelTree& tree, TreeItem* reference, BulkField field, int value) {
    history_.execute(makeBulkSettingCommand(tree, reference, field, value));
}

bool ListChanges::compare(CompareOptions options, CompareProgress* progress) {
    ComparedProgress watched(progress);
    history_.execute(makeCompareListsCommand(list1_, list2_, options, &watched));
    return watched.compared();
}

void ListChanges::clearAll(ChannelList& list) { history_.execute(makeClearAllCommand(list)); }

void ListChanges::close(ChannelList& list) {
    list.close();
    history_.clear();
}

void ListChanges::loaded(const ChannelList& list) {
    history_.clear();
    history_.markSaved(list);
}

void ListChanges::saved(const ChannelList& list) { history_.markSaved(list); }

}  // namespace qvx
