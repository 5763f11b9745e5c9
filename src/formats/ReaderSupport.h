#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "formats/ByteStream.h"
#include "formats/FileError.h"
#include "formats/ListFiles.h"
#include "model/ChannelTree.h"
#include "model/TreeBuilder.h"

namespace qvx {

// A failure of the file itself while reading (EIO and the like, not a short
// read): the load ends with the file-error text and -5, the code of a record
// that could not be read; the trees keep what was built.
inline ReadResult readFailure(int errorNumber) {
    return {kReadShortRecord, fileErrorText(causeForErrno(errorNumber), kUnnamedFile)};
}

// The reading loop of the formats without header: clears both trees, hands
// every full record of `Size` bytes, converted, to the tree builder, and ends
// at the first short read (a trailing part of a record is ignored).
template <std::size_t Size, typename Convert>
ReadResult readRecordRun(ByteSource& source, ChannelTree& television, ChannelTree& radio, Convert convert) {
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
