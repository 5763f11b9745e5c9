// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/ChannelExtras.h"

namespace qvx {

struct ChannelRecord;

// The one table of how the record's tuning fields and the neutral extras of
// the text formats meet: which values the record holds, in which units, and
// what a record without carried fields means.

// Each value a format may give maps to the record value a reader stores for
// it, so that a writer can tell whether the user changed it: where the
// record cannot hold a value exactly, it stores the nearest one, and the
// carried value stays while the record keeps that.

// The record's fec (0 AUTO, 1 "1/2" ... 8 "8/9"); rates it lacks (3/5, 9/10,
// none...) are AUTO.
std::uint8_t recordFecOf(CodeRate rate);
CodeRate codeRateOfRecordFec(std::uint8_t fec);
// The record's qam (0 "NONE", 1-5 "QAM16"-"QAM256"); every other modulation
// (QPSK, 8PSK, APSK, VSB, automatic) is 0.
std::uint8_t recordQamOf(Modulation modulation);
// qam 0 is QPSK (the satellites' modulation), 1-5 QAM16 to QAM256.
Modulation modulationOfRecordQam(std::uint8_t qam);
// H 0, V 1; circular left goes with horizontal (18 V), right with vertical.
std::uint8_t recordPolarityOf(Polarization polarization);
Polarization polarizationOfRecord(std::uint8_t polarity);
// The LNB number of a satellite number (0 to 59; larger ones 0).
std::uint8_t recordLnbOf(std::uint32_t satNumber);

// A record without carried fields: qam 0 is a satellite (DVB-S, QPSK),
// 1 to 5 cable (DVB-C, QAM16 to QAM256).
DeliverySystem systemOfRecord(const ChannelRecord& record);
bool isSatellite(DeliverySystem system);
bool isCable(DeliverySystem system);
bool isTerrestrial(DeliverySystem system);
// Frequencies: the record holds kHz for satellites and Hz for cable and
// terrestrial channels (the panel's "Frequency [KHz] (Cable: [Hz])").
std::uint64_t frequencyHzOfRecord(std::uint32_t frequency, DeliverySystem system);
// The record's value for a frequency in Hz; none when it does not fit.
std::optional<std::uint32_t> recordFrequencyOf(std::uint64_t hz, DeliverySystem system);

// The conditional access id written for a scrambled channel that carries
// none (FFFF: "some conditional access system").
inline constexpr std::uint16_t kDefaultCaId = 0xFFFF;

// VDR's source of a named rotor position ("S19.2E" for "Astra 19.2°E");
// empty for "Predefined" and "not assigned".
std::string sourceOfRotorPosition(int index);
// The first named rotor position of a source ("S13E" and "S13.0E" both name
// Hot Bird 13°E); none when no position has it.
std::optional<int> rotorPositionOfSource(std::string_view source);

// What a channel read with `carried` extras is now: every field the record
// holds is taken from the record where the user changed it (the record's
// value differs from what the carried value maps to); the rest of `carried`
// stays. A record without carried extras gets what the record means on its
// own. `defaultSource` is the source of a channel whose rotor position names
// none and that carries none (empty: leave it unknown).
ChannelExtras currentExtras(const ChannelRecord& record, const ChannelExtras& carried,
                            std::string_view defaultSource);
// The record's fields as the extras set them (a reader's part): frequency,
// polarity, fec, qam, PIDs, LNB, rotor position, scrambled.
void applyExtras(const ChannelExtras& extras, ChannelRecord& record);

}  // namespace qvx
