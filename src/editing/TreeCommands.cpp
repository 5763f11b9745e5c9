// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TreeCommands.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "editing/InsertionRules.h"
#include "model/ChannelTree.h"

namespace qvx {

void DeleteTreeItem(ChannelTree& tree, TreeItem* item) {
    if (item) tree.removeItem(item);
}

std::vector<TreeItem*> operandItems(std::vector<TreeItem*> selected) {
    std::erase(selected, nullptr);
    const std::unordered_set<const TreeItem*> chosen(selected.begin(), selected.end());
    // A channel whose provider is chosen too goes with the provider.
    std::erase_if(selected, [&](const TreeItem* item) { return item->hasParent() && chosen.contains(item->parent()); });
    const auto place = [](const TreeItem* item) {
        return item->hasParent() ? std::pair(item->parent()->row(), item->row() + 1) : std::pair(item->row(), 0);
    };
    std::sort(selected.begin(), selected.end(),
              [&](const TreeItem* a, const TreeItem* b) { return place(a) < place(b); });
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    return selected;
}

TreeItem* itemLeftNear(const ChannelTree& tree, std::span<TreeItem* const> items) {
    const std::unordered_set<const TreeItem*> gone(items.begin(), items.end());
    TreeItem* before = nullptr;
    bool passed = false;
    for (const auto& top : tree.topLevelItems()) {
        const bool providerGone = gone.contains(top.get());
        if (providerGone) passed = true;
        else if (passed) return top.get();
        else before = top.get();
        for (const auto& channel : top->children()) {
            if (providerGone || gone.contains(channel.get())) {
                passed = true;
                continue;
            }
            if (passed) return channel.get();
            before = channel.get();
        }
    }
    return before;
}

void DeleteTreeItems(ChannelTree& tree, std::span<TreeItem* const> items) {
    if (items.size() == 1) {
        DeleteTreeItem(tree, items.front());
        return;
    }
    const std::unordered_set<const TreeItem*> gone(items.begin(), items.end());
    const bool providers = std::any_of(items.begin(), items.end(), [](const TreeItem* item) { return !item->hasParent(); });
    const bool channels = std::any_of(items.begin(), items.end(), [](const TreeItem* item) { return item->hasParent(); });
    // Views see one reset, however many items go.
    ChannelTree::BulkChange bulk(tree);
    if (providers) tree.removeTopLevelWhere([&](const TreeItem& item) { return gone.contains(&item); });
    if (channels) tree.removeChildrenWhere([&](const TreeItem& item) { return gone.contains(&item); });
}

namespace {

// One clipboard group (a channel, or a provider with its channels) at the cursor's next place.
TreeItem* pasteGroup(ChannelTree& tree, InsertionCursor& cursor, std::span<const RecordImage> images,
                     std::span<const CarriedPtr> carried) {
    if (images.empty()) return nullptr;
    const auto carriedAt = [&](std::size_t index) { return index < carried.size() ? carried[index] : nullptr; };
    const std::uint8_t kind = tree.serviceType();
    ChannelRecord first = ChannelRecord::fromImage(images.front());
    first.serviceType = kind;

    TreeItem* inserted = nullptr;
    if (first.isChannel != 0) {
        const InsertionPlace place = cursor.nextChannel([&] {
            ChannelRecord provider = first;
            provider.makeProvider(kind);
            return TreeItem::makeProvider(provider);
        });
        inserted = tree.insertItem(place.parent, place.row, TreeItem::makeChannel(first, carriedAt(0)));
    } else {
        // The provider is built with its channels before it goes in, so views see one insertion.
        auto provider = TreeItem::makeProvider(first, carriedAt(0));
        for (std::size_t index = 1; index < images.size(); ++index) {
            ChannelRecord channel = ChannelRecord::fromImage(images[index]);
            channel.serviceType = kind;
            provider->appendDetachedChild(TreeItem::makeChannel(channel, carriedAt(index)));
        }
        const InsertionPlace place = cursor.nextProvider();
        inserted = tree.insertItem(place.parent, place.row, std::move(provider));
    }
    cursor.placed(inserted);
    return inserted;
}

}  // namespace

TreeItem* PasteClipboard(ChannelTree& tree, TreeItem* reference, std::span<const RecordImage> images,
                         std::span<const CarriedPtr> carried) {
    InsertionCursor cursor(tree, reference);
    return pasteGroup(tree, cursor, images, carried);
}

std::vector<TreeItem*> PasteClipboardGroups(ChannelTree& tree, TreeItem* reference,
                                            std::span<const RecordImage> images,
                                            std::span<const CarriedPtr> carried,
                                            std::span<const std::size_t> groupStarts) {
    std::vector<TreeItem*> inserted;
    InsertionCursor cursor(tree, reference);
    for (std::size_t group = 0; group < groupStarts.size(); ++group) {
        const std::size_t begin = groupStarts[group];
        const std::size_t end = group + 1 < groupStarts.size() ? groupStarts[group + 1] : images.size();
        if (begin >= end || end > images.size()) continue;
        const std::span<const CarriedPtr> groupCarried =
            begin < carried.size() ? carried.subspan(begin, std::min(end, carried.size()) - begin)
                                   : std::span<const CarriedPtr>();
        if (TreeItem* item = pasteGroup(tree, cursor, images.subspan(begin, end - begin), groupCarried))
            inserted.push_back(item);
    }
    return inserted;
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
