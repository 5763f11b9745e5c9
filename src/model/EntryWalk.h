// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelTree.h"

namespace qvx {

// One entry of a list in file order.
struct Entry {
    const TreeItem& item;
    const ChannelTree& tree;
    // True for a top-level item (a provider, as the trees see it).
    bool topLevel;
    // For a child: the item above it; null for a top-level item.
    const TreeItem* provider;
};

// Visits every item of a list in file order: the Television tree, then the
// Radio tree; in each, every top-level item followed at once by its children.
template <typename Visitor>
void walkEntries(const ChannelTree& television, const ChannelTree& radio, Visitor&& visit) {
    for (const ChannelTree* tree : {&television, &radio}) {
        for (const auto& top : tree->topLevelItems()) {
            visit(Entry{*top, *tree, true, nullptr});
            for (const auto& child : top->children()) visit(Entry{*child, *tree, false, top.get()});
        }
    }
}

}  // namespace qvx
