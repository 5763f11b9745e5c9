// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qvx {

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
