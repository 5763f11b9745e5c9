// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordTuning.h"

#include <array>
#include <cstdlib>
#include <limits>

#include "model/ChannelRecord.h"
#include "model/RotorPositions.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

// The record's code rates in the order of its fec values 1 to 8.
constexpr std::array<CodeRate, 8> kRecordRates = {CodeRate::R1_2, CodeRate::R2_3, CodeRate::R3_4, CodeRate::R4_5,
                                                   CodeRate::R5_6, CodeRate::R6_7, CodeRate::R7_8, CodeRate::R8_9};
// The record's modulations in the order of its qam values 1 to 5.
constexpr std::array<Modulation, 5> kRecordQam = {Modulation::Qam16, Modulation::Qam32, Modulation::Qam64,
                                                   Modulation::Qam128, Modulation::Qam256};

// "19.2E" -> 192 tenths east (west negative); none when it is no position.
// Digits after the first decimal are not told apart.
std::optional<int> tenthsOf(std::string_view position) {
    if (position.size() < 2 || (position.back() != 'E' && position.back() != 'W')) return std::nullopt;
    const bool east = position.back() == 'E';
    position.remove_suffix(1);
    const std::size_t point = position.find('.');
    const std::string_view whole = position.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? std::string_view() : position.substr(point + 1);
    const auto allDigits = [](std::string_view text) {
        return text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (whole.empty() || whole.size() > 3 || !allDigits(whole) || !allDigits(decimals)) return std::nullopt;
    int tenths = 0;
    for (const char c : whole) tenths = tenths * 10 + (c - '0');
    tenths = tenths * 10 + (decimals.empty() ? 0 : decimals.front() - '0');
    return east ? tenths : -tenths;
}

// The position in a rotor position's name ("Astra 19.2\xB0E" -> "19.2E").
std::string positionInName(std::string_view name) {
    const std::size_t degree = name.find('\xB0');
    if (degree == std::string_view::npos || degree + 1 >= name.size()) return {};
    std::size_t start = degree;
    while (start > 0 && ((name[start - 1] >= '0' && name[start - 1] <= '9') || name[start - 1] == '.')) --start;
    if (start == degree) return {};
    return std::string(name.substr(start, degree - start)) + name[degree + 1];
}

}  // namespace

std::uint8_t recordFecOf(CodeRate rate) {
    for (std::size_t i = 0; i < kRecordRates.size(); ++i)
        if (kRecordRates[i] == rate) return static_cast<std::uint8_t>(i + 1);
    return 0;
}

CodeRate codeRateOfRecordFec(std::uint8_t fec) {
    return fec >= 1 && fec <= kRecordRates.size() ? kRecordRates[fec - 1u] : CodeRate::Auto;
}

std::uint8_t recordQamOf(Modulation modulation) {
    for (std::size_t i = 0; i < kRecordQam.size(); ++i)
        if (kRecordQam[i] == modulation) return static_cast<std::uint8_t>(i + 1);
    return 0;
}

Modulation modulationOfRecordQam(std::uint8_t qam) {
    return qam >= 1 && qam <= kRecordQam.size() ? kRecordQam[qam - 1u] : Modulation::Qpsk;
}

std::uint8_t recordPolarityOf(Polarization polarization) {
    return polarization == Polarization::Vertical || polarization == Polarization::Right ? 1 : 0;
}

Polarization polarizationOfRecord(std::uint8_t polarity) {
    return polarity == 0 ? Polarization::Horizontal : Polarization::Vertical;
}

std::uint8_t recordLnbOf(std::uint32_t satNumber) {
    return satNumber < kLnbCount ? static_cast<std::uint8_t>(satNumber) : 0;
}

DeliverySystem systemOfRecord(const ChannelRecord& record) {
    return record.qam >= 1 && record.qam <= kRecordQam.size() ? DeliverySystem::DvbC : DeliverySystem::DvbS;
}

bool isSatellite(DeliverySystem system) { return system == DeliverySystem::DvbS || system == DeliverySystem::DvbS2; }

bool isCable(DeliverySystem system) {
    return system == DeliverySystem::DvbC || system == DeliverySystem::DvbCAnnexB || system == DeliverySystem::DvbC2;
}

bool isTerrestrial(DeliverySystem system) { return !isSatellite(system) && !isCable(system); }

std::uint64_t frequencyHzOfRecord(std::uint32_t frequency, DeliverySystem system) {
    return isSatellite(system) ? std::uint64_t{frequency} * 1000 : frequency;
}

