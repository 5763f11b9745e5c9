// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/JsonText.h"

#include <charconv>
#include <cstdint>

#include "model/Windows1252.h"
#include "model/RecordFields.h"

namespace qvx {

void appendRecordText(std::string& out, std::string_view windows1252, bool jsonQuoting) {
    static constexpr char kHexDigits[] = "0123456789abcdef";
    for (const char c : windows1252) {
        const char32_t codePoint = windows1252ToCodePoint(static_cast<std::uint8_t>(c));
        if (jsonQuoting && (codePoint == '"' || codePoint == '\\')) {
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
}

void appendQuotedText(std::string& out, std::string_view windows1252) {
    out += '"';
    appendRecordText(out, windows1252, true);
    out += '"';
}

std::string quotedText(std::string_view windows1252) {
    std::string out;
    appendQuotedText(out, windows1252);
    return out;
}

namespace {

void appendNumber(std::string& out, std::uint64_t value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

}  // namespace

void appendFieldValue(std::string& out, const ChannelRecord& record, const RecordField& field) {
    switch (field.kind) {
    case FieldKind::Text: appendQuotedText(out, field.text(record)); return;
    case FieldKind::Number: appendNumber(out, field.number(record)); return;
    case FieldKind::Numbers:
        out += '[';
        for (std::size_t i = 0; i < field.count(); ++i) {
            if (i != 0) out += ", ";
            appendNumber(out, field.number(record, i));
        }
        out += ']';
        return;
    }
}

}  // namespace qvx
