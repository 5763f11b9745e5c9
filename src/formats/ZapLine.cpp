// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ZapLine.h"

#include <algorithm>
#include <limits>
#include <span>

#include "formats/ChannelNameText.h"
#include "formats/FileNamedProviders.h"
#include "formats/FrontendWords.h"
#include "formats/RecordChanges.h"
#include "formats/RecordTuning.h"
#include "formats/TextNumbers.h"

namespace qvx {
namespace {

constexpr std::uint64_t kMax32 = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kMax16 = std::numeric_limits<std::uint16_t>::max();
// szap writes satellite frequencies in MHz and symbol rates in ksymbols/s,
// libdvbv5 in kHz and symbols/s: no satellite is below 100 MHz and no
// symbol rate below 100 ksymbols/s, so the size of the number tells.
constexpr std::uint64_t kSmallUnitsBelow = 100000;

const FrontendSpelling& words() { return zapSpelling(); }

enum class Role {
    Name, Frequency, Polarity, SatNumber, SymbolRate, Inversion, Bandwidth, CodeRate, CodeRateLp,
    Modulation, TransmissionMode, GuardInterval, Hierarchy, Video, Audio, ServiceId,
};
using R = Role;
constexpr Role kSatellite[] = {R::Name, R::Frequency, R::Polarity, R::SatNumber, R::SymbolRate,
                               R::Video, R::Audio, R::ServiceId};
constexpr Role kSatelliteLibdvbv5[] = {R::Name,  R::Frequency, R::Polarity, R::SymbolRate,
                                       R::Video, R::Audio,     R::ServiceId};
constexpr Role kCable[] = {R::Name,       R::Frequency, R::Inversion, R::SymbolRate, R::CodeRate,
                           R::Modulation, R::Video,     R::Audio,     R::ServiceId};
constexpr Role kTerrestrial[] = {R::Name,       R::Frequency,        R::Inversion,     R::Bandwidth, R::CodeRate,
                                 R::CodeRateLp, R::Modulation,       R::TransmissionMode, R::GuardInterval,
                                 R::Hierarchy,  R::Video,            R::Audio,         R::ServiceId};
constexpr Role kAtsc[] = {R::Name, R::Frequency, R::Modulation, R::Video, R::Audio, R::ServiceId};

std::span<const Role> rolesOf(ZapForm form) {
    switch (form) {
    case ZapForm::Satellite: return kSatellite;
    case ZapForm::SatelliteLibdvbv5: return kSatelliteLibdvbv5;
    case ZapForm::Cable: return kCable;
    case ZapForm::Terrestrial: return kTerrestrial;
    case ZapForm::Atsc: return kAtsc;
    }
    return kSatellite;
}

// Every form but libdvbv5's satellite lines may lack the service ID, its last field.
bool fieldCountFits(ZapForm form, std::size_t count) {
    const std::size_t full = rolesOf(form).size();
    return count == full || (count + 1 == full && form != ZapForm::SatelliteLibdvbv5);
}

std::string_view roleName(Role role) {
    switch (role) {
    case R::Name: return "name";
    case R::Frequency: return "frequency";
    case R::Polarity: return "polarization";
    case R::SatNumber: return "satellite number";
    case R::SymbolRate: return "symbol rate";
    case R::Inversion: return "inversion";
    case R::Bandwidth: return "bandwidth";
    case R::CodeRate: return "code rate";
    case R::CodeRateLp: return "low-priority code rate";
    case R::Modulation: return "modulation";
    case R::TransmissionMode: return "transmission mode";
    case R::GuardInterval: return "guard interval";
    case R::Hierarchy: return "hierarchy";
    case R::Video: return "video PID";
    case R::Audio: return "audio PID";
    case R::ServiceId: return "service ID";
    }
    return {};
}

bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && equalsIgnoringCase(text.substr(0, start.size()), start);
}

using Fields = std::array<std::string_view, kMostZapFields>;

// The fields of a line, as many as there is room for; returns how many the line has.
std::size_t splitFields(std::string_view line, Fields& fields) {
    std::size_t count = 0;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= line.size(); ++at) {
        if (at != line.size() && line[at] != ':') continue;
        if (count < fields.size()) fields[count] = line.substr(start, at - start);
        ++count;
        start = at + 1;
    }
    return count;
}

