// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/ChannelExtras.h"
#include "formats/VdrParameters.h"
#include "formats/VdrPids.h"
#include "formats/VdrText.h"
#include "model/ChannelRecord.h"

namespace qvx {

// One line of a channels.conf, split into its parts as they stand in the
// line (views into it), with what they mean.

// The fields of a channel line, in their order.
enum VdrField : std::size_t {
    kVdrName, kVdrFrequency, kVdrParameters, kVdrSource, kVdrSymbolRate, kVdrVideo, kVdrAudio,
    kVdrTeletext, kVdrCa, kVdrService, kVdrNetwork, kVdrTransport, kVdrRadio, kVdrFieldCount
};

// Lines of older files end after the service id: network, transport stream
// and radio ids are then 0.
inline constexpr std::size_t kVdrFewestFields = kVdrService + 1;

struct VdrChannelLine {
    std::array<std::string_view, kVdrFieldCount> fields{};
    std::size_t fieldCount = 0;
    std::string_view rest;      // what follows the last field VDR reads, its ':' included
    std::string_view trailing;  // blanks (and a carriage return) ending the line

    // The name field: "Name[,Short][;Provider]".
    std::string_view name;
    std::optional<std::string_view> shortName;
    std::optional<std::string_view> provider;

    // The source's type letter ('S', 'C', 'T', 'A', or a plugin's), and
    // whether the parameters are a DVB parameter string this program reads.
    char sourceType = 0;
    bool dvb = false;
    VdrParameters parameters;
    // The frequency as written, and in Hz (none for a plugin's source, whose
    // frequency is a number of its own).
    std::uint64_t frequency = 0;
    std::optional<std::uint64_t> frequencyHz;
    std::uint32_t symbolRate = 0;  // kSym/s
    VdrVideo video;
    std::uint16_t audio = 0;
    std::uint16_t dolby = 0;
    std::uint16_t teletext = 0;
    bool scrambled = false;
    std::uint16_t serviceId = 0;
    std::uint16_t networkId = 0;
    std::uint16_t transportId = 0;
    std::uint16_t radioId = 0;

    std::string_view source() const { return fields[kVdrSource]; }
};

// Reads a channel line; the reason it is not one when it is not
// ("bad frequency \"x\""), else empty.
std::string parseVdrChannel(std::string_view line, VdrChannelLine& channel);

// A group line: ":Text" or ":@201 Text".
struct VdrGroupLine {
    std::string_view prefix;  // ":" or ":@201 " (the number and the blanks after it)
    std::string_view text;
    std::string_view trailing;
};
VdrGroupLine parseVdrGroup(std::string_view line);

// The blanks (and a carriage return) at the end of a line, as VDR strips them.
std::size_t trailingBlanks(std::string_view line);

// "S19.2E", "C", "T", "A", "I": a source as VDR writes one.
bool isVdrSource(std::string_view text);

// The Hz of a frequency as the line gives it, for a source type.
std::optional<std::uint64_t> vdrFrequencyHz(std::uint64_t written, char sourceType);
// The frequency to write for Hz: satellites in MHz; others in the unit of
// `like` (a frequency as read) where it reads back exactly, else kHz or Hz.
std::uint64_t vdrFrequencyText(std::uint64_t hz, char sourceType, std::optional<std::uint64_t> like);

// The rotor positions of the sources of a file, looked up once per source.
class VdrSources final {
public:
    std::uint8_t rotorPositionOf(std::string_view source);

private:
    std::vector<std::pair<std::string, std::uint8_t>> known_;
};

// The record a channel line gives (the reader's, and what a writer compares
// an item's record with to see what the user changed). `name` gets the name.
ChannelRecord vdrRecordOf(const VdrChannelLine& channel, std::uint8_t kind, VdrEncoding encoding,
                          VdrSources& sources, VdrName& name);

// Everything a channel line says, in neutral terms (UTF-8 texts).
ChannelExtras vdrExtrasOf(const VdrChannelLine& channel, VdrEncoding encoding);

}  // namespace qvx
