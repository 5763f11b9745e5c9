// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/VdrText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>

#include "model/Carried.h"
#include "model/ChannelRecord.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

constexpr std::size_t kQuotedLength = 40;

bool isContinuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

// The record's name of a windows-1252 text.
std::string cut(std::string text) {
    if (text.size() > kNameCapacity) text.resize(kNameCapacity);
    return text;
}

}  // namespace

bool isAscii(std::string_view text) {
    // Eight bytes at a time: the files are large and almost all ASCII.
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t block;
        std::memcpy(&block, text.data() + at, 8);
        if ((block & 0x8080808080808080ull) != 0) return false;
    }
    for (; at < text.size(); ++at)
        if (static_cast<std::uint8_t>(text[at]) >= 0x80) return false;
    return true;
}

bool isUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const std::size_t size = text.size();
    std::size_t at = 0;
    while (at < size) {
        if (at + 8 <= size) {
            std::uint64_t block;
            std::memcpy(&block, bytes + at, 8);
            if ((block & 0x8080808080808080ull) == 0) {
                at += 8;
                continue;
            }
        }
        const std::uint8_t lead = bytes[at];
        if (lead < 0x80) {
            ++at;
            continue;
        }
        std::size_t length;
        // The second byte's range rules out overlong forms, surrogates and
        // code points beyond U+10FFFF.
        std::uint8_t low = 0x80;
        std::uint8_t high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (at + length > size) return false;
        if (bytes[at + 1] < low || bytes[at + 1] > high) return false;
        for (std::size_t i = 2; i < length; ++i)
            if (!isContinuation(bytes[at + i])) return false;
        at += length;
    }
    return true;
}

std::string recodedLine(std::string_view line, VdrEncoding from, VdrEncoding to) {
    if (from == to || isAscii(line)) return std::string(line);
    if (from == VdrEncoding::Windows1252) return windows1252ToUtf8(line);
    if (std::optional<std::string> exact = utf8ToWindows1252(line)) return std::move(*exact);
    return closestWindows1252(line);
}

VdrName vdrNameOf(std::string_view text, VdrEncoding encoding, bool channelName) {
    std::string name(text);
    if (channelName) std::replace(name.begin(), name.end(), '|', ':');
    VdrName result;
    if (isAscii(name)) {
        if (name.size() > kNameCapacity) result.full = name;
        result.record = cut(std::move(name));
        return result;
    }
    if (encoding == VdrEncoding::Windows1252) {
        if (name.size() > kNameCapacity) result.full = windows1252ToUtf8(name);
        result.record = cut(std::move(name));
        return result;
    }
    const std::optional<std::string> exact = utf8ToWindows1252(name);
    result.record = cut(exact ? *exact : closestWindows1252(name));
    if (!exact || exact->size() > kNameCapacity) result.full = std::move(name);
    return result;
}

std::string fullNameOf(const ChannelRecord& record, const Carried* carried) {
    const std::string_view name = record.nameText();
    if (carried) {
        const std::string_view full = carried->field(carried::kFullName);
        if (!full.empty() && cut(closestWindows1252(full)) == name) return std::string(full);
    }
    return windows1252ToUtf8(name);
}

std::string vdrNameText(std::string_view utf8, VdrEncoding encoding, bool channelName) {
    std::string text = encoding == VdrEncoding::Utf8 ? std::string(utf8)
                                                      : recodedLine(utf8, VdrEncoding::Utf8, encoding);
    for (char& c : text) {
        if (c == '\n' || c == '\r') c = ' ';
        if (channelName && c == ':') c = '|';
    }
    return text;
}

std::string quoted(std::string_view text) {
    if (text.size() <= kQuotedLength) return '"' + std::string(text) + '"';
    // Cut where a character begins, so a message stays UTF-8.
    std::size_t end = kQuotedLength;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return '"' + std::string(text.substr(0, end)) + "...\"";
}

}  // namespace qvx
