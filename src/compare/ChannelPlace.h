// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qvx {

class TreeItem;

// A channel by its place in its tree: the row of the top-level item above it
// and its own row there, both counted from 0.
struct ChannelPlace {
    int provider;
    int channel;
    const TreeItem* item;
};

}  // namespace qvx
