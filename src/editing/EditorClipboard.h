// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "model/Carried.h"
#include "model/ChannelRecord.h"

namespace qvx {

class ChannelTree;
class TreeItem;

// The editor's one clipboard, shared by both lists and all four trees: either
// one channel image, or a provider image followed by its channels' images in
// tree order; after a Copy of several items, one such group per item, in
// tree order. The images are independent copies, each with what its item
// carries from a text format. One Copy or Cut is pasted once.
class EditorClipboard final {
public:
    // Number of images held (clipboardCount); 0 when empty.
    int count() const { return static_cast<int>(records_.size()); }
    bool empty() const { return records_.empty(); }
    // The images held (clipboardRecords).
    const std::vector<RecordImage>& records() const { return records_; }
    // What each image's item carried, in the same order (null entries for most).
    const std::vector<CarriedPtr>& carried() const { return carried_; }

    // Replaces the contents by the item's image and, for an item without a
    // parent, the images of its children.
    void copy(const TreeItem& item);
    // One group per item of an operand (operandItems), in its order.
    void copy(std::span<TreeItem* const> items);
    // Copy, then DeleteTreeItem.
    void cut(ChannelTree& tree, TreeItem* item);
    void cut(ChannelTree& tree, std::span<TreeItem* const> items);
    // How many items a paste puts in (groups held).
    std::size_t groupCount() const { return groupStarts_.size(); }
    // PasteClipboard (of each group, one after another), then the clipboard is
    // empty. Returns the inserted items, none (and nothing changed) when the
    // clipboard was empty.
    std::vector<TreeItem*> pasteAll(ChannelTree& tree, TreeItem* reference);
    // The same, returning the first inserted item or null.
    TreeItem* paste(ChannelTree& tree, TreeItem* reference) {
        const std::vector<TreeItem*> pasted = pasteAll(tree, reference);
        return pasted.empty() ? nullptr : pasted.front();
    }
    void clear() {
        records_.clear();
        carried_.clear();
        groupStarts_.clear();
    }

private:
    std::vector<RecordImage> records_;
    std::vector<CarriedPtr> carried_;
    std::vector<std::size_t> groupStarts_;
};

}  // namespace qvx
