// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

namespace qvx {

class ChannelTree;
class TreeItem;

// What a list's filter field asks for: channels whose label contains a text
// (windows-1252 case ignored, as the quick search), or, with "sid:", "freq:"
// (the frequency divided by 1000) or "lnb:" before a number, channels with that value.
class ChannelFilter final {
public:
    enum class Field : std::uint8_t { Name, ServiceId, Frequency, Lnb };

    ChannelFilter() = default;
    // The field's text, in windows-1252; an empty text filters nothing.
    static ChannelFilter parse(std::string_view text);

    bool empty() const { return field_ == Field::Name && lowered_.empty(); }
    Field field() const { return field_; }
    bool matches(const TreeItem& channel) const;

private:
    Field field_ = Field::Name;
    std::string lowered_;
    std::uint64_t value_ = 0;
    // A field's value that is no number matches no channel.
    bool number_ = true;
};

// The items a filter shows of a tree: every channel that matches, with its
// provider (a provider without a matching channel is not shown).
std::unordered_set<const TreeItem*> shownItems(const ChannelTree& tree, const ChannelFilter& filter);

// How many channels (items under a provider, and channels at the top level) a tree holds.
std::size_t channelCount(const ChannelTree& tree);

}  // namespace qvx
