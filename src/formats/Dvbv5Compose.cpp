// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/Dvbv5Compose.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "formats/ChannelNameText.h"
#include "formats/FrontendWords.h"
#include "formats/RecordChanges.h"
#include "formats/RecordTuning.h"
#include "formats/TextNumbers.h"

namespace qvx {
namespace {

const FrontendSpelling& words() { return dvbv5Spelling(); }

// The tuning keys of a delivery system, in the order libdvbv5 lists them
// (its dvb-v5-std.c as Debian's libdvbv5 ships it), which is the order
// dvbv5-scan writes them in.
enum class Key {
    Frequency, Inversion, SymbolRate, InnerFec, Modulation, Pilot, Rolloff, Polarization, StreamId,
    Bandwidth, CodeRateHp, CodeRateLp, GuardInterval, TransmissionMode, Hierarchy,
};
using K = Key;
constexpr Key kDvbS[] = {K::Frequency, K::Inversion, K::SymbolRate, K::InnerFec, K::Polarization};
constexpr Key kDvbS2[] = {K::Frequency, K::Inversion, K::SymbolRate, K::InnerFec, K::Modulation,
                          K::Pilot,     K::Rolloff,   K::Polarization, K::StreamId};
constexpr Key kDvbC[] = {K::Frequency, K::Modulation, K::Inversion, K::SymbolRate, K::InnerFec};
constexpr Key kAtsc[] = {K::Frequency, K::Modulation};
constexpr Key kDvbC2[] = {K::Frequency, K::Bandwidth, K::Inversion, K::StreamId};
constexpr Key kDvbT[] = {K::Frequency,  K::Modulation,    K::Bandwidth,        K::Inversion, K::CodeRateHp,
                         K::CodeRateLp, K::GuardInterval, K::TransmissionMode, K::Hierarchy};
constexpr Key kDvbT2[] = {K::Frequency,  K::Modulation,    K::Bandwidth,        K::Inversion, K::CodeRateHp,
                          K::CodeRateLp, K::GuardInterval, K::TransmissionMode, K::Hierarchy, K::StreamId};
constexpr Key kIsdbT[] = {K::Frequency, K::Bandwidth, K::Inversion, K::GuardInterval, K::TransmissionMode};
constexpr Key kDtmb[] = {K::Frequency, K::Modulation,    K::Bandwidth,       K::Inversion,
                         K::InnerFec,  K::GuardInterval, K::TransmissionMode};

std::span<const Key> keysOf(DeliverySystem system) {
    switch (system) {
    case DeliverySystem::DvbS: return kDvbS;
    case DeliverySystem::DvbS2: return kDvbS2;
    case DeliverySystem::DvbC: return kDvbC;
    case DeliverySystem::DvbCAnnexB:
    case DeliverySystem::Atsc: return kAtsc;
    case DeliverySystem::DvbC2: return kDvbC2;
    case DeliverySystem::DvbT: return kDvbT;
    case DeliverySystem::DvbT2: return kDvbT2;
    case DeliverySystem::IsdbT: return kIsdbT;
    case DeliverySystem::Dtmb: return kDtmb;
    }
    return kDvbS;
}

std::string_view nameOf(Key key) {
    switch (key) {
    case K::Frequency: return "FREQUENCY";
    case K::Inversion: return "INVERSION";
    case K::SymbolRate: return "SYMBOL_RATE";
    case K::InnerFec: return "INNER_FEC";
    case K::Modulation: return "MODULATION";
    case K::Pilot: return "PILOT";
    case K::Rolloff: return "ROLLOFF";
    case K::Polarization: return "POLARIZATION";
    case K::StreamId: return "STREAM_ID";
    case K::Bandwidth: return "BANDWIDTH_HZ";
    case K::CodeRateHp: return "CODE_RATE_HP";
    case K::CodeRateLp: return "CODE_RATE_LP";
    case K::GuardInterval: return "GUARD_INTERVAL";
    case K::TransmissionMode: return "TRANSMISSION_MODE";
    case K::Hierarchy: return "HIERARCHY";
    }
    return {};
}

std::string numberText(std::uint64_t value) {
    std::string text;
    appendNumber(text, value);
    return text;
}

// ATSC is 8VSB unless said otherwise; a record alone says QPSK for no QAM.
std::string_view modulationWord(std::optional<Modulation> modulation, DeliverySystem system) {
    const bool unknown = !modulation || *modulation == Modulation::Qpsk;
    if (system == DeliverySystem::Atsc && unknown) return "VSB/8";
    if (system == DeliverySystem::DvbCAnnexB && unknown) return "QAM/AUTO";
    if (!modulation) return "QAM/AUTO";
    return wordOf(words().modulations, *modulation, "QAM/AUTO");
}

Polarization polarizationNow(const ChannelRecord& record, const ChannelExtras& now) {
    return now.polarization.value_or(polarizationOfRecord(record.polarity));
}

std::string valueOf(Key key, const ChannelRecord& record, const ChannelExtras& now, DeliverySystem system) {
    switch (key) {
    case K::Frequency:
        return numberText(now.frequencyHz ? recordFrequencyOf(*now.frequencyHz, system).value_or(record.frequency)
                                          : record.frequency);
    case K::Inversion: return std::string(wordOf(words().inversions, now.inversion.value_or(Inversion::Auto), "AUTO"));
    case K::SymbolRate: return numberText(record.symbolRate);
    case K::InnerFec:
    case K::CodeRateHp: return std::string(wordOf(words().codeRates, now.codeRate.value_or(CodeRate::Auto), "AUTO"));
    case K::CodeRateLp: return std::string(wordOf(words().codeRates, now.codeRateLp.value_or(CodeRate::Auto), "AUTO"));
    case K::Modulation: return std::string(modulationWord(now.modulation, system));
    case K::Pilot: return std::string(wordOf(words().pilots, now.pilot.value_or(Pilot::Auto), "AUTO"));
    case K::Rolloff: return std::string(wordOf(words().rolloffs, now.rolloff.value_or(Rolloff::Auto), "AUTO"));
    case K::Polarization: return std::string(wordOf(words().polarizations, polarizationNow(record, now), "OFF"));
    case K::StreamId: return numberText(now.streamId.value_or(0));
    case K::Bandwidth: return numberText(now.bandwidthHz.value_or(0));
    case K::GuardInterval:
        return std::string(wordOf(words().guardIntervals, now.guardInterval.value_or(GuardInterval::Auto), "AUTO"));
    case K::TransmissionMode:
        return std::string(
            wordOf(words().transmissionModes, now.transmissionMode.value_or(TransmissionMode::Auto), "AUTO"));
    case K::Hierarchy: return std::string(wordOf(words().hierarchies, now.hierarchy.value_or(Hierarchy::Auto), "AUTO"));
    }
    return {};
}

std::string pidList(const std::vector<std::uint16_t>& pids) {
    std::string text;
    for (const std::uint16_t pid : pids) {
        if (!text.empty()) text += ' ';
        appendNumber(text, pid);
    }
    return text;
}

std::vector<std::uint16_t> videoOf(const ChannelExtras& now) { return now.videoPids; }

// dvbv5 files have no AC-3 PIDs of their own: libdvbv5 lists them with the audio.
std::vector<std::uint16_t> audioOf(const ChannelExtras& now) {
    std::vector<std::uint16_t> pids;
    for (const std::vector<StreamPid>* list : {&now.audio, &now.dolby})
        for (const StreamPid& stream : *list)
            if (stream.pid != 0 && std::find(pids.begin(), pids.end(), stream.pid) == pids.end())
                pids.push_back(stream.pid);
    return pids;
}

// What libdvbv5 reads back as the same name: no ']' (it ends the name), no
// line break, no leading blank; no name at all is "[CHANNEL]".
std::string headerName(std::string name) {
    for (char& c : name)
        if (c == ']' || c == '\n' || c == '\r') c = ' ';
    name.erase(0, std::min(name.find_first_not_of(" \t"), name.size()));
    return name.empty() ? std::string("CHANNEL") : name;
}

void keyLine(std::string& out, std::string_view indent, std::string_view key, std::string_view value,
             std::string_view ending) {
    out.append(indent).append(key).append(" = ").append(value).append(ending);
}

bool usesHighPriorityRate(DeliverySystem system) {
    return system == DeliverySystem::DvbT || system == DeliverySystem::DvbT2;
}

struct Edit {
    std::string_view key;
    std::optional<std::string> value;  // none: the key goes
    bool done = false;
};

// The keys libdvbv5 writes before the tuning keys, in its order; -1 for the others.
int leadingRank(std::string_view key) {
    constexpr std::string_view kLeading[] = {"VCHANNEL",  "SERVICE_ID", "NETWORK_ID", "TRANSPORT_ID",
                                             "VIDEO_PID", "AUDIO_PID",  "PID_",       "SAT_NUMBER",
                                             "FREQ_BPF",  "DISEQC_WAIT", "LNB"};
    for (std::size_t i = 0; i < std::size(kLeading); ++i) {
        const std::string_view leading = kLeading[i];
        const bool prefix = leading.ends_with('_');
        if (prefix ? key.size() > leading.size() && equalsIgnoringCase(key.substr(0, leading.size()), leading)
                   : equalsIgnoringCase(key, leading))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

void composeDvbv5Section(const ChannelRecord& record, const ChannelExtras& now, bool satNumberGiven,
                         std::string& out) {
    const DeliverySystem system = now.system.value_or(systemOfRecord(record));
    out += '[';
    out += headerName(textNameOf(record, now.fullName));
    out += "]\n";
    const auto line = [&](std::string_view key, std::string_view value) { keyLine(out, "\t", key, value, "\n"); };
    if (record.serviceId != 0) line("SERVICE_ID", numberText(record.serviceId));
    if (record.networkId != 0) line("NETWORK_ID", numberText(record.networkId));
    if (record.transportStreamId != 0) line("TRANSPORT_ID", numberText(record.transportStreamId));
    if (const std::vector<std::uint16_t> video = videoOf(now); !video.empty()) line("VIDEO_PID", pidList(video));
    if (const std::vector<std::uint16_t> audio = audioOf(now); !audio.empty()) line("AUDIO_PID", pidList(audio));
    const std::uint32_t satNumber = now.satNumber.value_or(record.lnb);
    if (satNumberGiven || satNumber != 0) line("SAT_NUMBER", numberText(satNumber));
    for (const Key key : keysOf(system)) line(nameOf(key), valueOf(key, record, now, system));
    line("DELIVERY_SYSTEM", wordOf(words().deliverySystems, system, "UNDEFINED"));
    out += '\n';
}

void rewriteDvbv5Section(std::string_view text, const Dvbv5Section& section, unsigned changes,
                         const ChannelRecord& record, const ChannelExtras& now, std::string& out) {
    const DeliverySystem system = now.system.value_or(systemOfRecord(record));
    std::vector<Edit> edits;
    const auto edit = [&](unsigned field, std::string_view key, std::optional<std::string> value) {
        if (changes & field) edits.push_back({key, std::move(value)});
    };
    const auto orNone = [](std::string list) { return list.empty() ? std::nullopt : std::optional(std::move(list)); };
    // libdvbv5's order, in which keys a section lacks are added.
    edit(changed::kServiceId, "SERVICE_ID", numberText(record.serviceId));
    edit(changed::kNetworkId, "NETWORK_ID", numberText(record.networkId));
    edit(changed::kTransportId, "TRANSPORT_ID", numberText(record.transportStreamId));
    edit(changed::kVideo, "VIDEO_PID", orNone(pidList(videoOf(now))));
    edit(changed::kAudio, "AUDIO_PID", orNone(pidList(audioOf(now))));
    edit(changed::kLnb, "SAT_NUMBER", numberText(record.lnb));
    edit(changed::kFrequency, "FREQUENCY", numberText(record.frequency));
    edit(changed::kSymbolRate, "SYMBOL_RATE", numberText(record.symbolRate));
    edit(changed::kPolarity, "POLARIZATION",
         std::string(wordOf(words().polarizations, polarizationOfRecord(record.polarity), "OFF")));
    const bool highPriority =
        section.codeRateFromHighPriority || (!section.extras.codeRate && usesHighPriorityRate(system));
    edit(changed::kCodeRate, highPriority ? "CODE_RATE_HP" : "INNER_FEC",
         std::string(wordOf(words().codeRates, codeRateOfRecordFec(record.fec), "AUTO")));
    edit(changed::kModulation, "MODULATION",
         std::string(record.qam == 0 && system == DeliverySystem::Atsc
                         ? std::string_view("VSB/8")
                         : wordOf(words().modulations, modulationOfRecordQam(record.qam), "QAM/AUTO")));

    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    // Each edit's line: the last of its key, as libdvbv5 takes the last.
    std::vector<KeyLine> keys(lines.size());
    std::vector<Edit*> editOf(lines.size(), nullptr);
    std::size_t lastKeyLine = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (isLooseLine(lines[i]) || !splitKeyLine(lines[i], keys[i])) continue;
        lastKeyLine = i;
        for (Edit& e : edits)
            if (equalsIgnoringCase(e.key, keys[i].key)) {
                for (std::size_t j = 1; j < i; ++j)
                    if (editOf[j] == &e && e.value) editOf[j] = nullptr;
                editOf[i] = &e;
            }
    }
    // A key the section lacks: among the leading keys after the last one
    // libdvbv5 writes before it (or after the header), else after the last key line.
    std::vector<std::size_t> addedAfter(edits.size(), lastKeyLine);
    for (std::size_t e = 0; e < edits.size(); ++e) {
        const int rank = leadingRank(edits[e].key);
        if (rank < 0) continue;
        addedAfter[e] = 0;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const int other = keys[i].key.empty() ? -1 : leadingRank(keys[i].key);
            if (other >= 0 && other < rank) addedAfter[e] = i;
        }
    }
    const std::size_t firstKeyLine = [&] {
        for (std::size_t i = 1; i < lines.size(); ++i)
            if (!keys[i].key.empty()) return i;
        return std::size_t{0};
    }();
    const std::string_view model = lines[lastKeyLine == 0 ? 0 : firstKeyLine];
    const std::string_view indent =
        lastKeyLine == 0 ? std::string_view("\t") : model.substr(0, model.find_first_not_of(" \t"));
    const std::string_view ending = lines[lastKeyLine].ends_with('\r') ? "\r" : "";

    const auto hasKey = [&](std::string_view key) {
        for (std::size_t i = 1; i < lines.size(); ++i)
            if (editOf[i] && equalsIgnoringCase(editOf[i]->key, key)) return true;
        return false;
    };
    bool first = true;
    const auto put = [&](auto&&... pieces) {
        if (!first) out += '\n';
        first = false;
        (out.append(pieces), ...);
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (i == 0 && (changes & changed::kName)) {
            const std::size_t open = line.find('[');
            const std::size_t close = std::min(line.find(']'), line.size());
            put(line.substr(0, open + 1), headerName(textNameOf(record, now.fullName)),
                close < line.size() ? line.substr(close) : std::string_view("]"));
        } else if (Edit* e = editOf[i]) {
            e->done = true;
            if (e->value)
                put(line.substr(0, keys[i].valueStart), *e->value,
                    line.substr(keys[i].valueStart + keys[i].value.size()));
        } else {
            put(line);
        }
        for (std::size_t e = 0; e < edits.size(); ++e) {
            if (addedAfter[e] != i || edits[e].done || !edits[e].value || hasKey(edits[e].key)) continue;
            edits[e].done = true;
            put();
            keyLine(out, indent, edits[e].key, *edits[e].value, ending);
        }
    }
}

}  // namespace qvx
