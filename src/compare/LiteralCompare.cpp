// SPDX-License-Identifier: GPL-3.0-or-later
#include "compare/LiteralCompare.h"

#include <cstring>
#include <string>
#include <type_traits>

#include "model/ChannelTree.h"

namespace qvx {
namespace {

// A name copied out of its field and stripped of trailing blanks.
struct StrippedName {
    char text[sizeof ChannelRecord::name];
    std::size_t length;
};

StrippedName strippedCopy(const ChannelRecord& record) {
    StrippedName copy{};
    std::size_t length = 0;
    while (length < sizeof record.name && record.name[length] != '\0') {
        copy.text[length] = record.name[length];
        ++length;
    }
    while (length > 0 && copy.text[length - 1] == ' ') --length;
    copy.length = length;
    return copy;
}

bool sameStrippedName(const ChannelRecord& a, const ChannelRecord& b) {
    const StrippedName first = strippedCopy(a);
    const StrippedName second = strippedCopy(b);
    return first.length == second.length && std::memcmp(first.text, second.text, first.length) == 0;
}

void removeEmptyProvidersOneByOne(ChannelTree& tree) {
    int row = 0;
    while (row < tree.topLevelCount()) {
        TreeItem* item = tree.topLevelItem(row);
        if (!item->hasChildren() && item->record().isChannel == 0)
            tree.removeItem(item);
        else
            ++row;
    }
}

}  // namespace

bool equalChannels(const ChannelRecord& a, const ChannelRecord& b, CompareOptions options) {
    const bool idsAgree = !options.byServiceId || a.serviceId == b.serviceId;
    const bool namesAgree = !options.byName || sameStrippedName(a, b);
    const bool tuningAgrees = !options.byTuning || (a.frequency == b.frequency && a.symbolRate == b.symbolRate &&
                                                    a.polarity == b.polarity);
    return idsAgree && namesAgree && tuningAgrees;
}

bool equalChannels(const TreeItem& a, const TreeItem& b, CompareOptions options) {
    std::string first;
    std::string second;
    const bool namesAgree = !options.byName || comparisonName(a, first) == comparisonName(b, second);
    return namesAgree && equalChannels(a.record(), b.record(), CompareOptions{false, options.byServiceId, options.byTuning});
}

namespace {

template <typename Channel>
bool removeFirstEqual(const Channel& wanted, ChannelTree& treeB, CompareOptions options) {
    for (int p = 0; p < treeB.topLevelCount(); ++p) {
        const TreeItem* provider = treeB.topLevelItem(p);
        for (int c = 0; c < provider->childCount(); ++c) {
            TreeItem* channel = provider->child(c);
            const bool equal = [&] {
                if constexpr (std::is_same_v<Channel, TreeItem>)
                    return equalChannels(wanted, *channel, options);
                else
                    return equalChannels(wanted, channel->record(), options);
            }();
            if (equal) {
                treeB.removeItem(channel);
                return true;
            }
        }
    }
    return false;
}

}  // namespace

bool RemoveFirstEqual(const ChannelRecord& record, ChannelTree& treeB, CompareOptions options) {
    return removeFirstEqual(record, treeB, options);
}

bool compareTreesLiteral(ChannelTree& treeA, ChannelTree& treeB, CompareOptions options,
                         CompareProgress* progress) {
    const std::size_t countA = treeA.itemCount();
    if (countA == 0 || treeB.empty()) return false;
    if (progress) progress->begin(countA);
    for (int p = 0; p < treeA.topLevelCount(); ++p) {
        TreeItem* provider = treeA.topLevelItem(p);
        int c = 0;
        while (c < provider->childCount()) {
            TreeItem* channel = provider->child(c);
            // On a match the next sibling moves up into row c.
            if (removeFirstEqual(*channel, treeB, options))
                treeA.removeItem(channel);
            else
                ++c;
            if (progress) progress->step();
        }
    }
    removeEmptyProvidersOneByOne(treeB);
    removeEmptyProvidersOneByOne(treeA);
    if (progress) progress->end();
    return true;
}

}  // namespace qvx
