// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/DvbExtremeFormat.h"

#include <cstring>

#include "formats/ByteOrder.h"
#include "formats/ConvertedRecord.h"
#include "formats/ReaderSupport.h"
#include "model/EntryWalk.h"

namespace qvx {
namespace {

using namespace bytes;

constexpr std::size_t kNameOffset = 42;
constexpr std::size_t kNameField = 24;
constexpr std::size_t kNameKeptOnReading = 23;
constexpr std::uint8_t kMaxLnb = 3;

}  // namespace

ChannelRecord recordFromDvbExtreme(std::span<const std::uint8_t, kDvbExtremeRecordSize> raw) {
    const std::uint8_t* at = raw.data();
    ChannelRecord record = convertedRecordBase();

    // Trailing blanks of the field stay part of the name.
    const std::size_t nameLength = boundedNameLength(at + kNameOffset, kNameKeptOnReading);
    std::memcpy(record.name, at + kNameOffset, nameLength);

    const std::uint16_t megahertz = loadLe16(at + 13);
    record.isChannel = megahertz != 0 ? 1 : 0;
    record.serviceType = megahertz != 0 ? at[6] : 0;
    record.serviceId = static_cast<std::uint16_t>(loadLe32(at + 7));
    record.pmtPid = loadLe16(at + 11);
    record.frequency = megahertz * 1000u;
    record.symbolRate = loadLe32(at + 15) * 1000u;  // wraps like the 32-bit field it fills
    record.fec = at[19];
    record.auxTuning = at[20];
    record.polarity = at[21];
    record.lnb = static_cast<std::uint8_t>(at[22] & kMaxLnb);
    record.videoPid = loadLe16(at + 23);
    record.audioPid = loadLe16(at + 25);
    record.ac3Pid = loadLe16(at + 27);
    record.pcrPid = loadLe16(at + 29);
    record.scrambled = at[34] != 0 ? 1 : 0;
    record.pmcPid = loadLe16(at + 35);
    record.dvbxExtra4 = at[37];
    record.teletextPid = loadLe16(at + 38);
    record.transportStreamId = loadLe16(at + 40);
    record.dvbxExtra3 = at[66];
    record.dvbxParentNumber = loadLe16(at + 70);
    record.networkId = loadLe16(at + 73);
    record.dvbxExtra1 = loadLe16(at + 75);
    record.rotorPosition = at[77];
    record.volume = at[78];
    record.dvbxExtra2 = loadLe16(at + 79);
    return record;
}

DvbExtremeRecord dvbExtremeFromRecord(const ChannelRecord& record, std::uint16_t entryNumber,
                                      std::uint16_t parentNumber) {
    DvbExtremeRecord raw{};
    std::uint8_t* at = raw.data();
    std::memcpy(at, "DVBx", 4);
    storeLe16(at + 4, entryNumber);
    at[6] = record.serviceType;
    storeLe32(at + 7, record.serviceId);
    storeLe16(at + 11, record.pmtPid);
    if (record.isChannel != 0) {
        storeLe16(at + 13, static_cast<std::uint16_t>(record.frequency / 1000));
        storeLe32(at + 15, record.symbolRate / 1000);
    }
    at[19] = record.fec;
    at[20] = record.auxTuning;
    at[21] = record.polarity;
    at[22] = record.lnb > kMaxLnb ? kMaxLnb : record.lnb;
    storeLe16(at + 23, record.videoPid);
    storeLe16(at + 25, record.audioPid);
    storeLe16(at + 27, record.ac3Pid);
    storeLe16(at + 29, record.pcrPid);
    if (record.scrambled != 0) storeLe16(at + 33, 0x01FF);
    storeLe16(at + 35, record.pmcPid);
    storeLe16(at + 38, record.teletextPid);
    storeLe16(at + 40, record.transportStreamId);
    const std::string_view name = record.nameText();
    const std::size_t nameLength = name.size() < kNameField ? name.size() : kNameField;
    std::memcpy(at + kNameOffset, name.data(), nameLength);
    std::memset(at + kNameOffset + nameLength, ' ', kNameField - nameLength);
    storeLe16(at + 70, parentNumber);
    storeLe16(at + 73, record.networkId);
    storeLe16(at + 75, record.dvbxExtra1);
    at[77] = record.rotorPosition;
    at[78] = record.volume;
    storeLe16(at + 79, record.dvbxExtra2);
    return raw;
}

FileResult readDvbExtremeList(ByteSource& source, ChannelTree& television, ChannelTree& radio) {
    return readRecordRun<kDvbExtremeRecordSize>(source, television, radio, [](const DvbExtremeRecord& raw) {
        return recordFromDvbExtreme(raw);
    });
}

bool writeDvbExtremeList(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio) {
    // Both counters run over the whole file; only their low 16 bits are stored.
    std::uint32_t providerNumber = kFirstProviderNumber;
    std::uint32_t channelNumber = kFirstChannelNumber;
    bool firstTopLevel = true;
    bool ok = true;
    walkEntries(television, radio, [&](const Entry& entry) {
        if (!ok) return;
        std::uint32_t entryNumber = channelNumber;
        std::uint32_t parentNumber = providerNumber;
        if (entry.topLevel) {
            // The number grows once the previous top-level item's children are written.
            if (!firstTopLevel) ++providerNumber;
            firstTopLevel = false;
            entryNumber = providerNumber;
            parentNumber = 0;
        } else {
            ++channelNumber;
        }
        ok = sink.write(dvbExtremeFromRecord(entry.item.record(), static_cast<std::uint16_t>(entryNumber),
                                             static_cast<std::uint16_t>(parentNumber)));
    });
    return ok;
}

}  // namespace qvx
