// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading and writing VDR channels.conf text in memory, and finding items by
// their labels, for the VDR tests.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "files/ByteStream.h"
#include "formats/VdrFormat.h"
#include "model/ChannelList.h"

namespace qvx::testing {

inline FileResult readVdrText(std::string_view text, ChannelList& list, std::string fileName = "channels") {
    MemorySource source({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    FormatOptions options;
    options.fileName = std::move(fileName);
    return readVdrList(source, list, options);
}

inline std::string writtenVdrText(const ChannelList& list, const FormatOptions& options = {}) {
    MemorySink sink;
    EXPECT_TRUE(writeVdrList(sink, list, options));
    return std::string(sink.bytes().begin(), sink.bytes().end());
}

// The first item of a tree (providers and channels) with this label.
inline TreeItem* itemLabelled(const ChannelTree& tree, std::string_view label) {
    for (const auto& top : tree.topLevelItems()) {
        if (top->label() == label) return top.get();
        for (const auto& child : top->children())
            if (child->label() == label) return child.get();
    }
    ADD_FAILURE() << "no item " << label;
    return nullptr;
}

// The text with one line replaced (an empty replacement removes the line).
inline std::string withLine(std::string text, std::string_view line, std::string_view replacement) {
    const std::size_t at = text.find(line);
    EXPECT_NE(at, std::string::npos) << line;
    if (at == std::string::npos) return text;
    if (replacement.empty())
        text.erase(at, line.size() + (at + line.size() < text.size() ? 1 : 0));
    else
        text.replace(at, line.size(), replacement);
    return text;
}

}  // namespace qvx::testing
