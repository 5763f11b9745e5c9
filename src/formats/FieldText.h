// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qvx {

// What the text formats for scripts and spreadsheets (JSON, CSV) share when
// they put text into a record and bytes into hex.

// The value of a hex digit of either case; -1 for any other character.
int hexValue(char c);
// Two lower-case hex digits per byte.
void appendHex(std::string& out, std::span<const std::uint8_t> bytes);
void appendHex(std::string& out, std::string_view bytes);
// "U+00E9": a character as messages name it.
std::string codePointName(char32_t codePoint);

// Puts well-formed UTF-8 text into a record's text field as windows-1252
// bytes, without a terminator; `length` says how many it took. The reason
// when it cannot: a U+0000 (it would end the text early), a character the
// code page lacks, a text longer than the field.
std::optional<std::string> putWindows1252Text(std::string_view utf8, std::span<std::uint8_t> field,
                                              std::size_t& length);

}  // namespace qvx