std::optional<ZapForm> formOf(const Fields& fields, std::size_t count) {
    if (count < 3) return std::nullopt;
    const std::string_view third = trimBlanks(fields[2]);
    const std::string_view fourth = count > 3 ? trimBlanks(fields[3]) : std::string_view();
    if (findWord(words().polarizations, third)) {
        // Seven fields: szap without service ID has a small satellite number fourth.
        const std::optional<std::uint64_t> number = parseUnsigned(fourth, kMax32);
        return count == 7 && number && *number >= 1000 ? ZapForm::SatelliteLibdvbv5 : ZapForm::Satellite;
    }
    if (startsWithIgnoringCase(third, "INVERSION_"))
        return startsWithIgnoringCase(fourth, "BANDWIDTH_") ? ZapForm::Terrestrial : ZapForm::Cable;
    if (findWord(words().modulations, third)) return ZapForm::Atsc;
    return std::nullopt;
}

bool isSatelliteForm(ZapForm form) { return form == ZapForm::Satellite || form == ZapForm::SatelliteLibdvbv5; }

template <typename Value>
bool word(FrontendWords<Value> table, std::string_view text, std::optional<Value>& into) {
    const FrontendWord<Value>* found = findWord(table, text);
    if (!found) return false;
    into = found->value;
    return true;
}

// A PID field: one PID, or several joined by '+' (as mplayer's files have
// them). `first` gets the first that is not 0, `all` (where given) every one.
bool pids(std::string_view text, std::uint16_t& first, std::vector<std::uint16_t>* all) {
    first = 0;
    for (std::size_t at = 0;;) {
        const std::size_t end = std::min(text.find('+', at), text.size());
        const std::optional<std::uint64_t> pid = parseUnsigned(text.substr(at, end - at), kMax16);
        if (!pid) return false;
        if (*pid != 0) {
            if (first == 0) first = static_cast<std::uint16_t>(*pid);
            if (all) all->push_back(static_cast<std::uint16_t>(*pid));
        }
        if (end == text.size()) return true;
        at = end + 1;
    }
}

bool readField(Role role, std::string_view text, ZapLine& line) {
    ChannelExtras& extras = line.extras;
    const bool satellite = isSatelliteForm(line.form);
    switch (role) {
    case R::Name: line.name = text.substr(std::min(text.find_first_not_of(" \t"), text.size())); return true;
    case R::Frequency: {
        const std::optional<std::uint64_t> value = parseUnsigned(text, kMax32);
        if (!value) return false;
        line.frequency = static_cast<std::uint32_t>(satellite && *value < kSmallUnitsBelow ? *value * 1000 : *value);
        extras.frequencyHz = frequencyHzOfRecord(line.frequency, *extras.system);
        return true;
    }
    case R::SymbolRate: {
        const std::optional<std::uint64_t> value = parseUnsigned(text, kMax32);
        if (!value) return false;
        line.symbolRate = static_cast<std::uint32_t>(satellite && *value < kSmallUnitsBelow ? *value * 1000 : *value);
        return true;
    }
    case R::SatNumber: {
        const std::optional<std::uint64_t> value = parseUnsigned(text, kMax32);
        if (!value) return false;
        extras.satNumber = static_cast<std::uint32_t>(*value);
        return true;
    }
    case R::ServiceId: {
        const std::optional<std::uint64_t> value = parseUnsigned(text, kMax16);
        if (!value) return false;
        line.serviceId = static_cast<std::uint16_t>(*value);
        return true;
    }
    case R::Polarity: return word(words().polarizations, text, extras.polarization);
    case R::Inversion: return word(words().inversions, text, extras.inversion);
    case R::CodeRate: return word(words().codeRates, text, extras.codeRate);
    case R::CodeRateLp: return word(words().codeRates, text, extras.codeRateLp);
    case R::Modulation: return word(words().modulations, text, extras.modulation);
    case R::TransmissionMode: return word(words().transmissionModes, text, extras.transmissionMode);
    case R::GuardInterval: return word(words().guardIntervals, text, extras.guardInterval);
    case R::Hierarchy: return word(words().hierarchies, text, extras.hierarchy);
    case R::Bandwidth: return word(words().bandwidths, text, extras.bandwidthHz);
    case R::Video: line.videoField = text; return pids(text, line.video, nullptr);
    case R::Audio: line.audioField = text; return pids(text, line.audio, nullptr);
    }
    return false;
}

DeliverySystem systemOf(ZapForm form) {
    switch (form) {
    case ZapForm::Satellite:
    case ZapForm::SatelliteLibdvbv5: return DeliverySystem::DvbS;
    case ZapForm::Cable: return DeliverySystem::DvbC;
    case ZapForm::Terrestrial: return DeliverySystem::DvbT;
    case ZapForm::Atsc: return DeliverySystem::Atsc;
    }
    return DeliverySystem::DvbS;
}

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// --- writing ---

// What a zap reader takes back as the same name: no ':' (it ends the field),
// no line break, and nothing at its start that would make a blank or comment line.
std::string zapName(std::string name) {
    for (char& c : name)
        if (c == ':' || c == '\n' || c == '\r') c = ' ';
    name.erase(0, std::min(name.find_first_not_of(" \t#"), name.size()));
    return name;
}

