// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include "compare/CompareOptions.h"

namespace qvx {

class ChannelTree;

// What an arrangement found: of the channels under the top-level items and
// of the top-level items themselves, how many had a match in the reference.
struct ArrangedCounts {
    std::size_t channels = 0;
    std::size_t channelsPlaced = 0;
    std::size_t providers = 0;
    std::size_t providersPlaced = 0;
};

// Puts `tree` in the order of `reference` (the tree of the same kind of the
// other list). Channels under top-level items are paired as the comparison
// pairs them (by its keys, one to one, the n-th equal channel of one tree
// with the n-th of the other); top-level items by name (trailing blanks
// aside) in the same way. Paired items come first, in the reference's
// order, the others after them in their own order. A paired channel moves
// under the top-level item paired with its match's provider, or else under
// the first one named like it; where the tree has none, it stays under its
// own provider. Nothing is added or removed; views see one reorder.
// Linear in the sizes of both trees.
ArrangedCounts arrangeLike(ChannelTree& tree, const ChannelTree& reference, CompareOptions options);

}  // namespace qvx
