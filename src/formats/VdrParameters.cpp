// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/VdrParameters.h"

#include <span>
#include <vector>

#include "formats/RecordTuning.h"
#include "model/ChannelRecord.h"

namespace qvx {
namespace {

constexpr std::uint32_t kAutomatic = 999;

template <typename Enum>
struct ValueOf {
    std::uint32_t number;
    Enum value;
};

// The numbers VDR takes for each key, and what they mean.
constexpr ValueOf<CodeRate> kCodeRates[] = {
    {0, CodeRate::None},   {12, CodeRate::R1_2}, {23, CodeRate::R2_3}, {34, CodeRate::R3_4},
    {35, CodeRate::R3_5},  {45, CodeRate::R4_5}, {56, CodeRate::R5_6}, {67, CodeRate::R6_7},
    {78, CodeRate::R7_8},  {89, CodeRate::R8_9}, {910, CodeRate::R9_10}, {kAutomatic, CodeRate::Auto},
};
// M0 is the QPSK of files from before DVB-S2.
constexpr ValueOf<Modulation> kModulations[] = {
    {2, Modulation::Qpsk},     {5, Modulation::Psk8},    {6, Modulation::Apsk16},  {7, Modulation::Apsk32},
    {10, Modulation::Vsb8},    {11, Modulation::Vsb16},  {12, Modulation::Dqpsk},  {16, Modulation::Qam16},
    {32, Modulation::Qam32},   {64, Modulation::Qam64},  {128, Modulation::Qam128}, {256, Modulation::Qam256},
    {kAutomatic, Modulation::QamAuto}, {0, Modulation::Qpsk},
};
// B in MHz, 1712 in kHz; automatic is 0 Hz.
constexpr ValueOf<std::uint32_t> kBandwidths[] = {
    {1712, 1'712'000}, {5, 5'000'000}, {6, 6'000'000}, {7, 7'000'000},
    {8, 8'000'000},    {10, 10'000'000}, {kAutomatic, 0},
};
constexpr ValueOf<GuardInterval> kGuards[] = {
    {4, GuardInterval::G1_4},     {8, GuardInterval::G1_8},       {16, GuardInterval::G1_16},
    {32, GuardInterval::G1_32},   {128, GuardInterval::G1_128},   {19128, GuardInterval::G19_128},
    {19256, GuardInterval::G19_256}, {kAutomatic, GuardInterval::Auto},
};
constexpr ValueOf<Inversion> kInversions[] = {{0, Inversion::Off}, {1, Inversion::On}, {kAutomatic, Inversion::Auto}};
constexpr ValueOf<Pilot> kPilots[] = {{0, Pilot::Off}, {1, Pilot::On}, {kAutomatic, Pilot::Auto}};
constexpr ValueOf<Rolloff> kRolloffs[] = {
    {0, Rolloff::Auto}, {20, Rolloff::R20}, {25, Rolloff::R25}, {35, Rolloff::R35}};
constexpr ValueOf<TransmissionMode> kTransmissions[] = {
    {1, TransmissionMode::M1K},  {2, TransmissionMode::M2K},   {4, TransmissionMode::M4K},
    {8, TransmissionMode::M8K},  {16, TransmissionMode::M16K}, {32, TransmissionMode::M32K},
    {kAutomatic, TransmissionMode::Auto},
};
constexpr ValueOf<Hierarchy> kHierarchies[] = {
    {0, Hierarchy::None}, {1, Hierarchy::H1}, {2, Hierarchy::H2}, {4, Hierarchy::H4}, {kAutomatic, Hierarchy::Auto}};
constexpr ValueOf<std::uint32_t> kSystems[] = {{0, 0}, {1, 1}};

template <typename Enum>
std::optional<Enum> meaningOf(std::span<const ValueOf<Enum>> table, std::uint32_t number) {
    for (const ValueOf<Enum>& row : table)
        if (row.number == number) return row.value;
    return std::nullopt;
}

// The first number of a meaning (so QPSK is written M2, not M0).
template <typename Enum>
std::optional<std::uint32_t> numberOf(std::span<const ValueOf<Enum>> table, Enum value) {
    for (const ValueOf<Enum>& row : table)
        if (row.value == value) return row.number;
    return std::nullopt;
}

template <typename Enum, std::size_t N>
bool takes(const ValueOf<Enum> (&table)[N], std::uint32_t number) {
    return meaningOf(std::span<const ValueOf<Enum>>(table), number).has_value();
}

// Whether a key takes this number; keys without a table take any (P, Q).
bool validValue(char key, std::uint32_t number) {
    switch (key) {
    case 'B': return takes(kBandwidths, number);
    case 'C':
    case 'D': return takes(kCodeRates, number);
    case 'G': return takes(kGuards, number);
    case 'I': return takes(kInversions, number);
    case 'M': return takes(kModulations, number);
    case 'N': return takes(kPilots, number);
    case 'O': return takes(kRolloffs, number);
    case 'P': return true;
    case 'Q': return number <= 0xFFFF;
    case 'S':
    case 'X': return takes(kSystems, number);
    case 'T': return takes(kTransmissions, number);
    case 'Y': return takes(kHierarchies, number);
    default: return false;
    }
}

bool isPolarization(char upper) { return upper == 'H' || upper == 'V' || upper == 'L' || upper == 'R'; }

char upperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

std::optional<Polarization> polarizationOfLetter(char letter) {
    switch (upperCase(letter)) {
    case 'H': return Polarization::Horizontal;
    case 'V': return Polarization::Vertical;
    case 'L': return Polarization::Left;
    case 'R': return Polarization::Right;
    default: return std::nullopt;
    }
}

char letterOf(Polarization polarization) {
    switch (polarization) {
    case Polarization::Horizontal: return 'H';
    case Polarization::Vertical: return 'V';
    case Polarization::Left: return 'L';
    case Polarization::Right: return 'R';
    }
    return 'H';
}

// The order VDR writes the keys in; the polarization comes first.
constexpr std::string_view kKeyOrder = "BCDGIMNOPQSTXY";

std::size_t rankOf(char upper) {
    if (isPolarization(upper)) return 0;
    const std::size_t at = kKeyOrder.find(upper);
    return at == std::string_view::npos ? kKeyOrder.size() + 1 : at + 1;
}

// One key of a parameter string as it stands in the text.
struct Token {
    char key;           // as written
    std::string value;  // its digits, empty for a polarization
};

std::vector<Token> tokensOf(std::string_view text) {
    std::vector<Token> tokens;
    for (std::size_t at = 0; at < text.size();) {
        const char key = text[at++];
        const std::size_t start = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        tokens.push_back({key, std::string(text.substr(start, at - start))});
    }
    return tokens;
}

// Sets `upper` to `number` in the tokens: the last such key takes it, or it
// goes before the first key VDR writes after it; none removes the key.
void setKey(std::vector<Token>& tokens, char upper, std::optional<std::uint32_t> number) {
    std::size_t found = tokens.size();
    for (std::size_t i = 0; i < tokens.size(); ++i)
        if (upperCase(tokens[i].key) == upper) found = i;
    if (!number || *number == kAutomatic) {
        if (found != tokens.size()) tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(found));
        return;
    }
    if (found != tokens.size()) {
        tokens[found].value = std::to_string(*number);
        return;
    }
    std::size_t before = 0;
    while (before < tokens.size() && rankOf(upperCase(tokens[before].key)) <= rankOf(upper)) ++before;
    tokens.insert(tokens.begin() + static_cast<std::ptrdiff_t>(before), Token{upper, std::to_string(*number)});
}

void appendKey(std::string& out, char key, std::optional<std::uint32_t> number) {
    if (!number || *number == kAutomatic) return;
    out += key;
    out += std::to_string(*number);
}

template <typename Enum, std::size_t N>
std::optional<std::uint32_t> numberFor(const ValueOf<Enum> (&table)[N], const std::optional<Enum>& value) {
    if (!value) return std::nullopt;
    return numberOf(std::span<const ValueOf<Enum>>(table), *value);
}

template <typename Enum, std::size_t N>
void describeKey(const VdrParameters& parameters, char key, const ValueOf<Enum> (&table)[N],
                 std::optional<Enum>& into) {
    if (const std::optional<std::uint32_t> number = parameters.value(key))
        into = meaningOf(std::span<const ValueOf<Enum>>(table), *number);
}

}  // namespace

