// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/InsertionRules.h"

#include "model/ChannelTree.h"

namespace qvx {
namespace {

int providerRow(const TreeItem& reference) {
    return reference.hasParent() ? reference.parent()->row() : reference.row();
}

}  // namespace

InsertionPlace channelInsertionPlace(ChannelTree& tree, TreeItem* reference,
                                     const ProviderFactory& makeProvider) {
    if (reference) {
        if (reference->hasParent()) return {reference->parent(), reference->row()};
        return {reference, 0};
    }
    if (!tree.empty()) {
        TreeItem* last = tree.topLevelItem(tree.topLevelCount() - 1);
        return {last, last->childCount()};
    }
    TreeItem* provider = tree.insertItem(nullptr, 0, makeProvider());
    return {provider, 0};
}

InsertionPlace providerInsertionPlace(const ChannelTree& tree, const TreeItem* reference) {
    if (!reference) return {nullptr, tree.topLevelCount()};
    return {nullptr, providerRow(*reference)};
}

InsertionPlace newProviderPlace(const ChannelTree& tree, const TreeItem* reference) {
    if (!reference) return {nullptr, tree.topLevelCount()};
    const int row = providerRow(*reference);
    return {nullptr, row > 0 ? row : 1};
}

InsertionPlace InsertionCursor::nextChannel(const ProviderFactory& makeProvider) {
    if (lastChannel_) return {lastChannel_->parent(), lastChannel_->row() + 1};
    return channelInsertionPlace(tree_, reference_, makeProvider);
}

InsertionPlace InsertionCursor::nextProvider() const {
    if (lastProvider_) return {nullptr, lastProvider_->row() + 1};
    return providerInsertionPlace(tree_, reference_);
}

void InsertionCursor::placed(TreeItem* item) {
    if (!item) return;
    (item->hasParent() ? lastChannel_ : lastProvider_) = item;
}

}  // namespace qvx
