#include "editing/Windows1252.h"

#include <array>

namespace qvx {
namespace {

constexpr std::array<std::uint8_t, 256> makeLowerTable() {
    std::array<std::uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        int lower = c;
        if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) lower = c + 0x20;
        table[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(lower);
    }
    table[0x8A] = 0x9A;  // Š
    table[0x8C] = 0x9C;  // Œ
    table[0x8E] = 0x9E;  // Ž
    table[0x9F] = 0xFF;  // Ÿ
    return table;
}

constexpr std::array<std::uint8_t, 256> kLower = makeLowerTable();

}  // namespace

std::uint8_t lowerWindows1252(std::uint8_t byte) { return kLower[byte]; }

std::string lowerWindows1252(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(kLower[static_cast<unsigned char>(c)]);
    return lower;
}

}  // namespace qvx
