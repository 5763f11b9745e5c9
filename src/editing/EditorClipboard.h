// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/Carried.h"
#include "model/ChannelRecord.h"

namespace qvx {

class ChannelTree;
class TreeItem;

// The editor's one clipboard, shared by both lists and all four trees: either
// one channel image, or a provider image followed by its channels' images in
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
    // Copy, then DeleteTreeItem.
    void cut(ChannelTree& tree, TreeItem* item);
    // PasteClipboard, then the clipboard is empty. Returns the inserted item,
    // or null (and changes nothing) when the clipboard was empty.
    TreeItem* paste(ChannelTree& tree, TreeItem* reference);
    void clear() {
        records_.clear();
        carried_.clear();
    }

private:
    std::vector<RecordImage> records_;
    std::vector<CarriedPtr> carried_;
};

}  // namespace qvx
