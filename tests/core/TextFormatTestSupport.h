// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and writing the Linux channel-file formats on text in memory.

#include <string>
#include <string_view>

#include "files/ByteStream.h"
#include "formats/ListFormat.h"
#include "model/ChannelList.h"

namespace qvx::testing {

inline FileResult readText(ListFormat format, std::string_view text, ChannelList& list,
                           std::string_view fileName = "channels") {
    MemorySource source({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return listFormatEntry(format).read(source, list, FormatOptions{std::string(fileName), "S19.2E"});
}

inline std::string writeText(ListFormat format, const ChannelList& list) {
    MemorySink sink;
    listFormatEntry(format).write(sink, list, FormatOptions{"channels", "S19.2E"});
    return std::string(sink.bytes().begin(), sink.bytes().end());
}

// Every occurrence of `from` in `text` replaced by `to`.
inline std::string replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The channel of a tree's single provider at `row`.
inline TreeItem* channelAt(ChannelTree& tree, int row) { return tree.topLevelItem(0)->child(row); }

}  // namespace qvx::testing
