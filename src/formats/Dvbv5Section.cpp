// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Dvbv5Section.h"

#include <limits>

#include "formats/FileNamedProviders.h"
#include "formats/FrontendWords.h"
#include "formats/RecordTuning.h"
#include "formats/TextNumbers.h"

namespace qvx {
namespace {

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kMax16 = std::numeric_limits<std::uint16_t>::max();
// STREAM_ID of all ones: no stream chosen (libdvbv5's NO_STREAM_ID_FILTER).
constexpr std::uint32_t kNoStreamId = std::numeric_limits<std::uint32_t>::max();

// What the keys give beyond the section itself while it is read.
struct Reading {
    Dvbv5Section& section;
    std::optional<CodeRate> innerFec;
    std::optional<CodeRate> codeRateHp;
};

template <typename Number>
bool number(std::string_view value, std::uint64_t max, Number& into) {
    const std::optional<std::uint64_t> parsed = parseUnsigned(value, max);
    if (!parsed) return false;
    into = static_cast<Number>(*parsed);
    return true;
}

template <typename Value>
bool word(FrontendWords<Value> words, std::string_view value, std::optional<Value>& into) {
    const FrontendWord<Value>* found = findWord(words, value);
    if (!found) return false;
    into = found->value;
    return true;
}

// A PID list: numbers between blanks. Zeros name no stream (libdvbv5 writes
// a zap file's missing video PID as 0).
bool pids(std::string_view value, std::vector<std::uint16_t>& into) {
    into.clear();
    std::size_t at = 0;
    while (at < value.size()) {
        const std::size_t end = std::min(value.find_first_of(" \t", at), value.size());
        if (end > at) {
            std::uint16_t pid = 0;
            if (!number(value.substr(at, end - at), kMax16, pid)) return false;
            if (pid != 0) into.push_back(pid);
        }
        at = end + 1;
    }
    return true;
}

bool audioPids(std::string_view value, std::vector<StreamPid>& into) {
    std::vector<std::uint16_t> list;
    if (!pids(value, list)) return false;
    into.clear();
    for (const std::uint16_t pid : list) into.push_back({pid, {}, {}});
    return true;
}

const FrontendSpelling& words() { return dvbv5Spelling(); }

struct KeyRule {
    std::string_view key;
    bool (*read)(std::string_view value, Reading& reading);
};

// The keys libdvbv5 gives a meaning the record or the neutral description
// can hold; every other key is carried as it is.
constexpr KeyRule kKeys[] = {
    {"FREQUENCY", [](std::string_view v, Reading& r) { return number(v, kMax32, r.section.frequency); }},
    {"SYMBOL_RATE", [](std::string_view v, Reading& r) { return number(v, kMax32, r.section.symbolRate); }},
    {"SERVICE_ID", [](std::string_view v, Reading& r) { return number(v, kMax16, r.section.serviceId); }},
    {"NETWORK_ID", [](std::string_view v, Reading& r) { return number(v, kMax16, r.section.networkId); }},
    {"TRANSPORT_ID", [](std::string_view v, Reading& r) { return number(v, kMax16, r.section.transportId); }},
    {"VIDEO_PID", [](std::string_view v, Reading& r) { return pids(v, r.section.extras.videoPids); }},
    {"AUDIO_PID", [](std::string_view v, Reading& r) { return audioPids(v, r.section.extras.audio); }},
    {"SAT_NUMBER",
     [](std::string_view v, Reading& r) {
         // Negative: no satellite switch (libdvbv5's -1).
         const std::optional<std::int64_t> sat = parseSigned(v, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max());
         if (!sat) return false;
         r.section.extras.satNumber = *sat < 0 ? std::nullopt : std::optional<std::uint32_t>(*sat);
         return true;
     }},
    {"BANDWIDTH_HZ",
     [](std::string_view v, Reading& r) {
         std::uint32_t hz = 0;
         if (!number(v, kMax32, hz)) return false;
         r.section.extras.bandwidthHz = hz;
         return true;
     }},
    {"STREAM_ID",
     [](std::string_view v, Reading& r) {
         std::uint32_t id = 0;
         if (!number(v, kMax32, id)) return false;
         r.section.extras.streamId = id == kNoStreamId ? std::nullopt : std::optional<std::uint32_t>(id);
         return true;
     }},
    {"DELIVERY_SYSTEM",
     [](std::string_view v, Reading& r) { return word(words().deliverySystems, v, r.section.extras.system); }},
    {"MODULATION",
     [](std::string_view v, Reading& r) { return word(words().modulations, v, r.section.extras.modulation); }},
    {"INNER_FEC", [](std::string_view v, Reading& r) { return word(words().codeRates, v, r.innerFec); }},
    {"CODE_RATE_HP", [](std::string_view v, Reading& r) { return word(words().codeRates, v, r.codeRateHp); }},
    {"CODE_RATE_LP",
     [](std::string_view v, Reading& r) { return word(words().codeRates, v, r.section.extras.codeRateLp); }},
    {"INVERSION",
     [](std::string_view v, Reading& r) { return word(words().inversions, v, r.section.extras.inversion); }},
    {"POLARIZATION",
     [](std::string_view v, Reading& r) { return word(words().polarizations, v, r.section.extras.polarization); }},
    {"ROLLOFF", [](std::string_view v, Reading& r) { return word(words().rolloffs, v, r.section.extras.rolloff); }},
    {"PILOT", [](std::string_view v, Reading& r) { return word(words().pilots, v, r.section.extras.pilot); }},
    {"TRANSMISSION_MODE",
     [](std::string_view v, Reading& r) {
         return word(words().transmissionModes, v, r.section.extras.transmissionMode);
     }},
    {"GUARD_INTERVAL",
     [](std::string_view v, Reading& r) { return word(words().guardIntervals, v, r.section.extras.guardInterval); }},
    {"HIERARCHY",
     [](std::string_view v, Reading& r) { return word(words().hierarchies, v, r.section.extras.hierarchy); }},
};

std::string quoted(std::string_view text) { return "\"" + std::string(trimBlanks(text)) + "\""; }

std::optional<SectionFault> readHeader(std::string_view line, Dvbv5Section& section) {
    const std::string_view text = trimBlanks(line);
    if (!text.starts_with('[')) return SectionFault{0, "no section header " + quoted(line)};
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return SectionFault{0, "unclosed section header " + quoted(line)};
    std::string_view name = text.substr(1, close - 1);
    // libdvbv5 writes a section without a name as "[CHANNEL]".
    if (equalsIgnoringCase(name, "CHANNEL")) name = {};
    section.name = name.substr(std::min(name.find_first_not_of(" \t"), name.size()));
    return std::nullopt;
}

// The units the frequency is written in: a section that names no system
// is taken as a record alone would be (QAM: cable, else satellite).
DeliverySystem unitsSystem(const ChannelExtras& extras) {
    if (extras.system) return *extras.system;
    ChannelRecord record{};
    record.qam = recordQamOf(extras.modulation.value_or(Modulation::Qpsk));
    return systemOfRecord(record);
}

void appendMegahertz(std::string& out, std::uint64_t hz) {
    appendNumber(out, hz / 1000000);
    std::uint64_t kilohertz = hz % 1000000 / 1000;
    if (kilohertz != 0) {
        std::string decimals = std::to_string(kilohertz + 1000).substr(1);
        while (decimals.back() == '0') decimals.pop_back();
        out += '.' + decimals;
    }
    out += " MHz";
}

}  // namespace

bool isLooseLine(std::string_view line) {
    const std::string_view text = trimBlanks(line);
    return text.empty() || text.front() == '#';
}

bool isSectionHeader(std::string_view line) {
    std::size_t first = 0;
    while (first < line.size() && (line[first] == ' ' || line[first] == '\t')) ++first;
    return first < line.size() && line[first] == '[';
}

bool splitKeyLine(std::string_view line, KeyLine& keyLine) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    keyLine.key = trimBlanks(line.substr(0, equals));
    const std::string_view rest = line.substr(equals + 1);
    keyLine.value = trimBlanks(rest);
    keyLine.valueStart = keyLine.value.empty() ? line.size() - (line.ends_with('\r') ? 1 : 0)
                                               : static_cast<std::size_t>(keyLine.value.data() - line.data());
    return true;
}

