// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/EditorClipboard.h"

#include "editing/TreeCommands.h"
#include "model/ChannelTree.h"

namespace qvx {

void EditorClipboard::copy(const TreeItem& item) {
    std::vector<RecordImage> images;
    std::vector<CarriedPtr> carried;
    const std::size_t count = 1 + (item.hasParent() ? 0 : item.children().size());
    images.reserve(count);
    carried.reserve(count);
    images.push_back(item.record().image());
    carried.push_back(item.carried());
    if (!item.hasParent())
        for (const auto& channel : item.children()) {
            images.push_back(channel->record().image());
            carried.push_back(channel->carried());
        }
    records_ = std::move(images);
    carried_ = std::move(carried);
}

void EditorClipboard::cut(ChannelTree& tree, TreeItem* item) {
    if (!item) return;
    copy(*item);
    DeleteTreeItem(tree, item);
}

TreeItem* EditorClipboard::paste(ChannelTree& tree, TreeItem* reference) {
    if (records_.empty()) return nullptr;
    const std::vector<RecordImage> images = std::move(records_);
    const std::vector<CarriedPtr> carried = std::move(carried_);
    clear();
    return PasteClipboard(tree, reference, images, carried);
}

}  // namespace qvx
