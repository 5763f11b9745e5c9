// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/VdrLine.h"

#include <algorithm>

#include "formats/RecordTuning.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

constexpr std::uint64_t kThousand = 1000;
constexpr std::uint64_t kMillion = 1'000'000;
// Far beyond any frequency, far below an overflow of Hz.
constexpr std::uint64_t kLargestFrequency = 1'000'000'000'000ull;
constexpr std::uint64_t kLargestSymbolRate = 4'294'967;  // kSym/s that fit the record's symbols/s
constexpr std::uint64_t kLargestId = 0xFFFF;

std::string badField(std::string_view what, std::string_view text) { return "bad " + std::string(what) + " " + quoted(text); }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

DeliverySystem systemOf(char sourceType, const VdrParameters& parameters) {
    const bool secondGeneration = parameters.value('S').value_or(0) == 1;
    switch (sourceType) {
    case 'S': return secondGeneration ? DeliverySystem::DvbS2 : DeliverySystem::DvbS;
    case 'C': return DeliverySystem::DvbC;
    case 'A': return DeliverySystem::Atsc;
    default: return secondGeneration ? DeliverySystem::DvbT2 : DeliverySystem::DvbT;
    }
}

bool isDvbSource(char type) { return type == 'S' || type == 'C' || type == 'T' || type == 'A'; }

// How a value written in `written` reads, for cable and terrestrial sources:
// multiplied by 1000 until it is larger than 1,000,000.
std::uint64_t scaledUp(std::uint64_t written) {
    while (written > 0 && written <= kMillion) written *= kThousand;
    return written;
}

// A text of the line as UTF-8, "|" standing for ":".
std::string decoded(std::string_view text, VdrEncoding encoding) {
    std::string out = recodedLine(text, encoding, VdrEncoding::Utf8);
    std::replace(out.begin(), out.end(), '|', ':');
    return out;
}

}  // namespace

std::size_t trailingBlanks(std::string_view line) {
    std::size_t count = 0;
    while (count < line.size() && isBlank(line[line.size() - 1 - count])) ++count;
    return count;
}

bool isVdrSource(std::string_view text) {
    // A type letter, then a position in degrees, east or west (satellites).
    if (text.empty() || text.front() < 'A' || text.front() > 'Z') return false;
    std::string_view position = text.substr(1);
    if (position.empty()) return true;
    if (position.back() == 'E' || position.back() == 'W') position.remove_suffix(1);
    const std::size_t point = position.find('.');
    const std::string_view whole = position.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? std::string_view("0") : position.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return digits(whole) && digits(decimals);
}

std::optional<std::uint64_t> vdrFrequencyHz(std::uint64_t written, char sourceType) {
    if (sourceType == 'S') {
        // MHz, as VDR writes them; larger numbers can only be kHz or Hz.
        if (written <= kMillion) return written * kMillion;
        if (written <= kMillion * kThousand) return written * kThousand;
        return written;
    }
    if (isDvbSource(sourceType)) return scaledUp(written);
    return std::nullopt;
}

std::uint64_t vdrFrequencyText(std::uint64_t hz, char sourceType, std::optional<std::uint64_t> like) {
    if (sourceType == 'S') {
        if (like && *like > kMillion) {
            const std::uint64_t unit = *like > kMillion * kThousand ? 1 : kThousand;
            if (hz % unit == 0 && vdrFrequencyHz(hz / unit, 'S') == hz) return hz / unit;
        }
        return (hz + kMillion / 2) / kMillion;
    }
    // The unit of the line as read first, then kHz, then Hz.
    std::uint64_t units[3] = {kThousand, kThousand, 1};
    if (like) {
        const std::uint64_t read = scaledUp(*like);
        units[0] = *like != 0 ? read / *like : kThousand;
    }
    for (const std::uint64_t unit : units)
        if (unit != 0 && hz % unit == 0 && scaledUp(hz / unit) == hz) return hz / unit;
    return hz;
}

