// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/ListFormat.h"

namespace qvx {

// The M3U playlists SAT>IP servers and routers with a DVB tuner hand out:
// "#EXTINF" lines with a title and attributes, more "#" lines, and a
// stream URL whose query names the tuning (see SatipUrl.h).
//
// An entry whose URL names a frequency is a channel: Radio where its
// #EXTINF says radio="true", else Television; its group-title is its
// provider (entries without one share a provider named after the file,
// which leaves no trace on saving). Each channel carries its entry's lines;
// saving gives back every entry nobody changed byte for byte and rewrites
// only the changed pieces of the others. Entries without tuning (plain
// streams), the header and comments stay in their places as the list's
// own lines.
FileResult readSatipList(ByteSource& source, ChannelList& list, const FormatOptions& options);
bool writeSatipList(ByteSink& sink, const ChannelList& list, const FormatOptions& options);
bool describeSatip(const Carried& carried, ChannelExtras& extras);

// Whether writing the list as a SAT>IP playlist needs a server that neither
// the list nor `options` names: a channel that does not come from a SAT>IP
// playlist gets a new URL, on the server of the list's playlist or the one
// the user named.
bool satipServerNeeded(const ChannelList& list, const FormatOptions& options);
// Whether a text can stand before a URL's query: "rtsp://HOST:554/",
// "http://HOST:8875/"; the server as written (a missing final '/' added), or
// empty when it is none.
std::string satipServerOf(std::string_view text);

}  // namespace qvx
