// SPDX-License-Identifier: GPL-3.0-or-later
#include <span>
#include <string>

#include "formats/BlockWriter.h"
#include "formats/ByteStream.h"
#include "formats/JsonFormat.h"
#include "formats/JsonText.h"
#include "model/ChannelTree.h"
#include "model/RecordFields.h"

namespace qvx {
namespace {

void appendHex(std::string& out, const RecordImage& image) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += '"';
    for (const std::uint8_t byte : image) {
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0xF];
    }
    out += '"';
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
        appendJsonRecord(out, top->record());
        out += ", \"children\": [";
        bool firstChild = true;
        for (const auto& child : top->children()) {
            out += firstChild ? "\n    " : ",\n    ";
            firstChild = false;
            appendJsonRecord(out, child->record());
            if (!writer.flushFull()) return false;
        }
        out += firstChild ? "]}" : "\n  ]}";
        if (!writer.flushFull()) return false;
    }
    out += firstItem ? "]" : "\n]";
    return true;
}

}  // namespace

void appendJsonRecord(std::string& out, const ChannelRecord& record) {
    out += '{';
    for (const RecordField& field : recordFields()) {
        if (field.offset != 0) out += ", ";
        out += '"';
        out += field.name;
        out += "\": ";
        appendFieldValue(out, record, field);
    }
    out += ", \"image\": ";
    appendHex(out, record.image());
    out += '}';
}

bool writeJsonList(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio) {
    BlockWriter writer(sink);
    writer.text() += "{\"television\": ";
    if (!appendTree(writer, television)) return false;
    writer.text() += ", \"radio\": ";
    if (!appendTree(writer, radio)) return false;
    writer.text() += "}\n";
    return writer.flush();
}

}  // namespace qvx