std::optional<std::uint32_t> recordFrequencyOf(std::uint64_t hz, DeliverySystem system) {
    const std::uint64_t value = isSatellite(system) ? hz / 1000 : hz;
    if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::string sourceOfRotorPosition(int index) {
    if (index <= 0 || index >= kRotorPositionCount) return {};
    const std::string position = positionInName(rotorPositionNames()[static_cast<std::size_t>(index)]);
    return position.empty() ? std::string() : "S" + position;
}

std::optional<int> rotorPositionOfSource(std::string_view source) {
    if (source.size() < 3 || source.front() != 'S') return std::nullopt;
    const std::optional<int> wanted = tenthsOf(source.substr(1));
    if (!wanted) return std::nullopt;
    for (int index = 1; index < kRotorPositionCount; ++index)
        if (tenthsOf(positionInName(rotorPositionNames()[static_cast<std::size_t>(index)])) == wanted) return index;
    return std::nullopt;
}

void applyExtras(const ChannelExtras& extras, ChannelRecord& record) {
    const DeliverySystem system = extras.system.value_or(systemOfRecord(record));
    if (extras.frequencyHz)
        if (const std::optional<std::uint32_t> frequency = recordFrequencyOf(*extras.frequencyHz, system))
            record.frequency = *frequency;
    if (extras.polarization) record.polarity = recordPolarityOf(*extras.polarization);
    if (extras.codeRate) record.fec = recordFecOf(*extras.codeRate);
    if (extras.modulation) record.qam = recordQamOf(*extras.modulation);
    record.videoPid = extras.videoPids.empty() ? 0 : extras.videoPids.front();
    record.audioPid = extras.audio.empty() ? 0 : extras.audio.front().pid;
    record.ac3Pid = extras.dolby.empty() ? 0 : extras.dolby.front().pid;
    record.scrambled = extras.caIds.empty() ? 0 : 1;
    if (extras.satNumber) record.lnb = recordLnbOf(*extras.satNumber);
    if (!extras.source.empty()) record.rotorPosition = static_cast<std::uint8_t>(rotorPositionOfSource(extras.source).value_or(0));
}

ChannelExtras currentExtras(const ChannelRecord& record, const ChannelExtras& carried,
                            std::string_view defaultSource) {
    ChannelExtras now = carried;
    const DeliverySystem system = carried.system.value_or(systemOfRecord(record));
    now.system = system;

    if (!carried.frequencyHz || recordFrequencyOf(*carried.frequencyHz, system) != record.frequency)
        now.frequencyHz = frequencyHzOfRecord(record.frequency, system);
    if (isSatellite(system) &&
        (!carried.polarization || recordPolarityOf(*carried.polarization) != record.polarity))
        now.polarization = polarizationOfRecord(record.polarity);
    if (!carried.codeRate || recordFecOf(*carried.codeRate) != record.fec)
        now.codeRate = codeRateOfRecordFec(record.fec);
    if (!carried.modulation ? !isTerrestrial(system) : recordQamOf(*carried.modulation) != record.qam)
        now.modulation = modulationOfRecordQam(record.qam);

    // The record holds the first PID of each kind; the others stay.
    const auto firstPid = [](std::vector<StreamPid>& pids, std::uint16_t pid) {
        if (pid == 0)
            pids.clear();
        else if (pids.empty())
            pids.push_back({pid, {}, {}});
        else if (pids.front().pid != pid)
            pids.front() = {pid, {}, {}};
    };
    if (record.videoPid == 0)
        now.videoPids.clear();
    else if (now.videoPids.empty())
        now.videoPids.push_back(record.videoPid);
    else
        now.videoPids.front() = record.videoPid;
    firstPid(now.audio, record.audioPid);
    firstPid(now.dolby, record.ac3Pid);

    if (record.isScrambled() != !carried.caIds.empty())
        now.caIds = record.isScrambled() ? std::vector<std::uint16_t>{kDefaultCaId} : std::vector<std::uint16_t>{};
    if (!carried.satNumber || recordLnbOf(*carried.satNumber) != record.lnb) now.satNumber = record.lnb;

    if (isSatellite(system)) {
        const bool rotorKept =
            !carried.source.empty() && rotorPositionOfSource(carried.source).value_or(0) == record.rotorPosition;
        if (!rotorKept) {
            std::string source = sourceOfRotorPosition(record.rotorPosition);
            if (source.empty()) source = carried.source.empty() ? std::string(defaultSource) : carried.source;
            now.source = std::move(source);
        }
    }

    // A renamed channel is its record's name; a kept one keeps its whole name.
    if (!carried.fullName.empty() &&
        closestWindows1252(carried.fullName).substr(0, kNameCapacity) != record.nameText())
        now.fullName.clear();
    return now;
}

}  // namespace qvx
