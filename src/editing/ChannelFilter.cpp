// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ChannelFilter.h"

#include <charconv>

#include "model/ChannelTree.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

bool startsWithField(std::string_view text, std::string_view name) {
    if (text.size() < name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (lowerWindows1252(static_cast<std::uint8_t>(text[i])) != static_cast<std::uint8_t>(name[i])) return false;
    return true;
}

bool containsLowered(const std::string& label, const std::string& lowered) {
    if (lowered.size() > label.size()) return false;
    const std::size_t last = label.size() - lowered.size();
    for (std::size_t at = 0; at <= last; ++at) {
        std::size_t i = 0;
        while (i < lowered.size() &&
               lowerWindows1252(static_cast<std::uint8_t>(label[at + i])) == static_cast<std::uint8_t>(lowered[i]))
            ++i;
        if (i == lowered.size()) return true;
    }
    return false;
}

// A channel at the top level (one that came before any provider) counts as a channel.
bool isChannel(const TreeItem& item) { return item.hasParent() || item.record().isChannel != 0; }

}  // namespace

ChannelFilter ChannelFilter::parse(std::string_view text) {
    ChannelFilter filter;
    const struct {
        std::string_view prefix;
        Field field;
    } fields[] = {{"sid:", Field::ServiceId}, {"freq:", Field::Frequency}, {"lnb:", Field::Lnb}};
    for (const auto& candidate : fields) {
        if (!startsWithField(text, candidate.prefix)) continue;
        filter.field_ = candidate.field;
        std::string_view number = text.substr(candidate.prefix.size());
        while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
        while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
        const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), filter.value_);
        filter.number_ = !number.empty() && error == std::errc() && end == number.data() + number.size();
        return filter;
    }
    filter.lowered_ = lowerWindows1252(text);
    return filter;
}

bool ChannelFilter::matches(const TreeItem& channel) const {
    const ChannelRecord& record = channel.record();
    switch (field_) {
    case Field::Name: return containsLowered(channel.label(), lowered_);
    case Field::ServiceId: return number_ && record.serviceId == value_;
    case Field::Frequency: return number_ && record.frequency / 1000 == value_;
    case Field::Lnb: return number_ && record.lnb == value_;
    }
    return false;
}

std::unordered_set<const TreeItem*> shownItems(const ChannelTree& tree, const ChannelFilter& filter) {
    std::unordered_set<const TreeItem*> shown;
    for (const auto& top : tree.topLevelItems()) {
        if (!top->hasChildren()) {
            if (isChannel(*top) && filter.matches(*top)) shown.insert(top.get());
            continue;
        }
        for (const auto& channel : top->children())
            if (filter.matches(*channel)) {
                shown.insert(channel.get());
                shown.insert(top.get());
            }
    }
    return shown;
}

std::size_t channelCount(const ChannelTree& tree) {
    std::size_t count = 0;
    for (const auto& top : tree.topLevelItems())
        count += top->hasChildren() ? top->children().size() : (isChannel(*top) ? 1 : 0);
    return count;
}

}  // namespace qvx
