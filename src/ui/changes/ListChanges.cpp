#include "ui/changes/ListChanges.h"

#include "compare/CompareTrees.h"
#include "editing/TransferItem.h"
#include "editing/TreeCommands.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"

namespace qvx {

ListChanges::ListChanges(ChannelList& list1, ChannelList& list2) : list1_(list1), list2_(list2) {}

void ListChanges::storeRecord(ChannelTree& tree, TreeItem* item, const ChannelRecord& record, bool asChannel) {
    tree.setLabel(item, std::string(record.nameText()));
    if (asChannel)
        tree.setLooks(item, record.isScrambled() ? kScrambledChannelImage : kFreeChannelImage,
                      kSelectedChannelImage);
    tree.replaceRecord(item, record);
}

bool ListChanges::rename(ChannelTree& tree, TreeItem* item, const std::optional<std::string>& text) {
    return applyRename(tree, item, text);
}

void ListChanges::remove(ChannelTree& tree, TreeItem* item) {
    if (item) DeleteTreeItem(tree, item);
}

TreeItem* ListChanges::paste(ChannelTree& tree, TreeItem* reference, std::span<const RecordImage> images) {
    return PasteClipboard(tree, reference, images);
}

TreeItem* ListChanges::newChannel(ChannelTree& tree, TreeItem* reference) {
    return insertNewChannel(tree, reference);
}

TreeItem* ListChanges::newProvider(ChannelTree& tree, TreeItem* reference) {
    return insertNewProvider(tree, reference);
}

TreeItem* ListChanges::transfer(ChannelTree& source, ChannelTree& target, TreeItem* dragged,
                                TreeItem* dropTarget) {
    return TransferItem(source, target, dragged, dropTarget);
}

void ListChanges::setBulkValue(ChannelTree& tree, TreeItem* reference, BulkField field, int value) {
    applyBulkValue(tree, reference, field, value);
}

bool ListChanges::compare(CompareOptions options, CompareProgress* progress) {
    return CompareLists(list1_, list2_, options, progress);
}

void ListChanges::clearAll(ChannelList& list) { list.clearAll(); }

void ListChanges::close(ChannelList& list) { list.close(); }

}  // namespace qvx
