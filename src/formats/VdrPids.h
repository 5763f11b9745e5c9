// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ChannelExtras.h"

namespace qvx {

// The PID fields of a VDR channel line, read without copying (the record
// takes the first PID of each kind) and in full for other formats.

// VPID: "pid[+pcr][=type]"; libdvbv5 writes further video PIDs after commas.
struct VdrVideo {
    std::uint16_t pid = 0;  // the first one; 0: a radio channel
    std::optional<std::uint16_t> pcr;
    std::optional<std::uint16_t> type;
};
bool parseVdrVideo(std::string_view text, VdrVideo& video);
// Every video PID of a field parseVdrVideo took.
std::vector<std::uint16_t> vdrVideoPids(std::string_view text);
// The field for a video PID, its PCR PID where it has its own, and a type.
std::string vdrVideoText(std::uint16_t pid, std::uint16_t pcr, std::optional<std::uint16_t> type);

// APID: "pid[=lang[+lang]][@type],...[;dolby,...]"; "0" alone: none.
bool parseVdrAudio(std::string_view text, std::uint16_t& firstAudio, std::uint16_t& firstDolby);
void vdrAudioStreams(std::string_view text, std::vector<StreamPid>& audio, std::vector<StreamPid>& dolby);
std::string vdrAudioText(const std::vector<StreamPid>& audio, const std::vector<StreamPid>& dolby);

// TPID: "pid[;subtitle[=lang],...]".
bool parseVdrTeletext(std::string_view text, std::uint16_t& teletext);
std::vector<StreamPid> vdrSubtitles(std::string_view text);
// The field for a teletext PID and the subtitles part of `kept` (a TPID field
// as read, or empty), so that changing the teletext PID keeps the subtitles.
std::string vdrTeletextText(std::uint16_t teletext, std::string_view kept);
std::string vdrTeletextText(std::uint16_t teletext, const std::vector<StreamPid>& subtitles);

// CA: hexadecimal ids separated by commas; 0: free to air.
bool parseVdrCa(std::string_view text, bool& scrambled);
std::vector<std::uint16_t> vdrCaIds(std::string_view text);
std::string vdrCaText(const std::vector<std::uint16_t>& ids);

// A decimal number of at most `limit`, blanks around it allowed (as VDR's
// reading of numbers takes them).
std::optional<std::uint64_t> vdrNumber(std::string_view text, std::uint64_t limit);

}  // namespace qvx
