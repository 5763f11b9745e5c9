// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TransferItem.h"

#include <memory>
#include <string>
#include <unordered_set>

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

// A copy of a channel or of a provider with its channels for another tree.
std::unique_ptr<TreeItem> transferCopy(const TreeItem& dragged, std::uint8_t kind) {
    if (dragged.hasParent()) return copyOf(dragged, kind, false);
    auto provider = copyOf(dragged, kind, dragged.isBold());
    for (const auto& channel : dragged.children()) provider->appendDetachedChild(copyOf(*channel, kind, false));
    return provider;
}

// The first item after `item` in tree order that is not moved (none past the end).
TreeItem* firstUnmovedAfter(const ChannelTree& tree, TreeItem* item, const std::unordered_set<const TreeItem*>& moved) {
    const auto isMoved = [&](const TreeItem* candidate) {
        return moved.contains(candidate) || (candidate->hasParent() && moved.contains(candidate->parent()));
    };
    TreeItem* provider = item->hasParent() ? item->parent() : item;
    int child = item->hasParent() ? item->row() + 1 : 0;
    for (int top = provider->row(); top < tree.topLevelCount(); ++top, child = 0) {
        TreeItem* current = tree.topLevelItem(top);
        if (top != provider->row() && !isMoved(current)) return current;
        for (; child < current->childCount(); ++child)
            if (!isMoved(current->child(child))) return current->child(child);
    }
    return nullptr;
}

}  // namespace

std::vector<TreeItem*> TransferItems(ChannelTree& source, ChannelTree& target, std::span<TreeItem* const> dragged,
                                     TreeItem* dropTarget) {
    if (dragged.size() == 1) {
        TreeItem* inserted = TransferItem(source, target, dragged.front(), dropTarget);
        return inserted ? std::vector<TreeItem*>{inserted} : std::vector<TreeItem*>{};
    }
    std::vector<TreeItem*> inserted;
    inserted.reserve(dragged.size());
    if (&source == &target) {
        const std::unordered_set<const TreeItem*> moved(dragged.begin(), dragged.end());
        const bool inside = dropTarget && (moved.contains(dropTarget) ||
                                           (dropTarget->hasParent() && moved.contains(dropTarget->parent())));
        if (inside) dropTarget = firstUnmovedAfter(target, dropTarget, moved);
        InsertionCursor cursor(target, dropTarget);
        for (TreeItem* item : dragged) {
            const InsertionPlace place = item->hasParent() ? cursor.nextChannel([] { return nullptr; })
                                                           : cursor.nextProvider();
            target.moveItem(item, place.parent, place.row);
            if (!item->hasParent())
                for (const auto& channel : item->children()) target.setLabel(channel.get(), cutLabel(channel->label()));
            target.setLabel(item, cutLabel(item->label()));
            cursor.placed(item);
            inserted.push_back(item);
        }
        return inserted;
    }
    const std::uint8_t kind = target.serviceType();
    InsertionCursor cursor(target, dropTarget);
    for (TreeItem* item : dragged) {
        InsertionPlace place;
        if (item->hasParent()) {
            place = cursor.nextChannel([&] {
                ChannelRecord provider = recordOfKind(*item, kind);
                provider.makeProvider(kind);
                return std::make_unique<TreeItem>(provider, cutLabel(item->label()), providerLooks());
            });
        } else {
            place = cursor.nextProvider();
        }
        TreeItem* copy = target.insertItem(place.parent, place.row, transferCopy(*item, kind));
        cursor.placed(copy);
        inserted.push_back(copy);
    }
    return inserted;
}

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