std::string parseVdrChannel(std::string_view line, VdrChannelLine& channel) {
    channel = VdrChannelLine();
    const std::size_t blanks = trailingBlanks(line);
    channel.trailing = line.substr(line.size() - blanks);
    line.remove_suffix(blanks);

    // Fields are short: a plain loop beats a search call per field.
    std::size_t start = 0;
    for (std::size_t at = 0;; ++at) {
        if (at < line.size() && line[at] != ':') continue;
        channel.fields[channel.fieldCount++] = line.substr(start, at - start);
        if (at == line.size()) break;
        start = at + 1;
        if (channel.fieldCount == kVdrFieldCount) {
            channel.rest = line.substr(at);
            break;
        }
    }
    if (channel.fieldCount < kVdrFewestFields) {
        std::size_t found = 1;
        for (const char c : line) found += c == ':' ? 1 : 0;
        return "expected " + std::to_string(kVdrFieldCount) + " fields, found " + std::to_string(found);
    }
    const auto& field = channel.fields;

    // The name: the provider follows the first ';', the short name the last ',' before it.
    if (field[kVdrName].empty()) return "missing channel name";
    std::string_view name = field[kVdrName];
    if (const std::size_t semicolon = name.find(';'); semicolon != std::string_view::npos) {
        channel.provider = name.substr(semicolon + 1);
        name = name.substr(0, semicolon);
    }
    if (const std::size_t comma = name.rfind(','); comma != std::string_view::npos) {
        channel.shortName = name.substr(comma + 1);
        name = name.substr(0, comma);
    }
    channel.name = name;

    const std::optional<std::uint64_t> frequency = vdrNumber(field[kVdrFrequency], kLargestFrequency);
    if (!frequency) return badField("frequency", field[kVdrFrequency]);
    channel.frequency = *frequency;

    if (!isVdrSource(field[kVdrSource])) return badField("source", field[kVdrSource]);
    channel.sourceType = field[kVdrSource].front();
    channel.dvb = isDvbSource(channel.sourceType);
    // Plugins keep parameters of their own in any form; only DVB's are read.
    if (channel.dvb && !channel.parameters.parse(field[kVdrParameters]))
        return badField("parameter string", field[kVdrParameters]);

    channel.frequencyHz = vdrFrequencyHz(*frequency, channel.sourceType);
    const bool fits = channel.frequencyHz
                          ? recordFrequencyOf(*channel.frequencyHz, systemOf(channel.sourceType, channel.parameters))
                                .has_value()
                          : *frequency <= 0xFFFFFFFFu;
    if (!fits) return badField("frequency", field[kVdrFrequency]);

    const std::optional<std::uint64_t> symbolRate = vdrNumber(field[kVdrSymbolRate], kLargestSymbolRate);
    if (!symbolRate) return badField("symbol rate", field[kVdrSymbolRate]);
    channel.symbolRate = static_cast<std::uint32_t>(*symbolRate);

    if (!parseVdrVideo(field[kVdrVideo], channel.video)) return badField("video PID", field[kVdrVideo]);
    if (!parseVdrAudio(field[kVdrAudio], channel.audio, channel.dolby))
        return badField("audio PIDs", field[kVdrAudio]);
    if (!parseVdrTeletext(field[kVdrTeletext], channel.teletext))
        return badField("teletext PID", field[kVdrTeletext]);
    if (!parseVdrCa(field[kVdrCa], channel.scrambled)) return badField("CA list", field[kVdrCa]);

    const struct {
        VdrField field;
        std::string_view what;
        std::uint16_t& into;
    } ids[] = {{kVdrService, "service ID", channel.serviceId},
               {kVdrNetwork, "network ID", channel.networkId},
               {kVdrTransport, "transport stream ID", channel.transportId},
               {kVdrRadio, "radio ID", channel.radioId}};
    for (const auto& id : ids) {
        if (id.field >= channel.fieldCount) break;
        const std::optional<std::uint64_t> value = vdrNumber(field[id.field], kLargestId);
        if (!value) return badField(id.what, field[id.field]);
        id.into = static_cast<std::uint16_t>(*value);
    }
    return {};
}

