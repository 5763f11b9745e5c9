// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ChannelExtras.h"

namespace qvx {

struct ChannelRecord;

// The stream URL of a SAT>IP playlist entry:
// "rtsp://192.168.178.1:554/?src=1&freq=11494&pol=h&msys=dvbs2&mtype=8psk&sr=22000&fec=23&pids=0,17,18".
// The query names the tuning in the server's units: MHz, kSym/s, and short
// words for the rest ("dvbs2", "8psk", "23" for 2/3).
struct UrlParameter {
    std::string_view key;
    std::string_view value;
};

struct SatipUrl {
    std::string_view base;  // everything before '?' (scheme, host, port, path)
    std::vector<UrlParameter> parameters;

    // The value of the first parameter of that key (keys as servers write them, lower case).
    std::optional<std::string_view> value(std::string_view key) const;
};

// Splits a URL line (blanks and a carriage return around it left off);
// false for a line that is no URL with a query.
bool splitSatipUrl(std::string_view line, SatipUrl& url);
// Whether the query tunes a DVB frontend: it names a frequency.
bool carriesTuning(const SatipUrl& url);

// What the query says of a channel.
struct SatipTuning {
    ChannelExtras extras;
    std::uint32_t symbolRate = 0;  // symbols/s, as the record holds it
    // The PIDs the server is to stream; none for "all" or "none", or when not given.
    std::vector<std::uint16_t> pids;
};
// The tuning of a query that carries it; the fault ("sr: \"fast\" is not a
// number") when a value is no value of its key.
std::optional<std::string> parseSatipTuning(const SatipUrl& url, SatipTuning& tuning);

// The record's fields a tuning sets (frequency, symbol rate, polarity, code
// rate, modulation, LNB), on a text channel's base record.
ChannelRecord recordOfTuning(const SatipTuning& tuning);

// The PIDs a record names, in the order a SAT>IP server is asked for them:
// PAT (0), PMT, video, audio, AC-3, teletext, PCR; each once, zeros left out.
std::vector<std::uint16_t> pidsOfRecord(const ChannelRecord& record);
bool samePids(const ChannelRecord& a, const ChannelRecord& b);

// Values in the server's units: "11494", "11494.5" (no decimals where the value has none).
std::string decimalOf(std::uint64_t value, std::uint64_t unit);

// The query's words for the neutral values; empty where the query has none.
std::string_view satipSystemWord(DeliverySystem system);
std::string_view satipModulationWord(Modulation modulation);
std::string_view satipCodeRateWord(CodeRate rate);
std::string_view satipPolarizationWord(Polarization polarization);

// A new query for a channel: the keys its delivery system needs, in the
// order servers write them. `pids` empty: no pids key.
std::string composeSatipQuery(const ChannelExtras& extras, std::uint32_t symbolRate,
                              const std::vector<std::uint16_t>& pids);
// The query with the values of `changes` (key, new value; empty value: the
// key is left out) put in place of the old ones, missing keys added at the
// end; every other key stays as it was.
std::string rewriteSatipQuery(const SatipUrl& url, const std::vector<std::pair<std::string, std::string>>& changes);

}  // namespace qvx
