// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/PrefixSearch.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "model/Windows1252.h"
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

TreeItem* FindPrefixInTree(std::string_view text, const ChannelTree& tree, const ItemShown& shown) {
    if (text.empty() || tree.empty()) return nullptr;
    const std::string prefix = lowerWindows1252(text);
    const auto found = [&](const TreeItem& item) {
        return startsWithLowered(item.label(), prefix) && (!shown || shown(item));
    };
    for (const auto& provider : tree.topLevelItems()) {
        if (found(*provider)) return provider.get();
        for (const auto& channel : provider->children())
            if (found(*channel)) return channel.get();
    }
    return nullptr;
}

void PrefixIndex::rebuild(const ChannelTree& tree) {
    keys_.clear();
    keys_.reserve(tree.itemCount());
    auto add = [this](TreeItem* item) {
        Key key{};
        const std::string& label = item->label();
        key.length = static_cast<std::uint8_t>(std::min(label.size(), kKeyLength));
        for (std::size_t i = 0; i < key.length; ++i)
            key.lowered[i] = lowerWindows1252(static_cast<std::uint8_t>(label[i]));
        key.item = item;
        keys_.push_back(key);
    };
    // Tree order: each provider, then its channels.
    for (const auto& provider : tree.topLevelItems()) {
        add(provider.get());
        for (const auto& channel : provider->children()) add(channel.get());
    }
    tree_ = &tree;
    builtAt_ = tree.changeCount();
}

TreeItem* PrefixIndex::find(std::string_view text, const ChannelTree& tree, const ItemShown& shown) {
    if (text.size() > kKeyLength) return FindPrefixInTree(text, tree, shown);
    if (text.empty() || tree.empty()) return nullptr;
    if (tree_ != &tree || builtAt_ != tree.changeCount()) rebuild(tree);
    const std::string prefix = lowerWindows1252(text);
    const std::size_t length = prefix.size();
    for (const Key& key : keys_)
        if (key.length >= length && std::memcmp(key.lowered.data(), prefix.data(), length) == 0 &&
            (!shown || shown(*key.item)))
            return key.item;
    return nullptr;
}

}  // namespace qvx
