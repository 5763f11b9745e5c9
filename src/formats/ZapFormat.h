// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "formats/ListFormat.h"

namespace qvx {

// The channel files of szap, czap, tzap and azap (and of libdvbv5's zap
// output): one line per channel, in the form of its delivery system
// (ZapLine.h). Each channel carries its line; the channels of each tree go
// under one made-up provider named after the file.
FileResult readZapList(ByteSource& source, ChannelList& list, const FormatOptions& options);
bool writeZapList(ByteSink& sink, const ChannelList& list, const FormatOptions& options);
// The first line that is no comment or blank line has one of the forms.
bool looksLikeZap(std::span<const std::uint8_t> head);
bool describeZap(const Carried& carried, ChannelExtras& extras);

}  // namespace qvx