VdrGroupLine parseVdrGroup(std::string_view line) {
    VdrGroupLine group;
    const std::size_t blanks = trailingBlanks(line);
    group.trailing = line.substr(line.size() - blanks);
    line.remove_suffix(blanks);
    std::size_t text = 1;
    // ":@201 Text": the number of the next channel, then the text.
    if (line.size() > 2 && line[1] == '@' && line[2] >= '0' && line[2] <= '9') {
        text = 2;
        while (text < line.size() && line[text] >= '0' && line[text] <= '9') ++text;
        while (text < line.size() && isBlank(line[text])) ++text;
    }
    text = std::min(text, line.size());
    group.prefix = line.substr(0, text);
    group.text = line.substr(text);
    return group;
}

std::uint8_t VdrSources::rotorPositionOf(std::string_view source) {
    for (const auto& [known, position] : known_)
        if (known == source) return position;
    const auto position = static_cast<std::uint8_t>(rotorPositionOfSource(source).value_or(0));
    known_.emplace_back(source, position);
    return position;
}

ChannelRecord vdrRecordOf(const VdrChannelLine& channel, std::uint8_t kind, VdrEncoding encoding,
                          VdrSources& sources, VdrName& name) {
    ChannelRecord record = ChannelRecord::newChannel(kind);
    // Most names are short ASCII without '|': the record holds them as they are.
    if (channel.name.size() <= kNameCapacity && channel.name.find('|') == std::string_view::npos &&
        isAscii(channel.name)) {
        name.full.clear();
        record.setName(channel.name);
    } else {
        name = vdrNameOf(channel.name, encoding, true);
        record.setName(name.record);
    }
    // As every record read from a file of the receiver program.
    record.volume = 100;
    if (channel.frequencyHz) {
        const DeliverySystem system = systemOf(channel.sourceType, channel.parameters);
        record.frequency = recordFrequencyOf(*channel.frequencyHz, system).value_or(0);
    } else {
        record.frequency = static_cast<std::uint32_t>(channel.frequency);
    }
    if (channel.dvb) channel.parameters.applyTo(record);
    record.symbolRate = channel.symbolRate * 1000;
    record.videoPid = channel.video.pid;
    record.pcrPid = channel.video.pcr.value_or(channel.video.pid);
    record.audioPid = channel.audio;
    record.ac3Pid = channel.dolby;
    record.teletextPid = channel.teletext;
    record.scrambled = channel.scrambled ? 1 : 0;
    record.serviceId = channel.serviceId;
    record.networkId = channel.networkId;
    record.transportStreamId = channel.transportId;
    if (channel.sourceType == 'S') record.rotorPosition = sources.rotorPositionOf(channel.source());
    return record;
}

ChannelExtras vdrExtrasOf(const VdrChannelLine& channel, VdrEncoding encoding) {
    ChannelExtras extras;
    if (channel.dvb) channel.parameters.describe(extras, channel.sourceType);
    extras.frequencyHz = channel.frequencyHz;
    extras.source = std::string(channel.source());
    if (channel.shortName) extras.shortName = decoded(*channel.shortName, encoding);
    if (channel.provider) extras.providerName = decoded(*channel.provider, encoding);
    extras.videoPids = vdrVideoPids(channel.fields[kVdrVideo]);
    extras.videoType = channel.video.type;
    vdrAudioStreams(channel.fields[kVdrAudio], extras.audio, extras.dolby);
    extras.subtitles = vdrSubtitles(channel.fields[kVdrTeletext]);
    extras.caIds = vdrCaIds(channel.fields[kVdrCa]);
    if (channel.radioId != 0) extras.radioId = channel.radioId;
    return extras;
}

}  // namespace qvx
