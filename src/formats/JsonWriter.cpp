// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>
#include <span>
#include <string>

#include "formats/BlockWriter.h"
#include "files/ByteStream.h"
#include "formats/FieldText.h"
#include "formats/JsonFormat.h"
#include "formats/JsonText.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"
#include "model/Windows1252.h"
#include "model/RecordFields.h"

namespace qvx {
namespace {

void appendQuotedHex(std::string& out, const RecordImage& image) {
    out += '"';
    appendHex(out, image);
    out += '"';
}

// A JSON string of UTF-8 text: quote, backslash and control characters escaped.
void appendUtf8String(std::string& out, std::string_view text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\u00";
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

// A carried value: a string where it is UTF-8 without zero bytes, else its bytes in hex.
void appendCarriedValue(std::string& out, std::string_view value) {
    if (value.find('\0') == std::string_view::npos && decodeUtf8(value)) {
        appendUtf8String(out, value);
        return;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "{\"hex\": \"";
    for (const char c : value) {
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 0xF];
    }
    out += "\"}";
}

void appendCarried(std::string& out, const Carried& carried) {
    out += "{\"format\": ";
    appendUtf8String(out, carried.format());
    if (carried.place() != 0) out += ", \"place\": " + std::to_string(carried.place());
    if (carried.file() != 0) {
        char digits[17];
        std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(carried.file()));
        out += ", \"file\": \"";
        out += digits;
        out += '"';
    }
    out += ", \"fields\": [";
    bool first = true;
    for (const Carried::Field& field : carried.fields()) {
        out += first ? "[" : ", [";
        first = false;
        appendUtf8String(out, field.name);
        out += ", ";
        appendCarriedValue(out, field.value);
        out += ']';
    }
    out += "]}";
}

// False, stopping early, once the sink failed.
bool appendTree(BlockWriter& writer, const ChannelTree& tree) {
    std::string& out = writer.text();
    out += '[';
    bool firstItem = true;
    for (const auto& top : tree.topLevelItems()) {
        out += firstItem ? "\n  " : ",\n  ";
        firstItem = false;
        out += "{\"record\": ";
        appendJsonRecord(out, top->record(), top->carried().get());
        out += ", \"children\": [";
        bool firstChild = true;
        for (const auto& child : top->children()) {
            out += firstChild ? "\n    " : ",\n    ";
            firstChild = false;
            appendJsonRecord(out, child->record(), child->carried().get());
            if (!writer.flushFull()) return false;
        }
        out += firstChild ? "]}" : "\n  ]}";
        if (!writer.flushFull()) return false;
    }
    out += firstItem ? "]" : "\n]";
    return true;
}

}  // namespace

void appendJsonRecord(std::string& out, const ChannelRecord& record, const Carried* carried) {
    out += '{';
    for (const RecordField& field : recordFields()) {
        if (field.offset != 0) out += ", ";
        out += '"';
        out += field.name;
        out += "\": ";
        appendFieldValue(out, record, field);
    }
    out += ", \"image\": ";
    appendQuotedHex(out, record.image());
    if (carried) {
        out += ", \"carried\": ";
        appendCarried(out, *carried);
    }
    out += '}';
}

bool writeJsonList(ByteSink& sink, const ChannelList& list) {
    BlockWriter writer(sink);
    writer.text() += "{\"television\": ";
    if (!appendTree(writer, list.television())) return false;
    writer.text() += ", \"radio\": ";
    if (!appendTree(writer, list.radio())) return false;
    if (const CarriedPtr& carried = list.carried()) {
        writer.text() += ",\n\"carried\": ";
        appendCarried(writer.text(), *carried);
    }
    writer.text() += "}\n";
    return writer.flush();
}

}  // namespace qvx
