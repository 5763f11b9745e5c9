// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/SortChannels.h"

#include "compare/CompareOptions.h"
#include "model/ChannelTree.h"

namespace qvx {
namespace {

// std::string_view compares characters as unsigned bytes, so "Ä" (0xC4) comes after "Z".
bool nameBefore(const TreeItem& a, const TreeItem& b) {
    return comparisonName(a.record()) < comparisonName(b.record());
}

bool keyBefore(SortKey key, const TreeItem& a, const TreeItem& b) {
    switch (key) {
    case SortKey::Name: return nameBefore(a, b);
    case SortKey::Frequency: return a.record().frequency < b.record().frequency;
    case SortKey::ServiceId: return a.record().serviceId < b.record().serviceId;
    }
    return false;
}

}  // namespace

std::optional<SortKey> sortKeyNamed(std::string_view name) {
    if (name == "name") return SortKey::Name;
    if (name == "frequency") return SortKey::Frequency;
    if (name == "sid") return SortKey::ServiceId;
    return std::nullopt;
}

void sortChannels(ChannelTree& tree, TreeItem* provider, SortKey key) {
    const auto less = [key](const TreeItem& a, const TreeItem& b) { return keyBefore(key, a, b); };
    if (provider) {
        tree.stableSortChildren(provider, less);
        return;
    }
    const ChannelTree::Reorder reorder(tree);
    for (const auto& top : tree.topLevelItems()) tree.stableSortChildren(top.get(), less);
}

void sortProviders(ChannelTree& tree) { tree.stableSortChildren(nullptr, nameBefore); }

}  // namespace qvx
