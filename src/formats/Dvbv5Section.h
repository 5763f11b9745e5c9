// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/ChannelExtras.h"
#include "model/ChannelRecord.h"

namespace qvx {

// One channel section of a dvbv5 file ("[Name]" and its "KEY = value"
// lines), as libdvbv5's dvb-file.c reads it: keys in any case, the last of
// a repeated key counting, keys it does not know left alone.
struct Dvbv5Section {
    // The header's name; empty where it names none ("[CHANNEL]", "[]").
    std::string_view name;
    // The system, tuning and PIDs the keys give.
    ChannelExtras extras;
    // As written, which is the record's unit: kHz for satellites, Hz otherwise.
    std::uint32_t frequency = 0;
    std::uint32_t symbolRate = 0;
    std::uint16_t serviceId = 0;
    std::uint16_t networkId = 0;
    std::uint16_t transportId = 0;
    // Where the code rate came from: INNER_FEC, else CODE_RATE_HP (DVB-T).
    bool codeRateFromHighPriority = false;
};

// A fault of a section: its line within the section (the header is 0) and
// what is wrong, quoting the text.
struct SectionFault {
    std::size_t line = 0;
    std::string reason;
};

// Reads a section's text, header first, into a new `section`, which points into `text`.
std::optional<SectionFault> parseDvbv5Section(std::string_view text, Dvbv5Section& section);

// The record a section reads as, all but its name.
ChannelRecord recordOfSection(const Dvbv5Section& section);
// The channel's name: the header's, or for a section that names none (the
// transponder lists of dtv-scan-tables) a label of its tuning, "11362 MHz H".
std::string nameOfSection(const Dvbv5Section& section);

// The key and the value of a "KEY = value" line, blanks around them left
// off; false for a line that is no such line.
struct KeyLine {
    std::string_view key;
    std::string_view value;
    std::size_t valueStart = 0;  // where the value stands in the line
};
bool splitKeyLine(std::string_view line, KeyLine& keyLine);
// Blank lines and comments belong to no key.
bool isLooseLine(std::string_view line);
// Whether a line opens a section.
bool isSectionHeader(std::string_view line);

}  // namespace qvx
