// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TransferItem.h"

#include <memory>
#include <string>

#include "editing/InsertionRules.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

std::string cutLabel(const std::string& label) { return label.substr(0, kNameCapacity); }

ChannelRecord recordOfKind(const TreeItem& item, std::uint8_t kind) {
    ChannelRecord record = ChannelRecord::fromImage(item.record().image());
    record.serviceType = kind;
    return record;
}

// A copy keeps the looks of its original; a channel is never bold.
std::unique_ptr<TreeItem> copyOf(const TreeItem& item, std::uint8_t kind, bool bold) {
    ItemLooks looks = item.looks();
    looks.bold = bold;
    return std::make_unique<TreeItem>(recordOfKind(item, kind), cutLabel(item.label()), looks, item.carried());
}

// Within its own tree the very item moves, so views see a move and keep it open and
// selected; it takes the label a copy would have.
TreeItem* moveWithinTree(ChannelTree& tree, TreeItem* dragged, TreeItem* dropTarget) {
    if (dragged->hasParent()) {
        const InsertionPlace place = channelInsertionPlace(tree, dropTarget, [] { return nullptr; });
        tree.moveItem(dragged, place.parent, place.row);
    } else {
        const InsertionPlace place = providerInsertionPlace(tree, dropTarget);
        tree.moveItem(dragged, place.parent, place.row);
        for (const auto& channel : dragged->children()) tree.setLabel(channel.get(), cutLabel(channel->label()));
    }
    tree.setLabel(dragged, cutLabel(dragged->label()));
    return dragged;
}

}  // namespace

TreeItem* TransferItem(ChannelTree& source, ChannelTree& target, TreeItem* dragged, TreeItem* dropTarget) {
    if (!dragged) return nullptr;
    if (&source == &target) return moveWithinTree(target, dragged, dropTarget);
    const std::uint8_t kind = target.serviceType();
    TreeItem* inserted = nullptr;

    if (dragged->hasParent()) {
        const InsertionPlace place = channelInsertionPlace(target, dropTarget, [&] {
            ChannelRecord provider = recordOfKind(*dragged, kind);
            provider.makeProvider(kind);
            return std::make_unique<TreeItem>(provider, cutLabel(dragged->label()), providerLooks());
        });
        inserted = target.insertItem(place.parent, place.row, copyOf(*dragged, kind, false));
    } else {
        // Built whole before it goes in: views see one insertion, however many channels.
        auto provider = copyOf(*dragged, kind, dragged->isBold());
        for (const auto& channel : dragged->children())
            provider->appendDetachedChild(copyOf(*channel, kind, false));
        const InsertionPlace place = providerInsertionPlace(target, dropTarget);
        inserted = target.insertItem(place.parent, place.row, std::move(provider));
    }

    return inserted;
}

}  // namespace qvx
