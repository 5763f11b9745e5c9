// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "formats/ListFormat.h"

namespace qvx {

// The channel files of dvbv5-scan and dvbv5-zap (libdvbv5's dvb-file.c): a
// "[Name]" section per channel with "KEY = value" lines. Each channel
// carries its section's text; the channels of each tree go under one
// made-up provider named after the file.
FileResult readDvbv5List(ByteSource& source, ChannelList& list, const FormatOptions& options);
bool writeDvbv5List(ByteSink& sink, const ChannelList& list, const FormatOptions& options);
// The first line that is no comment or blank line opens a section.
bool looksLikeDvbv5(std::span<const std::uint8_t> head);
bool describeDvbv5(const Carried& carried, ChannelExtras& extras);

}  // namespace qvx
