// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>

#include "formats/ListFormat.h"

namespace qvx {

// VDR's channels.conf: one line per channel ("Name,Short;Provider:Freq:
// Params:Source:Srate:VPID:APID:TPID:CA:SID:NID:TID:RID") and group lines
// (":Text", ":@201 Text").
//
// Group lines become providers in file order: a group with channels of both
// kinds a provider in each tree, an empty one an empty Television provider;
// channels before the first group stay at the top level. A file without
// group lines gets made-up providers from the lines' provider parts, in the
// order they first appear (channels without one under a provider named after
// the file). A channel without a video PID is a radio channel.
//
// Every item carries its line; saving gives back each line nobody changed
// byte for byte and writes only the changed fields of the others.
FileResult readVdrList(ByteSource& source, ChannelList& list, const FormatOptions& options);
bool writeVdrList(ByteSink& sink, const ChannelList& list, const FormatOptions& options);
// The first line that is neither blank nor a comment is a group line, or a
// channel line whose fourth field is a source.
bool looksLikeVdr(std::span<const std::uint8_t> head);
// A channel's carried line in neutral terms; false for groups.
bool describeVdr(const Carried& carried, ChannelExtras& extras);

}  // namespace qvx
