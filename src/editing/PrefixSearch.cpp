#include "editing/PrefixSearch.h"

#include <string>

#include "editing/Windows1252.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

bool startsWithLowered(const std::string& label, const std::string& loweredPrefix) {
    if (label.size() < loweredPrefix.size()) return false;
    for (std::size_t i = 0; i < loweredPrefix.size(); ++i) {
        if (lowerWindows1252(static_cast<std::uint8_t>(label[i])) != static_cast<std::uint8_t>(loweredPrefix[i]))
            return false;
    }
    return true;
}

}  // namespace

TreeItem* FindPrefixInTree(std::string_view text, const ChannelTree& tree) {
    if (text.empty() || tree.empty()) return nullptr;
    const std::string prefix = lowerWindows1252(text);
    for (const auto& provider : tree.topLevelItems()) {
        if (startsWithLowered(provider->label(), prefix)) return provider.get();
        for (const auto& channel : provider->children())
            if (startsWithLowered(channel->label(), prefix)) return channel.get();
    }
    return nullptr;
}

}  // namespace qvx
