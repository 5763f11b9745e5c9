// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

}  // namespace qvx
