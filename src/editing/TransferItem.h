// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <vector>

namespace qvx {

class ChannelTree;
class TreeItem;

// The drop of a drag: places a copy of `dragged` (a provider with copies of all
// its channels) in `target`, by the insertion rules with `dropTarget` (or none)
// as the reference. Copies get the target's kind and keep the looks of their
// originals, labels cut to 31 characters. Within one tree the original is
// removed after the copy went in, so a move is a copy followed by a removal.
// Returns the item inserted for `dragged`, or null when nothing was dragged.
TreeItem* TransferItem(ChannelTree& source, ChannelTree& target, TreeItem* dragged, TreeItem* dropTarget);

// The drop of several items (an operand, operandItems): TransferItem of each,
// one after another where the first goes (InsertionCursor). Within one tree a
// drop target that is moved itself (or is a channel of a moved provider) gives
// way to the first item after it that is not moved. Returns the items
// inserted (or, within one tree, moved), in order.
std::vector<TreeItem*> TransferItems(ChannelTree& source, ChannelTree& target, std::span<TreeItem* const> dragged,
                                     TreeItem* dropTarget);

}  // namespace qvx
