// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/EditorClipboard.h"

#include "editing/TreeCommands.h"
#include "model/ChannelTree.h"

namespace qvx {

void EditorClipboard::copy(const TreeItem& item) {
    std::vector<RecordImage> images;
    images.reserve(1 + (item.hasParent() ? 0 : item.children().size()));
    images.push_back(item.record().image());
    if (!item.hasParent())
        for (const auto& channel : item.children()) images.push_back(channel->record().image());
    records_ = std::move(images);
}

void EditorClipboard::cut(ChannelTree& tree, TreeItem* item) {
    if (!item) return;
    copy(*item);
    DeleteTreeItem(tree, item);
}

TreeItem* EditorClipboard::paste(ChannelTree& tree, TreeItem* reference) {
    if (records_.empty()) return nullptr;
    const std::vector<RecordImage> images = std::move(records_);
    records_.clear();
    return PasteClipboard(tree, reference, images);
}

}  // namespace qvx
