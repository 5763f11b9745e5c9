#include "cli/QuotedText.h"

#include <cstdint>

#include "formats/Windows1252.h"

namespace qvx::cli {

void appendQuotedText(std::string& out, std::string_view windows1252) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    out += '"';
    for (const char c : windows1252) {
        const char32_t codePoint = windows1252ToCodePoint(static_cast<std::uint8_t>(c));
        if (codePoint == '"' || codePoint == '\\') {
            out += '\\';
            out += static_cast<char>(codePoint);
        } else if (codePoint < 0x20 || (codePoint >= 0x7F && codePoint <= 0x9F)) {
            out += "\\u00";
            out += kHexDigits[codePoint >> 4];
            out += kHexDigits[codePoint & 0xF];
        } else {
            appendUtf8(out, codePoint);
        }
    }
    out += '"';
}

std::string quotedText(std::string_view windows1252) {
    std::string out;
    appendQuotedText(out, windows1252);
    return out;
}

}  // namespace qvx::cli
