// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "formats/ByteStream.h"
#include "formats/FileResult.h"
#include "model/ChannelTree.h"
#include "model/TreeBuilder.h"

namespace qvx {

// The reading loop of the formats without header: clears both trees, hands
// every full record of `Size` bytes, converted, to the tree builder, and ends
// at the first short read (a trailing part of a record is ignored).
template <std::size_t Size, typename Convert>
FileResult readRecordRun(ByteSource& source, ChannelTree& television, ChannelTree& radio, Convert convert) {
    TreeBuilder builder(television, radio);  // opened first, so views see one reset
    television.clear();
    radio.clear();
    std::array<std::uint8_t, Size> raw;
    while (source.read(raw) == Size) builder.accept(convert(raw));
    if (source.error() != 0) return readFailure(source.error());
    builder.finish();
    return {};
}

// A name field of a foreign record: its bytes up to the first zero, at most
// `limit` of them.
inline std::size_t boundedNameLength(const std::uint8_t* field, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && field[length] != 0) ++length;
    return length;
}

}  // namespace qvx
