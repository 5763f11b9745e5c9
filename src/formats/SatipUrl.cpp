// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SatipUrl.h"

#include <algorithm>
#include <span>

#include "formats/FileNamedProviders.h"
#include "formats/RecordTuning.h"
#include "formats/TextNumbers.h"
#include "formats/VdrText.h"
#include "model/ChannelRecord.h"

namespace qvx {
namespace {

template <typename Value>
struct Word {
    std::string_view word;
    Value value;
};

constexpr Word<DeliverySystem> kSystems[] = {
    {"dvbs", DeliverySystem::DvbS},   {"dvbs2", DeliverySystem::DvbS2}, {"dvbt", DeliverySystem::DvbT},
    {"dvbt2", DeliverySystem::DvbT2}, {"dvbc", DeliverySystem::DvbC},   {"dvbc2", DeliverySystem::DvbC2},
};
constexpr Word<Modulation> kModulations[] = {
    {"qpsk", Modulation::Qpsk},    {"8psk", Modulation::Psk8},     {"16apsk", Modulation::Apsk16},
    {"32apsk", Modulation::Apsk32}, {"16qam", Modulation::Qam16},  {"32qam", Modulation::Qam32},
    {"64qam", Modulation::Qam64},  {"128qam", Modulation::Qam128}, {"256qam", Modulation::Qam256},
};
constexpr Word<CodeRate> kCodeRates[] = {
    {"12", CodeRate::R1_2}, {"23", CodeRate::R2_3}, {"34", CodeRate::R3_4}, {"35", CodeRate::R3_5},
    {"45", CodeRate::R4_5}, {"56", CodeRate::R5_6}, {"78", CodeRate::R7_8}, {"89", CodeRate::R8_9},
    {"910", CodeRate::R9_10},
};
constexpr Word<Polarization> kPolarizations[] = {
    {"h", Polarization::Horizontal}, {"v", Polarization::Vertical}, {"l", Polarization::Left}, {"r", Polarization::Right},
};
constexpr Word<Rolloff> kRolloffs[] = {{"0.35", Rolloff::R35}, {"0.25", Rolloff::R25}, {"0.20", Rolloff::R20}};
constexpr Word<Pilot> kPilots[] = {{"on", Pilot::On}, {"off", Pilot::Off}};
constexpr Word<Inversion> kInversions[] = {{"0", Inversion::Off}, {"1", Inversion::On}};
constexpr Word<TransmissionMode> kModes[] = {
    {"1k", TransmissionMode::M1K}, {"2k", TransmissionMode::M2K},   {"4k", TransmissionMode::M4K},
    {"8k", TransmissionMode::M8K}, {"16k", TransmissionMode::M16K}, {"32k", TransmissionMode::M32K},
};
constexpr Word<GuardInterval> kGuards[] = {
    {"14", GuardInterval::G1_4},     {"18", GuardInterval::G1_8},       {"116", GuardInterval::G1_16},
    {"132", GuardInterval::G1_32},   {"1128", GuardInterval::G1_128}, {"19128", GuardInterval::G19_128},
    {"19256", GuardInterval::G19_256},
};

template <typename Value, std::size_t N>
std::optional<Value> valueOfWord(const Word<Value> (&words)[N], std::string_view text) {
    for (const Word<Value>& word : words)
        if (equalsIgnoringCase(word.word, text)) return word.value;
    return std::nullopt;
}

template <typename Value, std::size_t N>
std::string_view wordOfValue(const Word<Value> (&words)[N], Value value) {
    for (const Word<Value>& word : words)
        if (word.value == value) return word.word;
    return {};
}

// "11494.25" in units of `unit` ("MHz" as 1000000 Hz); none for anything
// that is no such number or has finer decimals than the unit holds.
std::optional<std::uint64_t> unitsOf(std::string_view text, std::uint64_t unit) {
    const std::size_t point = text.find('.');
    const std::optional<std::uint64_t> whole = parseUnsigned(text.substr(0, point), 1ull << 40);
    if (!whole) return std::nullopt;
    std::uint64_t value = *whole * unit;
    if (point == std::string_view::npos) return value;
    std::string_view decimals = text.substr(point + 1);
    if (decimals.empty() || decimals.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    std::uint64_t scale = unit;
    for (const char digit : decimals) {
        if (scale % 10 != 0) {
            if (digit != '0') return std::nullopt;
            continue;
        }
        scale /= 10;
        value += static_cast<std::uint64_t>(digit - '0') * scale;
    }
    return value;
}

std::string quotedFault(std::string_view key, std::string_view value, std::string_view what) {
    return std::string(key) + ": " + quoted(value) + " " + std::string(what);
}

}  // namespace

std::optional<std::string_view> SatipUrl::value(std::string_view key) const {
    for (const UrlParameter& parameter : parameters)
        if (parameter.key == key) return parameter.value;
    return std::nullopt;
}

bool splitSatipUrl(std::string_view line, SatipUrl& url) {
    line = trimBlanks(line);
    const std::size_t scheme = line.find("://");
    const std::size_t query = line.find('?');
    if (scheme == std::string_view::npos || scheme == 0 || query == std::string_view::npos || query < scheme)
        return false;
    url.base = line.substr(0, query);
    url.parameters.clear();
    std::string_view rest = line.substr(query + 1);
    while (!rest.empty()) {
        const std::size_t amp = rest.find('&');
        const std::string_view pair = rest.substr(0, amp);
        const std::size_t equals = pair.find('=');
        url.parameters.push_back({pair.substr(0, equals),
                                  equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1)});
        if (amp == std::string_view::npos) break;
        rest.remove_prefix(amp + 1);
    }
    return true;
}

bool carriesTuning(const SatipUrl& url) { return url.value("freq").has_value(); }

std::optional<std::string> parseSatipTuning(const SatipUrl& url, SatipTuning& tuning) {
    tuning = {};
    ChannelExtras& extras = tuning.extras;
    for (const UrlParameter& parameter : url.parameters) {
        const std::string_view key = parameter.key;
        const std::string_view value = parameter.value;
        const auto unknown = [&] { return quotedFault(key, value, "is not a value SAT>IP knows"); };
        const auto notNumber = [&] { return quotedFault(key, value, "is not a number"); };
        if (key == "freq") {
            const std::optional<std::uint64_t> hz = unitsOf(value, 1'000'000);
            if (!hz || *hz == 0) return notNumber();
            extras.frequencyHz = *hz;
        } else if (key == "sr") {
            const std::optional<std::uint64_t> rate = unitsOf(value, 1000);
            if (!rate || *rate > 0xFFFFFFFFu) return notNumber();
            tuning.symbolRate = static_cast<std::uint32_t>(*rate);
        } else if (key == "src") {
            const std::optional<std::uint64_t> source = parseUnsigned(value, 255);
            if (!source || *source == 0) return quotedFault(key, value, "is not an LNB number from 1");
            extras.satNumber = static_cast<std::uint32_t>(*source - 1);
        } else if (key == "plp") {
            const std::optional<std::uint64_t> plp = parseUnsigned(value, 255);
            if (!plp) return notNumber();
            extras.streamId = static_cast<std::uint32_t>(*plp);
        } else if (key == "bw") {
            const std::optional<std::uint64_t> hz = unitsOf(value, 1'000'000);
            if (!hz || *hz == 0 || *hz > 100'000'000) return notNumber();
            extras.bandwidthHz = static_cast<std::uint32_t>(*hz);
        } else if (key == "pids") {
            if (equalsIgnoringCase(value, "all") || equalsIgnoringCase(value, "none") || value.empty()) continue;
            for (std::string_view rest = value; ;) {
                const std::size_t comma = rest.find(',');
                const std::optional<std::uint64_t> pid = parseUnsigned(rest.substr(0, comma), 8191);
                if (!pid) return quotedFault(key, value, "is not a list of PIDs from 0 to 8191");
                tuning.pids.push_back(static_cast<std::uint16_t>(*pid));
                if (comma == std::string_view::npos) break;
                rest.remove_prefix(comma + 1);
            }
        } else if (key == "msys") {
            if (!(extras.system = valueOfWord(kSystems, value))) return unknown();
        } else if (key == "mtype") {
            if (!(extras.modulation = valueOfWord(kModulations, value))) return unknown();
        } else if (key == "fec") {
            if (!(extras.codeRate = valueOfWord(kCodeRates, value))) return unknown();
        } else if (key == "pol") {
            if (!(extras.polarization = valueOfWord(kPolarizations, value))) return unknown();
        } else if (key == "ro") {
            if (!(extras.rolloff = valueOfWord(kRolloffs, value))) return unknown();
        } else if (key == "plts") {
            if (!(extras.pilot = valueOfWord(kPilots, value))) return unknown();
        } else if (key == "specinv") {
            if (!(extras.inversion = valueOfWord(kInversions, value))) return unknown();
        } else if (key == "tmode") {
            if (!(extras.transmissionMode = valueOfWord(kModes, value))) return unknown();
        } else if (key == "gi") {
            if (!(extras.guardInterval = valueOfWord(kGuards, value))) return unknown();
        }
        // Other keys (fe, t2id, sm, addpids, a server's own) stay in the URL as they are.
    }
    if (!extras.system) {
        // Servers always name it; older playlists leave it to the other keys.
        if (extras.polarization || extras.satNumber)
            extras.system = extras.modulation == Modulation::Psk8 ? DeliverySystem::DvbS2 : DeliverySystem::DvbS;
        else
            extras.system = tuning.symbolRate != 0 ? DeliverySystem::DvbC : DeliverySystem::DvbT;
    }
    if (isSatellite(*extras.system) && !extras.satNumber) extras.satNumber = 0;
    // The record holds satellite frequencies in kHz and the others in Hz, in 32 bits: a
    // larger one would read as 0 and be lost on the first edit.
    if (extras.frequencyHz && *extras.frequencyHz / (isSatellite(*extras.system) ? 1000 : 1) > 0xFFFFFFFFu)
        return quotedFault("freq", decimalOf(*extras.frequencyHz, 1'000'000), "is too high for a channel");
    return std::nullopt;
}

ChannelRecord recordOfTuning(const SatipTuning& tuning) {
    ChannelRecord record = textChannelBase();
    applyExtras(tuning.extras, record);
    record.symbolRate = tuning.symbolRate;
    return record;
}

std::vector<std::uint16_t> pidsOfRecord(const ChannelRecord& record) {
    std::vector<std::uint16_t> pids{0};
    for (const std::uint16_t pid : {record.pmtPid, record.videoPid, record.audioPid, record.ac3Pid,
                                    record.teletextPid, record.pcrPid})
        if (pid != 0 && std::ranges::find(pids, pid) == pids.end()) pids.push_back(pid);
    return pids;
}

bool samePids(const ChannelRecord& a, const ChannelRecord& b) {
    return a.pmtPid == b.pmtPid && a.videoPid == b.videoPid && a.audioPid == b.audioPid && a.ac3Pid == b.ac3Pid &&
           a.teletextPid == b.teletextPid && a.pcrPid == b.pcrPid;
}

std::string decimalOf(std::uint64_t value, std::uint64_t unit) {
    std::string text;
    appendNumber(text, value / unit);
    std::uint64_t rest = value % unit;
    if (rest == 0) return text;
    text.push_back('.');
    for (std::uint64_t scale = unit / 10; rest != 0 && scale != 0; scale /= 10) {
        text.push_back(static_cast<char>('0' + rest / scale));
        rest %= scale;
    }
    return text;
}

std::string_view satipSystemWord(DeliverySystem system) { return wordOfValue(kSystems, system); }
std::string_view satipModulationWord(Modulation modulation) { return wordOfValue(kModulations, modulation); }
std::string_view satipCodeRateWord(CodeRate rate) { return wordOfValue(kCodeRates, rate); }
std::string_view satipPolarizationWord(Polarization polarization) { return wordOfValue(kPolarizations, polarization); }

namespace {

std::string pidList(const std::vector<std::uint16_t>& pids) {
    std::string text;
    for (const std::uint16_t pid : pids) {
        if (!text.empty()) text.push_back(',');
        appendNumber(text, pid);
    }
    return text;
}

}  // namespace

std::string composeSatipQuery(const ChannelExtras& extras, std::uint32_t symbolRate,
                              const std::vector<std::uint16_t>& pids) {
    const DeliverySystem system = extras.system.value_or(DeliverySystem::DvbS);
    std::vector<std::pair<std::string_view, std::string>> keys;
    const bool satellite = isSatellite(system);
    if (satellite) keys.emplace_back("src", std::to_string(extras.satNumber.value_or(0) + 1));
    keys.emplace_back("freq", decimalOf(extras.frequencyHz.value_or(0), 1'000'000));
    if (satellite && extras.polarization) keys.emplace_back("pol", std::string(satipPolarizationWord(*extras.polarization)));
    if (satellite && extras.rolloff && extras.rolloff != Rolloff::Auto)
        keys.emplace_back("ro", std::string(wordOfValue(kRolloffs, *extras.rolloff)));
    if (isTerrestrial(system) && extras.bandwidthHz) keys.emplace_back("bw", decimalOf(*extras.bandwidthHz, 1'000'000));
    keys.emplace_back("msys", std::string(satipSystemWord(system)));
    if (extras.modulation && !satipModulationWord(*extras.modulation).empty())
        keys.emplace_back("mtype", std::string(satipModulationWord(*extras.modulation)));
    if (satellite && extras.pilot && extras.pilot != Pilot::Auto)
        keys.emplace_back("plts", std::string(wordOfValue(kPilots, *extras.pilot)));
    if (!isTerrestrial(system)) keys.emplace_back("sr", decimalOf(symbolRate, 1000));
    if (satellite && extras.codeRate && !satipCodeRateWord(*extras.codeRate).empty())
        keys.emplace_back("fec", std::string(satipCodeRateWord(*extras.codeRate)));
    if (!pids.empty()) keys.emplace_back("pids", pidList(pids));
    std::string query;
    for (const auto& [key, value] : keys) {
        if (!query.empty()) query.push_back('&');
        query.append(key).append("=").append(value);
    }
    return query;
}

std::string rewriteSatipQuery(const SatipUrl& url, const std::vector<std::pair<std::string, std::string>>& changes) {
    std::string query;
    const auto add = [&](std::string_view key, std::string_view value) {
        if (!query.empty()) query.push_back('&');
        query.append(key).append("=").append(value);
    };
    std::vector<bool> used(changes.size(), false);
    for (const UrlParameter& parameter : url.parameters) {
        const auto change = std::ranges::find(changes, parameter.key, &std::pair<std::string, std::string>::first);
        if (change == changes.end()) {
            if (!query.empty()) query.push_back('&');
            query.append(parameter.key);
            // A key written without '=' keeps that form.
            if (parameter.value.data() != nullptr) query.append("=").append(parameter.value);
            continue;
        }
        const auto at = static_cast<std::size_t>(change - changes.begin());
        if (!used[at] && !change->second.empty()) add(change->first, change->second);
        used[at] = true;
    }
    for (std::size_t i = 0; i < changes.size(); ++i)
        if (!used[i] && !changes[i].second.empty()) add(changes[i].first, changes[i].second);
    return query;
}

}  // namespace qvx
