// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPersistentModelIndex>

namespace qvx {

class ChannelTreeModel;
class TreeItem;

// An item remembered across events. It is held by a persistent index of the
// tree's model, so the tree's own removal reports let it go: once the item or
// its provider is removed, or the tree is emptied, it holds nothing and never
// points at a destroyed item. Everything in the window that keeps an item
// beyond one event keeps it this way.
class HeldItem final {
public:
    HeldItem() = default;

    // Holds `item` of `model`'s tree; a null item or model holds nothing.
    void hold(const ChannelTreeModel* model, const TreeItem* item);
    void clear() { index_ = QPersistentModelIndex(); }

    // The item, or null when it is gone or none was held.
    TreeItem* get() const;
    explicit operator bool() const { return index_.isValid(); }

private:
    QPersistentModelIndex index_;
};

}  // namespace qvx
