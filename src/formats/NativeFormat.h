// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

#include "files/ByteStream.h"
#include "files/FileResult.h"
#include "files/TranslatableText.h"

namespace qvx {

class ChannelTree;

// Native and WinDVBLive lists: a 12-byte header of three
// little-endian counts, then 172-byte record images.
inline constexpr std::size_t kNativeHeaderSize = 12;

inline constexpr std::string_view kShortHeaderMessage = QVX_TRANSLATE_NOOP("Files", "Error reading DVB_CHANNEL_HEADER");
inline constexpr std::string_view kShortRecordMessage = QVX_TRANSLATE_NOOP("Files", "Error reading Radio DVB_CHANNELS");

// ShortHeader with a short header (trees untouched); ReadFailed with a short
// record, the entries read so far staying in the trees, or when the file
// itself failed.
FileResult readNativeList(ByteSource& source, ChannelTree& television, ChannelTree& radio);

// With `winDvbLiveLnbRule` the providers of the Television tree are written
// with an LNB of at most 3. False when the sink failed.
bool writeNativeList(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio,
                     bool winDvbLiveLnbRule);

}  // namespace qvx
