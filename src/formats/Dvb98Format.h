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

// DVB98 lists: no header, 64-byte records with big-endian numbers.
inline constexpr std::size_t kDvb98RecordSize = 64;
using Dvb98Record = std::array<std::uint8_t, kDvb98RecordSize>;

ChannelRecord recordFromDvb98(std::span<const std::uint8_t, kDvb98RecordSize> raw);
Dvb98Record dvb98FromRecord(const ChannelRecord& record);

// Clears the trees and fills them from `source`; ReadFailed when the file failed.
FileResult readDvb98List(ByteSource& source, ChannelTree& television, ChannelTree& radio);
// False when the sink failed.
bool writeDvb98List(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio);

}  // namespace qvx
