// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Dvb98Format.h"

#include <cstring>

#include "formats/ByteOrder.h"
#include "formats/ConvertedRecord.h"
#include "formats/ReaderSupport.h"
#include "model/EntryWalk.h"

namespace qvx {
namespace {

using namespace bytes;

constexpr std::size_t kNameOffset = 32;
constexpr std::size_t kNameKept = 23;  // the 24th byte is always a terminator
constexpr std::uint8_t kMaxLnbRead = 59;
constexpr std::uint8_t kMaxLnbWritten = 3;

}  // namespace

ChannelRecord recordFromDvb98(std::span<const std::uint8_t, kDvb98RecordSize> raw) {
    const std::uint8_t* at = raw.data();
    ChannelRecord record = convertedRecordBase();

    // Bytes of 0x80 and above are dropped from the name; the rest closes up.
    const std::uint8_t* name = at + kNameOffset;
    const std::size_t nameLength = boundedNameLength(name, kNameKept);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < nameLength; ++i)
        if (name[i] < 0x80) record.name[kept++] = static_cast<char>(name[i]);

    const std::uint16_t megahertz = loadBe16(at + 8);
    record.isChannel = megahertz != 0 ? 1 : 0;
    record.serviceType = megahertz != 0 ? at[27] : 0;
    record.serviceId = loadBe16(at + 4);
    record.pmtPid = loadBe16(at + 6);
    record.frequency = megahertz * 1000u;
    record.symbolRate = loadBe16(at + 10) * 1000u;
    record.fec = at[12];
    record.auxTuning = at[13];
    record.polarity = at[14];
    record.lnb = at[15] > kMaxLnbRead ? kMaxLnbRead : at[15];
    record.videoPid = loadBe16(at + 16);
    record.audioPid = loadBe16(at + 18);
    record.pcrPid = loadBe16(at + 20);
    record.scrambled = at[22] != 0 ? 1 : 0;
    record.pmcPid = loadBe16(at + 24);
    record.teletextPid = loadBe16(at + 28);
    record.transportStreamId = loadBe16(at + 30);
    record.networkId = loadBe16(at + 62);
    record.volume = 100;
    return record;
}

Dvb98Record dvb98FromRecord(const ChannelRecord& record) {
    Dvb98Record raw{};
    std::uint8_t* at = raw.data();
    std::memcpy(at, "DVSO", 4);
    storeBe16(at + 4, record.serviceId);
    storeBe16(at + 6, record.pmtPid);
    if (record.isChannel != 0) {
        storeBe16(at + 8, static_cast<std::uint16_t>(record.frequency / 1000));
        storeBe16(at + 10, static_cast<std::uint16_t>(record.symbolRate / 1000));
    }
    at[12] = record.fec;
    at[13] = record.auxTuning;
    at[14] = record.polarity;
    at[15] = record.lnb > kMaxLnbWritten ? kMaxLnbWritten : record.lnb;
    storeBe16(at + 16, record.videoPid);
    storeBe16(at + 18, record.audioPid);
    storeBe16(at + 20, record.pcrPid);
    if (record.scrambled != 0) {
        at[22] = 0x01;
        at[23] = 0xFF;
    }
    storeBe16(at + 24, record.pmcPid);
    at[27] = record.serviceType;
    storeBe16(at + 28, record.teletextPid);
    storeBe16(at + 30, record.transportStreamId);
    const std::string_view name = record.nameText();
    std::memcpy(at + kNameOffset, name.data(), name.size() < kNameKept ? name.size() : kNameKept);
    storeBe16(at + 62, record.networkId);
    return raw;
}

FileResult readDvb98List(ByteSource& source, ChannelTree& television, ChannelTree& radio) {
    return readRecordRun<kDvb98RecordSize>(source, television, radio, [](const Dvb98Record& raw) {
        return recordFromDvb98(raw);
    });
}

bool writeDvb98List(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio) {
    bool ok = true;
    walkEntries(television, radio, [&](const Entry& entry) {
        if (ok) ok = sink.write(dvb98FromRecord(entry.item.record()));
    });
    return ok;
}

}  // namespace qvx
