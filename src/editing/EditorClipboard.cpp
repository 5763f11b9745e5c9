// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/EditorClipboard.h"

#include "editing/TreeCommands.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

void append(const TreeItem& item, std::vector<RecordImage>& images, std::vector<CarriedPtr>& carried) {
    images.push_back(item.record().image());
    carried.push_back(item.carried());
    if (!item.hasParent())
        for (const auto& channel : item.children()) {
            images.push_back(channel->record().image());
            carried.push_back(channel->carried());
        }
}

std::size_t imageCount(const TreeItem& item) { return 1 + (item.hasParent() ? 0 : item.children().size()); }

}  // namespace

void EditorClipboard::copy(const TreeItem& item) {
    std::vector<RecordImage> images;
    std::vector<CarriedPtr> carried;
    images.reserve(imageCount(item));
    carried.reserve(imageCount(item));
    append(item, images, carried);
    records_ = std::move(images);
    carried_ = std::move(carried);
    groupStarts_ = {0};
}

void EditorClipboard::copy(std::span<TreeItem* const> items) {
    std::vector<RecordImage> images;
    std::vector<CarriedPtr> carried;
    std::vector<std::size_t> starts;
    std::size_t count = 0;
    for (const TreeItem* item : items) count += imageCount(*item);
    images.reserve(count);
    carried.reserve(count);
    starts.reserve(items.size());
    for (const TreeItem* item : items) {
        starts.push_back(images.size());
        append(*item, images, carried);
    }
    records_ = std::move(images);
    carried_ = std::move(carried);
    groupStarts_ = std::move(starts);
}

void EditorClipboard::cut(ChannelTree& tree, TreeItem* item) {
    if (!item) return;
    copy(*item);
    DeleteTreeItem(tree, item);
}

void EditorClipboard::cut(ChannelTree& tree, std::span<TreeItem* const> items) {
    if (items.empty()) return;
    copy(items);
    DeleteTreeItems(tree, items);
}

std::vector<TreeItem*> EditorClipboard::pasteAll(ChannelTree& tree, TreeItem* reference) {
    if (records_.empty()) return {};
    const std::vector<RecordImage> images = std::move(records_);
    const std::vector<CarriedPtr> carried = std::move(carried_);
    const std::vector<std::size_t> starts = std::move(groupStarts_);
    clear();
    if (starts.size() <= 1) {
        TreeItem* pasted = PasteClipboard(tree, reference, images, carried);
        return pasted ? std::vector<TreeItem*>{pasted} : std::vector<TreeItem*>{};
    }
    return PasteClipboardGroups(tree, reference, images, carried, starts);
}

}  // namespace qvx
