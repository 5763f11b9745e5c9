// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/ChannelExtras.h"
#include "model/ChannelRecord.h"

namespace qvx {

// The line forms of zap channel files, told apart by their third field:
enum class ZapForm {
    // szap: name:MHz:pol:sat_no:ksymbols/s:vpid:apid[:sid] (older files lack the sid)
    Satellite,
    // what libdvbv5 writes for DVB-S: name:kHz:pol:symbols/s:vpid:apid:sid
    SatelliteLibdvbv5,
    // czap: name:Hz:INVERSION_x:symbols/s:FEC_x:QAM_x:vpid:apid[:sid]
    Cable,
    // tzap: name:Hz:INVERSION_x:BANDWIDTH_x:FEC_hp:FEC_lp:QAM_x:TRANSMISSION_MODE_x:
    // GUARD_INTERVAL_x:HIERARCHY_x:vpid:apid[:sid]
    Terrestrial,
    // azap: name:Hz:8VSB|QAM_x:vpid:apid[:sid]
    Atsc,
};

// The most fields a line has (tzap's).
inline constexpr std::size_t kMostZapFields = 13;

// One channel line of a zap file.
struct ZapLine {
    ZapForm form = ZapForm::Satellite;
    // The line's fields between the ':', as written (a last field keeps the
    // blanks and carriage return at the line's end).
    std::array<std::string_view, kMostZapFields> fields;
    std::size_t fieldCount = 0;
    std::string_view name;
    // The tuning; its PID lists only after addZapPids (what the record
    // needs of them is in `video` and `audio`).
    ChannelExtras extras;
    std::uint32_t frequency = 0;  // the record's units: kHz for satellites, Hz otherwise
    std::uint32_t symbolRate = 0;
    std::uint16_t serviceId = 0;
    std::uint16_t video = 0;  // the first PID of each field; 0: none
    std::uint16_t audio = 0;
    std::string_view videoField;
    std::string_view audioField;
};

// Reads a line that is no comment or blank line into a new `parsed`, which
// points into `line`; on a fault, what is wrong, quoting the text.
std::optional<std::string> parseZapLine(std::string_view line, ZapLine& parsed);
// Whether a line has one of the forms (and its number of fields).
bool looksLikeZapLine(std::string_view line);

// Every PID of the line's PID fields into its extras.
void addZapPids(ZapLine& line);

// The record a line reads as.
ChannelRecord recordOfZapLine(const ZapLine& line);

// A new line for a channel as it is now (currentExtras), in the form of its
// delivery system: szap, czap, tzap or azap.
void composeZapLine(const ChannelRecord& record, const ChannelExtras& now, std::string& out);
// A line read from a file with the fields of the `changes` (RecordChanges.h)
// written anew, in the units the line uses, and every other field as it was.
void rewriteZapLine(const ZapLine& line, unsigned changes, const ChannelRecord& record, const ChannelExtras& now,
                    std::string& out);

}  // namespace qvx