// A satellite value in the small unit (MHz, ksymbols/s) where a line uses it
// and the rounded value stays below where a reader takes it for the large one.
void appendSatelliteValue(std::string& out, std::uint32_t value, bool small) {
    const std::uint64_t rounded = (std::uint64_t{value} + 500) / 1000;
    appendNumber(out, small && rounded < kSmallUnitsBelow ? rounded : value);
}

void appendPids(std::string& out, const std::vector<std::uint16_t>& list, bool joined) {
    if (list.empty()) {
        out += '0';
        return;
    }
    for (std::size_t i = 0; i < (joined ? list.size() : 1); ++i) {
        if (i != 0) out += '+';
        appendNumber(out, list[i]);
    }
}

std::vector<std::uint16_t> audioPidsOf(const ChannelExtras& now) {
    std::vector<std::uint16_t> list;
    for (const StreamPid& stream : now.audio) list.push_back(stream.pid);
    // A channel with AC-3 sound alone plays that.
    if (list.empty())
        for (const StreamPid& stream : now.dolby) list.push_back(stream.pid);
    return list;
}

template <typename Value>
void appendWord(std::string& out, FrontendWords<Value> table, std::optional<Value> value, Value otherwise,
                std::string_view fallback) {
    out += wordOf(table, value.value_or(otherwise), fallback);
}

// How the field of a role is written now. `small`: a satellite line in
// szap's units; `joined`: several PIDs as the line had them.
void appendRole(std::string& out, Role role, ZapForm form, const ChannelRecord& record, const ChannelExtras& now,
                bool small, bool joined) {
    switch (role) {
    case R::Name: out += zapName(textNameOf(record, now.fullName)); return;
    case R::Frequency:
        if (isSatelliteForm(form))
            appendSatelliteValue(out, record.frequency, small);
        else
            appendNumber(out, record.frequency);
        return;
    case R::SymbolRate:
        if (isSatelliteForm(form))
            appendSatelliteValue(out, record.symbolRate, small);
        else
            appendNumber(out, record.symbolRate);
        return;
    case R::Polarity:
        out += wordOf(words().polarizations, now.polarization.value_or(polarizationOfRecord(record.polarity)), "H");
        return;
    case R::SatNumber: appendNumber(out, now.satNumber.value_or(record.lnb)); return;
    case R::ServiceId: appendNumber(out, record.serviceId); return;
    case R::Inversion: appendWord(out, words().inversions, now.inversion, Inversion::Auto, "INVERSION_AUTO"); return;
    case R::Bandwidth: appendWord(out, words().bandwidths, now.bandwidthHz, 0u, "BANDWIDTH_AUTO"); return;
    case R::CodeRate: appendWord(out, words().codeRates, now.codeRate, CodeRate::Auto, "FEC_AUTO"); return;
    case R::CodeRateLp: appendWord(out, words().codeRates, now.codeRateLp, CodeRate::Auto, "FEC_AUTO"); return;
    case R::Modulation: {
        // azap lines are 8VSB unless said otherwise; a record alone says QPSK for no QAM.
        const bool unknown = !now.modulation || *now.modulation == Modulation::Qpsk;
        if (form == ZapForm::Atsc && unknown)
            out += "8VSB";
        else
            appendWord(out, words().modulations, now.modulation, Modulation::QamAuto, "QAM_AUTO");
        return;
    }
    case R::TransmissionMode:
        appendWord(out, words().transmissionModes, now.transmissionMode, TransmissionMode::Auto,
                   "TRANSMISSION_MODE_AUTO");
        return;
    case R::GuardInterval:
        appendWord(out, words().guardIntervals, now.guardInterval, GuardInterval::Auto, "GUARD_INTERVAL_AUTO");
        return;
    case R::Hierarchy: appendWord(out, words().hierarchies, now.hierarchy, Hierarchy::Auto, "HIERARCHY_AUTO"); return;
    case R::Video: appendPids(out, now.videoPids, joined); return;
    case R::Audio: appendPids(out, audioPidsOf(now), joined); return;
    }
}

// The record field whose change rewrites a role's field.
unsigned changeOf(Role role) {
    switch (role) {
    case R::Name: return changed::kName;
    case R::Frequency: return changed::kFrequency;
    case R::Polarity: return changed::kPolarity;
    case R::SatNumber: return changed::kLnb;
    case R::SymbolRate: return changed::kSymbolRate;
    case R::CodeRate: return changed::kCodeRate;
    case R::Modulation: return changed::kModulation;
    case R::Video: return changed::kVideo;
    case R::Audio: return changed::kAudio;
    case R::ServiceId: return changed::kServiceId;
    default: return 0;
    }
}

