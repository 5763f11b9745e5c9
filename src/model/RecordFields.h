// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "model/ChannelRecord.h"

namespace qvx {

// The named fields of the channel record, in the order of the record, with
// where they lie in the image: one table for everything that treats the
// record field by field (the JSON format, the diff).
enum class FieldKind : std::uint8_t {
    Text,     // single-byte text up to the first zero or the field's end
    Number,   // one little-endian unsigned number of `width` bytes
    Numbers,  // size / width such numbers
};

struct RecordField {
    std::string_view name;
    FieldKind kind;
    std::size_t offset;
    std::size_t size;   // bytes the field covers in the image
    std::size_t width;  // bytes of one number (1 for text)

    std::size_t count() const { return size / width; }
    // The largest value one number of the field holds.
    std::uint64_t maximum() const { return width == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * width)) - 1; }

    std::string_view text(const ChannelRecord& record) const;
    std::uint64_t number(const ChannelRecord& record, std::size_t index = 0) const;
    void setNumber(ChannelRecord& record, std::size_t index, std::uint64_t value) const;
    // Whether the field holds the same value in both: texts up to their end,
    // numbers whole. Bytes after a text's terminator do not count.
    bool sameIn(const ChannelRecord& a, const ChannelRecord& b) const;
};

std::span<const RecordField> recordFields();

// The names of the fields whose values are not the same in all the records.
std::vector<std::string_view> fieldsThatDiffer(std::span<const ChannelRecord* const> records);

}  // namespace qvx
