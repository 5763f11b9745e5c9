// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FieldText.h"

#include "model/Windows1252.h"

namespace qvx {
namespace {

constexpr char kLowerHex[] = "0123456789abcdef";

}  // namespace

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void appendHex(std::string& out, std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        out += kLowerHex[byte >> 4];
        out += kLowerHex[byte & 0xF];
    }
}

void appendHex(std::string& out, std::string_view bytes) {
    appendHex(out, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::string codePointName(char32_t codePoint) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t rest = codePoint; rest != 0 || digits.size() < 4; rest >>= 4)
        digits.insert(digits.begin(), kDigits[rest & 0xF]);
    return "U+" + digits;
}

std::optional<std::string> putWindows1252Text(std::string_view utf8, std::span<std::uint8_t> field,
                                              std::size_t& length) {
    length = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        // The caller has checked the UTF-8: a lead byte gives the sequence's length.
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        const std::size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t codePoint = size == 1 ? lead : lead & (0x7F >> size);
        for (std::size_t k = 1; k < size && i + k < utf8.size(); ++k)
            codePoint = codePoint << 6 | (static_cast<std::uint8_t>(utf8[i + k]) & 0x3F);
        i += size;
        if (codePoint == 0) return "U+0000 cannot be part of a text";
        const std::optional<std::uint8_t> byte = codePointToWindows1252(codePoint);
        if (!byte) return codePointName(codePoint) + " is not a windows-1252 character";
        if (length == field.size())
            return "the text is longer than the field's " + std::to_string(field.size()) + " bytes";
        field[length++] = *byte;
    }
    return std::nullopt;
}

}  // namespace qvx