bool VdrParameters::parse(std::string_view text) {
    *this = VdrParameters();
    for (std::size_t at = 0; at < text.size();) {
        const char key = text[at++];
        const char upper = upperCase(key);
        if (upper < 'A' || upper > 'Z') return false;
        if (isPolarization(upper)) {
            polarization_ = key;
            continue;
        }
        const std::size_t start = at;
        std::uint64_t number = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            number = number * 10 + static_cast<std::uint64_t>(text[at++] - '0');
            if (number > 0xFFFFFFFFu) return false;
        }
        if (at == start || !validValue(upper, static_cast<std::uint32_t>(number))) return false;
        values_[index(upper)] = static_cast<std::uint32_t>(number);
    }
    return true;
}

void VdrParameters::describe(ChannelExtras& extras, char sourceType) const {
    const bool secondGeneration = value('S').value_or(0) == 1;
    switch (sourceType) {
    case 'S': extras.system = secondGeneration ? DeliverySystem::DvbS2 : DeliverySystem::DvbS; break;
    case 'T': extras.system = secondGeneration ? DeliverySystem::DvbT2 : DeliverySystem::DvbT; break;
    case 'C': extras.system = DeliverySystem::DvbC; break;
    case 'A': extras.system = DeliverySystem::Atsc; break;
    default: break;
    }
    if (const std::optional<Polarization> polarization = polarizationOfLetter(polarization_))
        extras.polarization = polarization;
    describeKey(*this, 'C', kCodeRates, extras.codeRate);
    describeKey(*this, 'D', kCodeRates, extras.codeRateLp);
    describeKey(*this, 'M', kModulations, extras.modulation);
    describeKey(*this, 'I', kInversions, extras.inversion);
    describeKey(*this, 'N', kPilots, extras.pilot);
    describeKey(*this, 'O', kRolloffs, extras.rolloff);
    describeKey(*this, 'B', kBandwidths, extras.bandwidthHz);
    describeKey(*this, 'T', kTransmissions, extras.transmissionMode);
    describeKey(*this, 'G', kGuards, extras.guardInterval);
    describeKey(*this, 'Y', kHierarchies, extras.hierarchy);
    if (const std::optional<std::uint32_t> stream = value('P')) extras.streamId = *stream;
}

