// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TerminalText.h"

#include <cstdint>


namespace qvx::cli {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// The same controls as appendRecordText escapes.
bool isControl(char32_t codePoint) { return codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F); }

void appendEscape(std::string& out, std::string_view prefix, unsigned value) {
    out += prefix;
    out += kHexDigits[(value >> 4) & 0xF];
    out += kHexDigits[value & 0xF];
}

// The lead bytes of UTF-8: which bits mark them, how long their sequence is
// and the smallest code point it may encode (anything less is overlong).
struct Utf8Lead {
    std::uint8_t mask;
    std::uint8_t marker;
    std::size_t length;
    char32_t minimum;
};
constexpr Utf8Lead kUtf8Leads[] = {
    {0x80, 0x00, 1, 0}, {0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}};

// The length of the UTF-8 sequence at the start of `text` and its code point;
// 0 when it is no well-formed sequence.
std::size_t decodeUtf8(std::string_view text, char32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    for (const Utf8Lead& lead : kUtf8Leads) {
        if ((byte(0) & lead.mask) != lead.marker) continue;
        if (text.size() < lead.length) return 0;
        codePoint = byte(0) & static_cast<std::uint8_t>(~lead.mask);
        for (std::size_t i = 1; i < lead.length; ++i) {
            if ((byte(i) & 0xC0) != 0x80) return 0;
            codePoint = (codePoint << 6) | (byte(i) & 0x3F);
        }
        const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
        return codePoint < lead.minimum || codePoint > 0x10FFFF || surrogate ? 0 : lead.length;
    }
    return 0;
}

}  // namespace

std::string terminalSafe(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        char32_t codePoint = 0;
        const std::size_t length = decodeUtf8(text, codePoint);
        if (length == 0) {
            appendEscape(out, "\\x", static_cast<std::uint8_t>(text.front()));
            text.remove_prefix(1);
            continue;
        }
        if (isControl(codePoint))
            appendEscape(out, "\\u00", static_cast<unsigned>(codePoint));
        else
            out.append(text.substr(0, length));
        text.remove_prefix(length);
    }
    return out;
}

}  // namespace qvx::cli
