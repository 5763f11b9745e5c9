// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/NativeFormat.h"

#include <array>

#include "formats/ByteOrder.h"
#include "formats/ReaderSupport.h"
#include "model/EntryWalk.h"
#include "model/TreeBuilder.h"

namespace qvx {
namespace {

constexpr std::uint8_t kWinDvbLiveMaxLnb = 3;

// What a native file holds in these fields is not taken over; true when
// that changed anything.
bool resetUnsharedFields(ChannelRecord& record) {
    const bool changed = record.volume != 100 || record.rotorPosition != 0 || record.dvbxExtra1 != 0 ||
                         record.dvbxExtra2 != 0 || record.dvbxExtra3 != 0 || record.dvbxExtra4 != 0;
    record.volume = 100;
    record.rotorPosition = 0;
    record.dvbxExtra1 = 0;
    record.dvbxExtra2 = 0;
    record.dvbxExtra3 = 0;
    record.dvbxExtra4 = 0;
    return changed;
}

// The bytes after the last record the header counts, counted without keeping them.
std::uint64_t bytesLeft(ByteSource& source) {
    std::array<std::uint8_t, 64 * 1024> scratch;
    std::uint64_t total = 0;
    for (std::size_t got; (got = source.read(scratch)) != 0;) total += got;
    return total;
}

}  // namespace

FileResult readNativeList(ByteSource& source, ChannelTree& television, ChannelTree& radio) {
    std::array<std::uint8_t, kNativeHeaderSize> header;
    if (source.read(header) != header.size()) {
        if (source.error() != 0) return readFailure(source.error());
        return shortRead(FileOutcome::ShortHeader, kShortHeaderMessage);
    }
    // All three fields count, added as 32-bit numbers. The count is never
    // used to size anything: a corrupt one just reads until the data ends.
    const std::uint32_t count = bytes::loadLe32(header.data()) + bytes::loadLe32(header.data() + 4) +
                                bytes::loadLe32(header.data() + 8);

    TreeBuilder builder(television, radio);  // opened first, so views see one reset
    television.clear();
    radio.clear();
    ChannelRecord record;
    std::size_t reset = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        RecordImage image;
        if (source.read(image) != image.size()) {
            if (source.error() != 0) return readFailure(source.error());
            return shortRead(FileOutcome::ReadFailed, kShortRecordMessage);
        }
        record.replace(image);
        if (resetUnsharedFields(record)) ++reset;
        builder.accept(record);
    }
    builder.finish();
    const std::uint64_t rest = bytesLeft(source);
    if (source.error() != 0) return readFailure(source.error());
    FileResult result;
    warnOf(result, FileWarningKind::RecordsPastCount, static_cast<std::size_t>(rest / kRecordSize));
    warnOf(result, FileWarningKind::BytesOfNoRecord, static_cast<std::size_t>(rest % kRecordSize));
    warnOfBuilderDrops(result, builder);
    warnOf(result, FileWarningKind::FieldsReset, reset);
    return result;
}

bool writeNativeList(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio,
                     bool winDvbLiveLnbRule) {
    std::array<std::uint8_t, kNativeHeaderSize> header{};
    bytes::storeLe32(header.data(), static_cast<std::uint32_t>(television.itemCount()));
    bytes::storeLe32(header.data() + 4, static_cast<std::uint32_t>(radio.itemCount()));
    if (!sink.write(header)) return false;

    bool ok = true;
    walkEntries(television, radio, [&](const Entry& entry) {
        if (!ok) return;
        const ChannelRecord& record = entry.item.record();
        if (winDvbLiveLnbRule && &entry.tree == &television && record.isChannel == 0 &&
            record.lnb > kWinDvbLiveMaxLnb) {
            ChannelRecord limited = record;
            limited.lnb = kWinDvbLiveMaxLnb;
            ok = sink.write(limited.image());
        } else {
            ok = sink.write(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(&record),
                                                          kRecordSize));
        }
    });
    return ok;
}

}  // namespace qvx
