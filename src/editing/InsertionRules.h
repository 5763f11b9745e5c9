// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

namespace qvx {

class ChannelTree;
class TreeItem;

// Where an item goes: `row` among the children of `parent` (the top level when null).
struct InsertionPlace {
    TreeItem* parent = nullptr;
    int row = 0;
};

// Makes the provider that an empty tree gets before its first channel.
using ProviderFactory = std::function<std::unique_ptr<TreeItem>()>;

// Place of a new, pasted or dropped channel. The reference item counts as a
// provider when it has no parent, as a channel otherwise:
// - a channel: before it, under its provider;
// - a provider: its first channel;
// - none in a tree with items: after the last channel of the last top-level item;
// - none in an empty tree: the provider from `makeProvider` is inserted first, as
//   the only top-level item, and the channel becomes its child.
InsertionPlace channelInsertionPlace(ChannelTree& tree, TreeItem* reference,
                                     const ProviderFactory& makeProvider);

// Place of a pasted or dropped provider: directly before the reference's
// provider, or at the end of the top level without a reference.
InsertionPlace providerInsertionPlace(const ChannelTree& tree, const TreeItem* reference);

// Place of "New provider": as for paste and drop, except that it goes second,
// directly after the reference's provider, when that provider is the first one.
InsertionPlace newProviderPlace(const ChannelTree& tree, const TreeItem* reference);

// Places several pasted or dropped items one after another: the first channel
// and the first provider where the rules above put a single one, each further
// one directly after the previous one of its kind. Told of every item placed.
class InsertionCursor final {
public:
    InsertionCursor(ChannelTree& tree, TreeItem* reference) : tree_(tree), reference_(reference) {}

    InsertionPlace nextChannel(const ProviderFactory& makeProvider);
    InsertionPlace nextProvider() const;
    void placed(TreeItem* item);

private:
    ChannelTree& tree_;
    TreeItem* reference_;
    TreeItem* lastChannel_ = nullptr;
    TreeItem* lastProvider_ = nullptr;
};

}  // namespace qvx
