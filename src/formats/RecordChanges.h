// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelRecord.h"

namespace qvx {

// The record fields a Linux channel file can hold, as bits: a writer
// compares the record an entry read as with the record now, and writes
// anew only the pieces of the changed ones.
namespace changed {
inline constexpr unsigned kName = 1u << 0;
inline constexpr unsigned kFrequency = 1u << 1;
inline constexpr unsigned kSymbolRate = 1u << 2;
inline constexpr unsigned kPolarity = 1u << 3;
inline constexpr unsigned kCodeRate = 1u << 4;
inline constexpr unsigned kModulation = 1u << 5;
inline constexpr unsigned kVideo = 1u << 6;
inline constexpr unsigned kAudio = 1u << 7;  // the audio or the AC-3 PID
inline constexpr unsigned kServiceId = 1u << 8;
inline constexpr unsigned kNetworkId = 1u << 9;
inline constexpr unsigned kTransportId = 1u << 10;
inline constexpr unsigned kLnb = 1u << 11;
}  // namespace changed

inline unsigned changedFields(const ChannelRecord& read, const ChannelRecord& now) {
    unsigned fields = 0;
    const auto mark = [&](bool differs, unsigned bit) {
        if (differs) fields |= bit;
    };
    mark(read.nameText() != now.nameText(), changed::kName);
    mark(read.frequency != now.frequency, changed::kFrequency);
    mark(read.symbolRate != now.symbolRate, changed::kSymbolRate);
    mark(read.polarity != now.polarity, changed::kPolarity);
    mark(read.fec != now.fec, changed::kCodeRate);
    mark(read.qam != now.qam, changed::kModulation);
    mark(read.videoPid != now.videoPid, changed::kVideo);
    mark(read.audioPid != now.audioPid || read.ac3Pid != now.ac3Pid, changed::kAudio);
    mark(read.serviceId != now.serviceId, changed::kServiceId);
    mark(read.networkId != now.networkId, changed::kNetworkId);
    mark(read.transportStreamId != now.transportStreamId, changed::kTransportId);
    mark(read.lnb != now.lnb, changed::kLnb);
    return fields;
}

}  // namespace qvx