ZapForm formOfSystem(DeliverySystem system) {
    if (isSatellite(system)) return ZapForm::Satellite;
    if (system == DeliverySystem::Atsc || system == DeliverySystem::DvbCAnnexB) return ZapForm::Atsc;
    if (isCable(system)) return ZapForm::Cable;
    return ZapForm::Terrestrial;
}

}  // namespace

std::optional<std::string> parseZapLine(std::string_view line, ZapLine& parsed) {
    parsed.fieldCount = splitFields(line, parsed.fields);
    const std::optional<ZapForm> form = formOf(parsed.fields, parsed.fieldCount);
    if (!form) return "unknown channel line " + quoted(line);
    if (!fieldCountFits(*form, parsed.fieldCount))
        return "wrong number of fields (" + std::to_string(parsed.fieldCount) + ") in " + quoted(line);
    parsed.form = *form;
    parsed.extras.system = systemOf(*form);
    const std::span<const Role> roles = rolesOf(*form);
    for (std::size_t i = 0; i < parsed.fieldCount; ++i) {
        const std::string_view text = i == 0 ? parsed.fields[0] : trimBlanks(parsed.fields[i]);
        if (!readField(roles[i], text, parsed)) return "bad " + std::string(roleName(roles[i])) + " " + quoted(text);
    }
    // libdvbv5 takes an azap line with QAM for a cable channel of annex B.
    if (*form == ZapForm::Atsc && parsed.extras.modulation != Modulation::Vsb8 &&
        parsed.extras.modulation != Modulation::Vsb16)
        parsed.extras.system = DeliverySystem::DvbCAnnexB;
    return std::nullopt;
}

bool looksLikeZapLine(std::string_view line) {
    Fields fields;
    const std::size_t count = splitFields(line, fields);
    const std::optional<ZapForm> form = formOf(fields, count);
    return form && fieldCountFits(*form, count);
}

void addZapPids(ZapLine& line) {
    std::uint16_t first = 0;
    line.extras.videoPids.clear();
    pids(line.videoField, first, &line.extras.videoPids);
    std::vector<std::uint16_t> audio;
    pids(line.audioField, first, &audio);
    line.extras.audio.clear();
    for (const std::uint16_t pid : audio) line.extras.audio.push_back({pid, {}, {}});
}

ChannelRecord recordOfZapLine(const ZapLine& line) {
    ChannelRecord record = textChannelBase();
    applyExtras(line.extras, record);
    record.videoPid = line.video;
    record.audioPid = line.audio;
    record.frequency = line.frequency;
    record.symbolRate = line.symbolRate;
    record.serviceId = line.serviceId;
    setKindByVideo(record);
    return record;
}

void composeZapLine(const ChannelRecord& record, const ChannelExtras& now, std::string& out) {
    const ZapForm form = formOfSystem(now.system.value_or(systemOfRecord(record)));
    bool first = true;
    for (const Role role : rolesOf(form)) {
        if (!first) out += ':';
        first = false;
        appendRole(out, role, form, record, now, true, false);
    }
}

void rewriteZapLine(const ZapLine& line, unsigned changes, const ChannelRecord& record, const ChannelExtras& now,
                    std::string& out) {
    // libdvbv5's satellite lines have no satellite number: a new one takes szap's form.
    if ((changes & changed::kLnb) && line.form == ZapForm::SatelliteLibdvbv5) {
        composeZapLine(record, now, out);
        const std::string_view last = line.fields[line.fieldCount - 1];
        out += last.substr(std::min(last.find_last_not_of(" \t\r") + 1, last.size()));
        return;
    }
    const std::span<const Role> roles = rolesOf(line.form);
    for (std::size_t i = 0; i < line.fieldCount; ++i) {
        if (i != 0) out += ':';
        const std::string_view field = line.fields[i];
        if ((changes & changeOf(roles[i])) == 0) {
            out += field;
            continue;
        }
        // The new value stands where the old one stood, between the same blanks.
        const std::string_view value = i == 0 ? field : trimBlanks(field);
        const std::size_t start = static_cast<std::size_t>(value.data() - field.data());
        out += field.substr(0, start);
        const bool small = parseUnsigned(value, kMax32).value_or(0) < kSmallUnitsBelow;
        appendRole(out, roles[i], line.form, record, now, small, value.find('+') != std::string_view::npos);
        out += field.substr(start + value.size());
    }
    // A service ID for a line that had none: szap, czap, tzap and azap all take it last.
    if ((changes & changed::kServiceId) && line.fieldCount < roles.size()) {
        const std::size_t end = out.find_last_not_of(" \t\r") + 1;
        const std::string ending = out.substr(end);
        out.resize(end);
        out += ':';
        appendNumber(out, record.serviceId);
        out += ending;
    }
}

}  // namespace qvx
