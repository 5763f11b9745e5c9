// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ChannelRecord.h"

#include <cstring>

namespace qvx {

ChannelRecord ChannelRecord::defaults() {
    ChannelRecord record;
    std::memset(&record, 0, sizeof record);
    // "KÖLSCH" and two blanks, no terminator; 0xD6 is Ö in windows-1252.
    const char tagBytes[8] = {'K', '\xD6', 'L', 'S', 'C', 'H', ' ', ' '};
    std::memcpy(record.tag, tagBytes, sizeof tagBytes);
    record.setName("undefined");
    record.frequency = 12000000;
    record.symbolRate = 27500000;
    record.reservedA = 1;
    record.reservedD = 1;
    return record;
}

ChannelRecord ChannelRecord::newChannel(std::uint8_t kind) {
    ChannelRecord record = defaults();
    record.isChannel = 1;
    record.serviceType = kind;
    return record;
}

ChannelRecord ChannelRecord::newProvider(std::uint8_t kind) {
    ChannelRecord record = defaults();
    record.makeProvider(kind);
    return record;
}

ChannelRecord ChannelRecord::fromImage(std::span<const std::uint8_t, kRecordSize> image) {
    ChannelRecord record;
    std::memcpy(&record, image.data(), kRecordSize);
    return record;
}

RecordImage ChannelRecord::image() const {
    RecordImage bytes;
    std::memcpy(bytes.data(), this, kRecordSize);
    return bytes;
}

void ChannelRecord::replace(std::span<const std::uint8_t, kRecordSize> image) {
    std::memcpy(this, image.data(), kRecordSize);
}

void ChannelRecord::makeProvider(std::uint8_t kind) {
    isChannel = 0;
    frequency = 0;
    symbolRate = 0;
    serviceType = kind;
}

}  // namespace qvx