void VdrParameters::applyTo(ChannelRecord& record) const {
    if (const std::optional<Polarization> polarization = polarizationOfLetter(polarization_))
        record.polarity = recordPolarityOf(*polarization);
    std::optional<CodeRate> codeRate;
    describeKey(*this, 'C', kCodeRates, codeRate);
    if (codeRate) record.fec = recordFecOf(*codeRate);
    std::optional<Modulation> modulation;
    describeKey(*this, 'M', kModulations, modulation);
    if (modulation) record.qam = recordQamOf(*modulation);
}

std::string VdrParameters::compose(const ChannelExtras& extras, char sourceType) {
    const bool satellite = sourceType == 'S';
    const bool terrestrial = sourceType == 'T';
    const bool cable = sourceType == 'C';
    const bool atsc = sourceType == 'A';
    const bool secondGeneration =
        extras.system == DeliverySystem::DvbS2 || extras.system == DeliverySystem::DvbT2;
    std::string out;
    if (satellite) out += letterOf(extras.polarization.value_or(Polarization::Horizontal));
    if (terrestrial) appendKey(out, 'B', numberFor(kBandwidths, extras.bandwidthHz));
    if (satellite || terrestrial || cable) appendKey(out, 'C', numberFor(kCodeRates, extras.codeRate));
    if (terrestrial) {
        appendKey(out, 'D', numberFor(kCodeRates, extras.codeRateLp));
        appendKey(out, 'G', numberFor(kGuards, extras.guardInterval));
    }
    const bool dvb = satellite || terrestrial || cable || atsc;
    if (dvb) {
        appendKey(out, 'I', numberFor(kInversions, extras.inversion));
        appendKey(out, 'M', numberFor(kModulations, extras.modulation));
    }
    if (satellite && secondGeneration) appendKey(out, 'N', numberFor(kPilots, extras.pilot));
    if (satellite) appendKey(out, 'O', numberFor(kRolloffs, extras.rolloff));
    if ((satellite || terrestrial) && secondGeneration && extras.streamId.value_or(0) != 0)
        appendKey(out, 'P', extras.streamId);
    if (satellite || terrestrial) out += secondGeneration ? "S1" : "S0";
    if (terrestrial) {
        appendKey(out, 'T', numberFor(kTransmissions, extras.transmissionMode));
        appendKey(out, 'Y', numberFor(kHierarchies, extras.hierarchy));
    }
    return out;
}

std::string VdrParameters::edited(std::string_view text, const Change& change, const ChannelExtras& extras) {
    std::vector<Token> tokens = tokensOf(text);
    if (change.polarization && extras.polarization) {
        const char letter = letterOf(*extras.polarization);
        std::size_t found = tokens.size();
        for (std::size_t i = 0; i < tokens.size(); ++i)
            if (isPolarization(upperCase(tokens[i].key))) found = i;
        if (found == tokens.size())
            tokens.insert(tokens.begin(), Token{letter, {}});
        else
            tokens[found].key = tokens[found].key == upperCase(tokens[found].key) ? letter
                                                                                   : static_cast<char>(letter | 0x20);
    }
    if (change.codeRate) setKey(tokens, 'C', numberFor(kCodeRates, extras.codeRate));
    if (change.modulation) setKey(tokens, 'M', numberFor(kModulations, extras.modulation));
    std::string out;
    out.reserve(text.size() + 8);
    for (const Token& token : tokens) {
        out += token.key;
        out += token.value;
    }
    return out;
}

}  // namespace qvx
