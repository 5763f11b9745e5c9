// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qvx {

// What an item (or a whole list) read from a text format holds beyond the
// 172-byte record: the format's own words for it, as ordered named texts, and
// its place among the file's lines. A writer of the same format writes back
// what the user did not change from these texts, byte for byte; other formats
// read what they can use of them. Immutable once made, so copies of an item
// share it and undo never needs to restore it.
class Carried final {
public:
    struct Field {
        std::string_view name;
        std::string_view value;
    };

    // `format` names the format that wrote the texts ("vdr", "dvbv5"...);
    // `place` orders the item among the file's lines, from 1 (0: no place);
    // `file` tells which read of a file the item came from (each read of a
    // file draws a number of its own; 0: none), so that a list knows which of
    // its items' places are lines of its own file.
    Carried(std::string_view format, std::uint32_t place, const std::vector<Field>& fields, std::uint64_t file = 0);

    const std::string& format() const { return format_; }
    std::uint32_t place() const { return place_; }
    std::uint64_t file() const { return file_; }
    // The value of the first field of that name; empty when there is none.
    std::string_view field(std::string_view name) const;
    bool has(std::string_view name) const;
    // Every field in the order it was given; names may repeat.
    std::vector<Field> fields() const;
    bool operator==(const Carried& other) const {
        return place_ == other.place_ && file_ == other.file_ && format_ == other.format_ && text_ == other.text_;
    }

    // A copy with another place (a line renumbered on saving, a JSON edit).
    std::shared_ptr<const Carried> withPlace(std::uint32_t place) const;
    std::size_t memoryBytes() const { return sizeof(Carried) + text_.capacity(); }

private:
    Carried() = default;
    template <typename Visit>
    void forEachField(Visit&& visit) const;

    std::string format_;
    std::uint32_t place_ = 0;
    std::uint64_t file_ = 0;
    // Each field as its name's length, name, value's length, value, in one
    // allocation: a list of 100,000 channels carries its lines in little more
    // memory than the file takes.
    std::string text_;
};

using CarriedPtr = std::shared_ptr<const Carried>;

inline CarriedPtr makeCarried(std::string_view format, std::uint32_t place,
                              const std::vector<Carried::Field>& fields, std::uint64_t file = 0) {
    return std::make_shared<const Carried>(format, place, fields, file);
}

// Field names every format and every command may read.
namespace carried {
// The item's whole name, in UTF-8, where the record's 31 windows-1252
// characters cannot hold it; the comparison tells channels apart by it.
inline constexpr std::string_view kFullName = "fullName";
// On a provider: the file has no such group; the provider was made up from
// the lines (their provider part, the file's name) and leaves no trace when
// the list is saved in that format again.
inline constexpr std::string_view kMadeUp = "madeUp";
}  // namespace carried

}  // namespace qvx
