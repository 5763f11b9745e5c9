#pragma once

#include <string_view>

namespace qvx {

class ChannelTree;
class TreeItem;

// The quick search: the first item whose label starts with `text`, ignoring
// windows-1252 case. A provider comes before its channels, and the channels of
// one provider before the next provider. Null for an empty text, an empty tree,
// or when nothing matches (the window then leaves the selection as it is).
TreeItem* FindPrefixInTree(std::string_view text, const ChannelTree& tree);

}  // namespace qvx
