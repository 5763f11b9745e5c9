// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/CompareOptions.h"

namespace qvx {

class ChannelList;
class ChannelTree;

// Removes from both trees every channel the other tree also holds, pairs one to
// one: each channel of treeA (list 1), in tree order, takes away the first
// still-present equal channel of treeB (list 2) from the top, and goes with it.
// Then both trees lose their providers without channels. Only channels under a
// top-level item take part; a channel standing at the top level stays.
// Returns false, changing nothing and telling no progress, when either tree
// is empty. Each tree reports one reset at most.
//
// Built on an index of treeB's channels by key, so it takes linear time; it
// gives exactly the result of the literal search in LiteralCompare.h.
bool CompareTrees(ChannelTree& treeA, ChannelTree& treeB, CompareOptions options,
                  CompareProgress* progress = nullptr);

// Removes every top-level item that has no children and is a provider record
// (isChannel 0), in one step. A channel at the top level is no empty provider and stays.
void RemoveEmptyProviders(ChannelTree& tree);

// "Compare Lists": the Television trees, then the Radio trees. True when at
// least one pair was compared.
bool CompareLists(ChannelList& list1, ChannelList& list2, CompareOptions options,
                  CompareProgress* progress = nullptr);

}  // namespace qvx
