// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ContentDetector.h"

#include <string_view>

#include "formats/ByteOrder.h"
#include "formats/Dvb98Format.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/NativeFormat.h"
#include "model/ChannelRecord.h"

namespace qvx {
namespace {

// Every record of the head that is there whole begins with `magic`.
bool recordsBeginWith(std::span<const std::uint8_t> head, std::size_t recordSize, std::string_view magic) {
    if (head.size() < magic.size()) return false;
    for (std::size_t at = 0; at + magic.size() <= head.size(); at += recordSize)
        if (std::string_view(reinterpret_cast<const char*>(head.data() + at), magic.size()) != magic) return false;
    return true;
}

// A native header whose three counts add up to exactly the records that follow.
bool isNativeLayout(std::span<const std::uint8_t> head, std::uint64_t size) {
    if (head.size() < kNativeHeaderSize || size < kNativeHeaderSize) return false;
    const std::uint64_t count = std::uint64_t{bytes::loadLe32(head.data())} + bytes::loadLe32(head.data() + 4) +
                                bytes::loadLe32(head.data() + 8);
    return kNativeHeaderSize + count * kRecordSize == size;
}

ListFormat layoutOf(ListFormat format) { return format == ListFormat::WinDvbLive ? ListFormat::Native : format; }

}  // namespace

std::optional<ListFormat> binaryFormatOfContent(std::span<const std::uint8_t> head, std::uint64_t size) {
    // What each writer puts at the start of every record.
    if (recordsBeginWith(head, kDvb98RecordSize, "DVSO")) return ListFormat::Dvb98;
    if (recordsBeginWith(head, kDvbExtremeRecordSize, "DVBx")) return ListFormat::DvbExtreme;
    if (isNativeLayout(head, size)) return ListFormat::Native;
    return std::nullopt;
}

bool sameLayout(ListFormat a, ListFormat b) { return layoutOf(a) == layoutOf(b); }

}  // namespace qvx
