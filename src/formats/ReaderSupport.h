// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "files/ByteStream.h"
#include "files/FileResult.h"
#include "model/ChannelTree.h"
#include "model/TreeBuilder.h"

namespace qvx {

// Adds a warning of `kind` when `count` is not 0.
inline void warnOf(FileResult& result, FileWarningKind kind, std::size_t count) {
    if (count != 0) result.warnings.push_back({kind, count});
}

// What the tree builder's rules left out, as warnings.
inline void warnOfBuilderDrops(FileResult& result, const TreeBuilder& builder) {
    warnOf(result, FileWarningKind::ChannelsWithoutKind, builder.droppedChannels());
    warnOf(result, FileWarningKind::ProvidersWithoutChannels, builder.emptyProviders());
}

// The reading loop of the formats without header: clears both trees, hands
// every full record of `Size` bytes, converted, to the tree builder, and ends
// at the first short read (a trailing part of a record is ignored, with a
// warning).
template <std::size_t Size, typename Convert>
FileResult readRecordRun(ByteSource& source, ChannelTree& television, ChannelTree& radio, Convert convert) {
    TreeBuilder builder(television, radio);  // opened first, so views see one reset
    television.clear();
    radio.clear();
    std::array<std::uint8_t, Size> raw;
    std::size_t got = 0;
    while ((got = source.read(raw)) == Size) builder.accept(convert(raw));
    if (source.error() != 0) return readFailure(source.error());
    builder.finish();
    FileResult result;
    warnOfBuilderDrops(result, builder);
    warnOf(result, FileWarningKind::BytesOfNoRecord, got);
    return result;
}

// A name field of a foreign record: its bytes up to the first zero, at most
// `limit` of them.
inline std::size_t boundedNameLength(const std::uint8_t* field, std::size_t limit) {
    std::size_t length = 0;
    while (length < limit && field[length] != 0) ++length;
    return length;
}

}  // namespace qvx
