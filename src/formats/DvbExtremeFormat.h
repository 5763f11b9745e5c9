// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "files/ByteStream.h"
#include "files/FileResult.h"
#include "model/ChannelRecord.h"

namespace qvx {

class ChannelTree;

// DVBextreme lists: no header, 89-byte packed little-endian records that carry
// an entry number and, for channels, the number of their provider.
inline constexpr std::size_t kDvbExtremeRecordSize = 89;
using DvbExtremeRecord = std::array<std::uint8_t, kDvbExtremeRecordSize>;

inline constexpr std::uint16_t kFirstProviderNumber = 30001;
inline constexpr std::uint16_t kFirstChannelNumber = 1;

ChannelRecord recordFromDvbExtreme(std::span<const std::uint8_t, kDvbExtremeRecordSize> raw);
DvbExtremeRecord dvbExtremeFromRecord(const ChannelRecord& record, std::uint16_t entryNumber,
                                      std::uint16_t parentNumber);

// Clears the trees and fills them from `source`; ReadFailed when the file failed.
FileResult readDvbExtremeList(ByteSource& source, ChannelTree& television, ChannelTree& radio);
// Numbers the entries afresh: top-level items from 30001, their children from
// 1, over both trees. False when the sink failed.
bool writeDvbExtremeList(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio);

}  // namespace qvx
