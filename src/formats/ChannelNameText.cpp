// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ChannelNameText.h"

#include <algorithm>

#include "model/ChannelRecord.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

// Most names are ASCII, which both the record and UTF-8 spell the same.
bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string recordNameOf(std::string_view text) { return closestWindows1252(text).substr(0, kNameCapacity); }

}  // namespace

void setNameFromText(ChannelRecord& record, std::string_view text, std::string& kept,
                     std::vector<Carried::Field>& fields) {
    if (isAscii(text)) {
        record.setName(text);
        if (text.size() > kNameCapacity) fields.push_back({carried::kFullName, text});
        return;
    }
    const std::string name = recordNameOf(text);
    record.setName(name);
    // Text that is no UTF-8 is an older file's single-byte name.
    kept = decodeUtf8(text) ? std::string(text) : windows1252ToUtf8(text);
    if (windows1252ToUtf8(name) != kept) fields.push_back({carried::kFullName, kept});
}

bool recordHoldsName(const ChannelRecord& record, std::string_view text) {
    if (isAscii(text)) return record.nameText() == text.substr(0, kNameCapacity);
    return record.nameText() == recordNameOf(text);
}

std::string textNameOf(const ChannelRecord& record, std::string_view fullName) {
    if (!fullName.empty() && recordHoldsName(record, fullName)) return std::string(fullName);
    return windows1252ToUtf8(record.nameText());
}

}  // namespace qvx
