// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TreeCommands.h"

#include "editing/InsertionRules.h"
#include "model/ChannelTree.h"

namespace qvx {

void DeleteTreeItem(ChannelTree& tree, TreeItem* item) {
    if (item) tree.removeItem(item);
}

TreeItem* PasteClipboard(ChannelTree& tree, TreeItem* reference, std::span<const RecordImage> images,
                         std::span<const CarriedPtr> carried) {
    if (images.empty()) return nullptr;
    const auto carriedAt = [&](std::size_t index) { return index < carried.size() ? carried[index] : nullptr; };
    const std::uint8_t kind = tree.serviceType();
    ChannelRecord first = ChannelRecord::fromImage(images.front());
    first.serviceType = kind;

    if (first.isChannel != 0) {
        const InsertionPlace place = channelInsertionPlace(tree, reference, [&] {
            ChannelRecord provider = first;
            provider.makeProvider(kind);
            return TreeItem::makeProvider(provider);
        });
        return tree.insertItem(place.parent, place.row, TreeItem::makeChannel(first, carriedAt(0)));
    }

    // The provider is built with its channels before it goes in, so views see one insertion.
    auto provider = TreeItem::makeProvider(first, carriedAt(0));
    for (std::size_t index = 1; index < images.size(); ++index) {
        ChannelRecord channel = ChannelRecord::fromImage(images[index]);
        channel.serviceType = kind;
        provider->appendDetachedChild(TreeItem::makeChannel(channel, carriedAt(index)));
    }
    const InsertionPlace place = providerInsertionPlace(tree, reference);
    return tree.insertItem(place.parent, place.row, std::move(provider));
}

TreeItem* insertNewChannel(ChannelTree& tree, TreeItem* reference) {
    const std::uint8_t kind = tree.serviceType();
    const InsertionPlace place = channelInsertionPlace(
        tree, reference, [kind] { return TreeItem::makeProvider(ChannelRecord::newProvider(kind)); });
    return tree.insertItem(place.parent, place.row, TreeItem::makeChannel(ChannelRecord::newChannel(kind)));
}

TreeItem* insertNewProvider(ChannelTree& tree, TreeItem* reference) {
    const InsertionPlace place = newProviderPlace(tree, reference);
    return tree.insertItem(place.parent, place.row,
                           TreeItem::makeProvider(ChannelRecord::newProvider(tree.serviceType())));
}

bool applyRename(ChannelTree& tree, TreeItem* item, const std::optional<std::string>& newText) {
    if (!item || !newText) return false;
    ChannelRecord record = item->record();
    record.setName(*newText);
    tree.replaceRecord(item, record);
    tree.setLabel(item, *newText);
    return true;
}

}  // namespace qvx
