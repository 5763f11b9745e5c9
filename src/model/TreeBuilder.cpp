// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TreeBuilder.h"

#include "model/ChannelTree.h"

namespace qvx {

TreeBuilder::TreeBuilder(ChannelTree& television, ChannelTree& radio)
    : televisionBulk_(television), radioBulk_(radio), television_{television}, radio_{radio} {}

TreeBuilder::~TreeBuilder() = default;

void TreeBuilder::pruneChildlessProvider(Target& target) {
    if (!target.tree.empty() && target.currentProvider && !target.currentProvider->hasChildren())
        target.tree.removeItem(target.currentProvider);
    target.currentProvider = nullptr;
}

void TreeBuilder::closeProviderEntry() {
    if (inProviderEntry_ && !entryHasChannel_) ++emptyProviders_;
    inProviderEntry_ = false;
}

void TreeBuilder::accept(ChannelRecord record) {
    if (record.isChannel != 0) {
        Target* target = nullptr;
        if (record.serviceType == 1 || (record.serviceType == 0 && lastProviderKind_ == 1))
            target = &television_;
        else if (record.serviceType == 2 || (record.serviceType == 0 && lastProviderKind_ == 2))
            target = &radio_;
        if (!target) {
            ++droppedChannels_;
            return;
        }
        entryHasChannel_ = true;
        record.serviceType = target->tree.serviceType();
        target->tree.appendItem(target->currentProvider, TreeItem::makeChannel(record));
        return;
    }
    pruneChildlessProvider(television_);
    pruneChildlessProvider(radio_);
    closeProviderEntry();
    inProviderEntry_ = true;
    entryHasChannel_ = false;
    const std::uint8_t kind = record.serviceType;
    record.makeProvider(0);
    lastProviderKind_ = (kind == 1 || kind == 2) ? kind : 0;
    for (Target* target : {&television_, &radio_}) {
        record.serviceType = target->tree.serviceType();
        target->currentProvider = target->tree.appendItem(nullptr, TreeItem::makeProvider(record));
    }
}

void TreeBuilder::finish() {
    pruneChildlessProvider(television_);
    pruneChildlessProvider(radio_);
    closeProviderEntry();
}

}  // namespace qvx
