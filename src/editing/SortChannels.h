// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace qvx {

class ChannelTree;
class TreeItem;

// What channels are sorted by. Names compare as byte strings without their
// trailing blanks (as the comparison sees them); numbers as numbers.
enum class SortKey { Name, Frequency, ServiceId };

// "name", "frequency" or "sid".
std::optional<SortKey> sortKeyNamed(std::string_view name);

// Sorts the channels under `provider`, or under every top-level item when it
// is null. Stable: channels with equal keys keep their order. Records and
// everything else stay as they are.
void sortChannels(ChannelTree& tree, TreeItem* provider, SortKey key);

// Sorts the top-level items by name, stably; each keeps its channels.
void sortProviders(ChannelTree& tree);

}  // namespace qvx