std::optional<SectionFault> parseDvbv5Section(std::string_view text, Dvbv5Section& section) {
    Reading reading{section, std::nullopt, std::nullopt};
    std::size_t index = 0;
    for (std::size_t at = 0; at <= text.size(); ++index) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (index == 0) {
            if (std::optional<SectionFault> fault = readHeader(line, section)) return fault;
            continue;
        }
        if (isLooseLine(line)) continue;
        KeyLine keyLine;
        if (!splitKeyLine(line, keyLine)) return SectionFault{index, "missing \"=\" in " + quoted(line)};
        if (keyLine.key.empty()) return SectionFault{index, "missing key in " + quoted(line)};
        for (const KeyRule& rule : kKeys) {
            if (!equalsIgnoringCase(rule.key, keyLine.key)) continue;
            if (keyLine.value.empty()) return SectionFault{index, "missing value in " + quoted(line)};
            if (!rule.read(keyLine.value, reading))
                return SectionFault{index, "bad " + std::string(keyLine.key) + " " + quoted(keyLine.value)};
            break;
        }
    }
    ChannelExtras& extras = section.extras;
    extras.codeRate = reading.innerFec ? reading.innerFec : reading.codeRateHp;
    section.codeRateFromHighPriority = !reading.innerFec && reading.codeRateHp;
    if (section.frequency != 0) extras.frequencyHz = frequencyHzOfRecord(section.frequency, unitsSystem(extras));
    return std::nullopt;
}

ChannelRecord recordOfSection(const Dvbv5Section& section) {
    ChannelRecord record = textChannelBase();
    applyExtras(section.extras, record);
    // Written in the record's own units, whatever the system.
    record.frequency = section.frequency;
    record.symbolRate = section.symbolRate;
    record.serviceId = section.serviceId;
    record.networkId = section.networkId;
    record.transportStreamId = section.transportId;
    setKindByVideo(record);
    return record;
}

std::string nameOfSection(const Dvbv5Section& section) {
    if (!section.name.empty()) return std::string(section.name);
    std::string label;
    appendMegahertz(label, frequencyHzOfRecord(section.frequency, unitsSystem(section.extras)));
    if (section.extras.polarization)
        label += ' ' + std::string(wordOf(zapSpelling().polarizations, *section.extras.polarization, ""));
    if (section.serviceId != 0) {
        label += " #";
        appendNumber(label, section.serviceId);
    }
    return label;
}

}  // namespace qvx
