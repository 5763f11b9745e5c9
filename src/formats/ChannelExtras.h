// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qvx {

// How a channel is tuned and what it streams beyond the 172-byte record, in
// neutral terms (the Linux DVB frontend's names, as libdvbv5 and VDR use
// them). Each text format spells its own carried texts into these and back,
// so that a list read from one format is written to another with everything
// both can hold. A field left unknown (nullopt, empty) is taken from the
// record or from the target format's default.

enum class DeliverySystem : std::uint8_t { DvbS, DvbS2, DvbC, DvbCAnnexB, DvbC2, DvbT, DvbT2, Atsc, IsdbT, Dtmb };

enum class CodeRate : std::uint8_t {
    None, Auto, R1_2, R2_3, R3_4, R3_5, R4_5, R5_6, R6_7, R7_8, R8_9, R9_10, R2_5, R1_4, R1_3,
};

enum class Modulation : std::uint8_t {
    Qpsk, Psk8, Apsk16, Apsk32, Apsk64, Qam16, Qam32, Qam64, Qam128, Qam256, QamAuto, Vsb8, Vsb16, Dqpsk, Qam4Nr, Auto,
};

enum class Polarization : std::uint8_t { Horizontal, Vertical, Left, Right };
enum class Inversion : std::uint8_t { Off, On, Auto };
enum class Rolloff : std::uint8_t { R35, R25, R20, Auto };
enum class Pilot : std::uint8_t { Off, On, Auto };
enum class TransmissionMode : std::uint8_t { M1K, M2K, M4K, M8K, M16K, M32K, Auto };
enum class GuardInterval : std::uint8_t { G1_4, G1_8, G1_16, G1_32, G1_128, G19_128, G19_256, Auto };
enum class Hierarchy : std::uint8_t { None, H1, H2, H4, Auto };

// One audio or subtitle stream: its PID, its language(s) ("deu", "deu+eng")
// and a stream type where the format gives one (VDR's "@3").
struct StreamPid {
    std::uint16_t pid = 0;
    std::string language;
    std::optional<std::uint16_t> type;

    bool operator==(const StreamPid&) const = default;
};

struct ChannelExtras {
    std::optional<DeliverySystem> system;
    // The whole frequency in Hz (the record holds kHz for satellites).
    std::optional<std::uint64_t> frequencyHz;
    std::optional<Polarization> polarization;
    std::optional<CodeRate> codeRate;    // inner code rate, or the high-priority one (DVB-T)
    std::optional<CodeRate> codeRateLp;  // DVB-T low priority
    std::optional<Modulation> modulation;
    std::optional<Inversion> inversion;
    std::optional<Rolloff> rolloff;
    std::optional<Pilot> pilot;
    std::optional<std::uint32_t> bandwidthHz;
    std::optional<TransmissionMode> transmissionMode;
    std::optional<GuardInterval> guardInterval;
    std::optional<Hierarchy> hierarchy;
    std::optional<std::uint32_t> streamId;  // DVB-S2/T2 input stream
    // The orbital position as VDR writes sources ("S19.2E"), or "C", "T", "A".
    std::string source;
    // The satellite or LNB number of a DiSEqC switch (dvbv5's SAT_NUMBER,
    // szap's sat_no); the record's lnb holds it too where it fits.
    std::optional<std::uint32_t> satNumber;

    std::string fullName;      // UTF-8; empty: the record's name says it all
    std::string shortName;     // VDR's ",Short"
    std::string providerName;  // VDR's ";Provider", a playlist's group

    std::vector<std::uint16_t> videoPids;  // all of them; the record holds the first
    std::optional<std::uint16_t> videoType;  // VDR's "=2"
    std::vector<StreamPid> audio;          // all audio PIDs, in order
    std::vector<StreamPid> dolby;          // Dolby/AC-3 PIDs, in order
    std::vector<StreamPid> subtitles;      // subtitle PIDs beside the teletext PID
    std::vector<std::uint16_t> caIds;      // conditional access system ids; empty: free
    std::optional<std::uint16_t> radioId;  // VDR's RID
};

}  // namespace qvx
