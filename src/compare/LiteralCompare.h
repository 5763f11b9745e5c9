// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "compare/CompareOptions.h"

namespace qvx {

class ChannelTree;
class TreeItem;

// The comparison searched the plain way: for every channel of treeA the search
// starts again at the top of treeB, and names are copied and stripped anew for
// every candidate. Its work grows with the product of the channel counts. It is
// the reference that CompareTrees must match, kept for tests and benchmarks.

// Whether two channels are equal under `options`, decided field by field.
bool equalChannels(const ChannelRecord& a, const ChannelRecord& b, CompareOptions options);
// The same for two items, by the names they carry where they carry whole names.
bool equalChannels(const TreeItem& a, const TreeItem& b, CompareOptions options);

// Removes the first channel of treeB (under a top-level item, in tree order)
// equal to `record`; true when one was found.
bool RemoveFirstEqual(const ChannelRecord& record, ChannelTree& treeB, CompareOptions options);

bool compareTreesLiteral(ChannelTree& treeA, ChannelTree& treeB, CompareOptions options,
                         CompareProgress* progress = nullptr);

}  // namespace qvx
