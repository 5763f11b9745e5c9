// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

namespace qvx {

class ChannelTree;
class TreeItem;

// Which items a search may find (a filter hides the others); every item when empty.
using ItemShown = std::function<bool(const TreeItem&)>;

// The quick search: the first item whose label starts with `text`, ignoring
// windows-1252 case. A provider comes before its channels, and the channels of
// one provider before the next provider. Null for an empty text, an empty tree,
// or when nothing matches (the window then leaves the selection as it is).
TreeItem* FindPrefixInTree(std::string_view text, const ChannelTree& tree, const ItemShown& shown = {});

}  // namespace qvx

#include <array>
#include <cstdint>
#include <vector>

namespace qvx {

// The same search for a field that searches after every keystroke: keeps the
// lower-cased beginnings of all labels of one tree side by side, rebuilt only
// after the tree has changed, so a keystroke scans one compact array instead
// of every item on the heap.
class PrefixIndex final {
public:
    // Longest text answered from the index; longer texts search the tree itself.
    static constexpr std::size_t kKeyLength = 16;

    TreeItem* find(std::string_view text, const ChannelTree& tree, const ItemShown& shown = {});

private:
    struct Key {
        std::array<std::uint8_t, kKeyLength> lowered;
        std::uint8_t length;  // label length, at most kKeyLength
        TreeItem* item;
    };
    void rebuild(const ChannelTree& tree);

    const ChannelTree* tree_ = nullptr;
    std::uint64_t builtAt_ = 0;
    std::vector<Key> keys_;
};

}  // namespace qvx
