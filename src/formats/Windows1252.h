// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvx {

// The single-byte text of the record fields is windows-1252 as WHATWG defines
// it, with the five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) standing for the C1 controls of the same value. So every byte
// has a character and every such character its byte: text survives a round
// trip through Unicode unchanged.

char32_t windows1252ToCodePoint(std::uint8_t byte);
// The byte of a character, or none when windows-1252 cannot hold it.
std::optional<std::uint8_t> codePointToWindows1252(char32_t codePoint);

std::string windows1252ToUtf8(std::string_view text);
// Appends one character, encoded as UTF-8.
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace qvx
