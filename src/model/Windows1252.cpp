// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Windows1252.h"

#include <array>

namespace qvx {
namespace {

// 0x80 to 0x9F; every other byte is the code point of its own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

}  // namespace

char32_t windows1252ToCodePoint(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80u];
    return byte;
}

std::optional<std::uint8_t> codePointToWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<std::uint8_t>(codePoint);
    for (std::uint8_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint) return static_cast<std::uint8_t>(0x80 + i);
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t c) {
    auto byte = [](char32_t value) { return static_cast<char>(static_cast<unsigned char>(value)); };
    if (c < 0x80) {
        out += byte(c);
    } else if (c < 0x800) {
        out += byte(0xC0 | (c >> 6));
        out += byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += byte(0xE0 | (c >> 12));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    } else {
        out += byte(0xF0 | (c >> 18));
        out += byte(0x80 | ((c >> 12) & 0x3F));
        out += byte(0x80 | ((c >> 6) & 0x3F));
        out += byte(0x80 | (c & 0x3F));
    }
}

std::string windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) appendUtf8(out, windows1252ToCodePoint(static_cast<std::uint8_t>(c)));
    return out;
}

std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[at]);
        std::size_t length = 0;
        char32_t codePoint = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            codePoint = lead & 0x1Fu;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            codePoint = lead & 0x0Fu;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            codePoint = lead & 0x07u;
            smallest = 0x10000;
        } else {
            return std::nullopt;
        }
        if (at + length > text.size()) return std::nullopt;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<std::uint8_t>(text[at + i]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            codePoint = codePoint << 6 | (next & 0x3Fu);
        }
        if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return std::nullopt;
        out.push_back(codePoint);
        at += length;
    }
    return out;
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    const std::optional<std::u32string> characters = decodeUtf8(utf8);
    if (!characters) return std::nullopt;
    std::string out;
    out.reserve(characters->size());
    for (const char32_t c : *characters) {
        const std::optional<std::uint8_t> byte = codePointToWindows1252(c);
        if (!byte) return std::nullopt;
        out.push_back(static_cast<char>(*byte));
    }
    return out;
}

std::string lowerWindows1252(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(lowerWindows1252(static_cast<std::uint8_t>(c)));
    return lower;
}

}  // namespace qvx
