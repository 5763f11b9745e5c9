// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
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
// The characters of a UTF-8 text, or none when it is not well-formed UTF-8
// (a stray byte, an overlong form, a surrogate, beyond U+10FFFF).
std::optional<std::u32string> decodeUtf8(std::string_view text);
// The windows-1252 bytes of a UTF-8 text, or none when it is not UTF-8 or a
// character has no byte in the code page.
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);
// The windows-1252 text nearest to a UTF-8 text: characters the code page
// holds stay, others are spelled in Latin letters by the Unicode
// transliteration rules (ČT1 -> CT1, Россия -> Rossiya), and what has no such
// spelling becomes '?'. A text that is not UTF-8 is taken to be windows-1252
// already (older files) and comes back as it is.
std::string closestWindows1252(std::string_view utf8);

// Case folding for finding names by their beginning, byte for byte.

namespace detail {

constexpr std::array<std::uint8_t, 256> makeWindows1252LowerTable() {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        int lower = c;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) lower = c + 0x20;
        table[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(lower);
    }
    table[0x8A] = 0x9A;  // S with caron
    table[0x8C] = 0x9C;  // OE
    table[0x8E] = 0x9E;  // Z with caron
    table[0x9F] = 0xFF;  // Y with diaeresis
    return table;
}

inline constexpr std::array<std::uint8_t, 256> kWindows1252Lower = makeWindows1252LowerTable();

}  // namespace detail

// Lower case of one windows-1252 byte: A-Z, the accented capitals 0xC0-0xDE
// (not 0xD7, the multiplication sign), and the four capitals of 0x8A-0x9F.
// Every other byte stays. Inline: the quick search runs it over every label.
inline std::uint8_t lowerWindows1252(std::uint8_t byte) { return detail::kWindows1252Lower[byte]; }

std::string lowerWindows1252(std::string_view text);

}  // namespace qvx
