// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <vector>

#include "compare/ChannelPlace.h"
#include "compare/CompareOptions.h"

namespace qvx {

class ChannelTree;

// Two or more channels of one tree that are equal under the options, in tree order.
using DuplicateGroup = std::vector<ChannelPlace>;

// Every group of equal channels under the top-level items of `tree` (as the
// comparison sees them: channels at the top level take no part), ordered by
// their first channel. Linear: one pass builds the comparison's index.
std::vector<DuplicateGroup> findDuplicates(const ChannelTree& tree, CompareOptions options);

struct RemovedCounts {
    std::size_t channels = 0;
    std::size_t providers = 0;
};

// Keeps the first channel of every group and removes the others, then the
// providers this left without channels (a provider that had none before
// stays). One reset for the views at most.
RemovedCounts removeDuplicates(ChannelTree& tree, CompareOptions options);

}  // namespace qvx
