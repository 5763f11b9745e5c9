// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FrontendWords.h"

namespace qvx {
namespace {

using C = CodeRate;
using M = Modulation;
using D = DeliverySystem;
using T = TransmissionMode;
using G = GuardInterval;
using H = Hierarchy;

// libdvbv5's names of the frontend values (its dvb-v5.c), dvbv5 files.
constexpr FrontendWord<CodeRate> kDvbv5CodeRates[] = {
    {"1/2", C::R1_2}, {"2/3", C::R2_3}, {"2/5", C::R2_5}, {"3/4", C::R3_4}, {"3/5", C::R3_5},
    {"4/5", C::R4_5}, {"5/6", C::R5_6}, {"6/7", C::R6_7}, {"7/8", C::R7_8}, {"8/9", C::R8_9},
    {"9/10", C::R9_10}, {"AUTO", C::Auto}, {"NONE", C::None},
};
constexpr FrontendWord<Modulation> kDvbv5Modulations[] = {
    {"QPSK", M::Qpsk},       {"PSK/8", M::Psk8},     {"APSK/16", M::Apsk16}, {"APSK/32", M::Apsk32},
    {"QAM/16", M::Qam16},    {"QAM/32", M::Qam32},   {"QAM/64", M::Qam64},   {"QAM/128", M::Qam128},
    {"QAM/256", M::Qam256},  {"QAM/AUTO", M::QamAuto}, {"VSB/8", M::Vsb8},    {"VSB/16", M::Vsb16},
    {"DQPSK", M::Dqpsk},     {"QAM/4_NR", M::Qam4Nr},
};
constexpr FrontendWord<Inversion> kDvbv5Inversions[] = {
    {"AUTO", Inversion::Auto}, {"OFF", Inversion::Off}, {"ON", Inversion::On}};
constexpr FrontendWord<TransmissionMode> kDvbv5TransmissionModes[] = {
    {"1K", T::M1K},   {"2K", T::M2K},   {"4K", T::M4K},          {"8K", T::M8K}, {"16K", T::M16K},
    {"32K", T::M32K}, {"AUTO", T::Auto}, {"C1", std::nullopt}, {"C3780", std::nullopt},
};
constexpr FrontendWord<GuardInterval> kDvbv5GuardIntervals[] = {
    {"1/4", G::G1_4},         {"1/8", G::G1_8},         {"1/16", G::G1_16},       {"1/32", G::G1_32},
    {"1/128", G::G1_128},     {"19/128", G::G19_128},   {"19/256", G::G19_256},   {"AUTO", G::Auto},
    {"PN420", std::nullopt},  {"PN595", std::nullopt},  {"PN945", std::nullopt},
};
constexpr FrontendWord<Hierarchy> kDvbv5Hierarchies[] = {
    {"NONE", H::None}, {"1", H::H1}, {"2", H::H2}, {"4", H::H4}, {"AUTO", H::Auto}};
// libdvbv5's own polarization names (dvb-v5-std.c); OFF: none given.
constexpr FrontendWord<Polarization> kDvbv5Polarizations[] = {
    {"HORIZONTAL", Polarization::Horizontal}, {"VERTICAL", Polarization::Vertical},
    {"LEFT", Polarization::Left},             {"RIGHT", Polarization::Right},
    {"OFF", std::nullopt},
};
constexpr FrontendWord<Pilot> kDvbv5Pilots[] = {{"AUTO", Pilot::Auto}, {"OFF", Pilot::Off}, {"ON", Pilot::On}};
constexpr FrontendWord<Rolloff> kDvbv5Rolloffs[] = {
    {"35", Rolloff::R35}, {"25", Rolloff::R25}, {"20", Rolloff::R20}, {"AUTO", Rolloff::Auto}};
// The first name of each system is what a writer writes. The systems the
// neutral description lacks count as their nearest one, as libdvbv5's own
// conversions to zap and VDR take them (ISDB-S as DVB-S, annex C as annex A...).
constexpr FrontendWord<DeliverySystem> kDvbv5DeliverySystems[] = {
    {"DVBS", D::DvbS},           {"DVBS2", D::DvbS2},         {"DVBC/ANNEX_A", D::DvbC},
    {"DVBC/ANNEX_B", D::DvbCAnnexB}, {"DVBC2", D::DvbC2},     {"DVBT", D::DvbT},
    {"DVBT2", D::DvbT2},         {"ATSC", D::Atsc},           {"ISDBT", D::IsdbT},
    {"DTMB", D::Dtmb},           {"TURBO", D::DvbS},          {"ISDBS", D::DvbS},
    {"DSS", D::DvbS},            {"DVBC/ANNEX_C", D::DvbC},   {"ISDBC", D::DvbC},
    {"ATSCMH", D::Atsc},         {"DVBH", D::DvbT},           {"CMMB", D::DvbT},
    {"DAB", std::nullopt},       {"UNDEFINED", std::nullopt},
};

// libdvbv5's zap words (dvb-zap-format.c).
constexpr FrontendWord<CodeRate> kZapCodeRates[] = {
    {"FEC_1_2", C::R1_2}, {"FEC_2_3", C::R2_3}, {"FEC_3_4", C::R3_4}, {"FEC_3_5", C::R3_5},
    {"FEC_4_5", C::R4_5}, {"FEC_5_6", C::R5_6}, {"FEC_6_7", C::R6_7}, {"FEC_7_8", C::R7_8},
    {"FEC_8_9", C::R8_9}, {"FEC_9_10", C::R9_10}, {"FEC_AUTO", C::Auto}, {"FEC_NONE", C::None},
};
constexpr FrontendWord<Modulation> kZapModulations[] = {
    {"QPSK", M::Qpsk},     {"QAM_16", M::Qam16}, {"QAM_32", M::Qam32},   {"QAM_64", M::Qam64},
    {"QAM_128", M::Qam128}, {"QAM_256", M::Qam256}, {"QAM_AUTO", M::QamAuto}, {"8PSK", M::Psk8},
    {"8VSB", M::Vsb8},     {"16VSB", M::Vsb16},  {"APSK16", M::Apsk16},  {"APSK32", M::Apsk32},
    {"DQPSK", M::Dqpsk},
};
constexpr FrontendWord<Inversion> kZapInversions[] = {
    {"INVERSION_OFF", Inversion::Off}, {"INVERSION_ON", Inversion::On}, {"INVERSION_AUTO", Inversion::Auto}};
constexpr FrontendWord<TransmissionMode> kZapTransmissionModes[] = {
    {"TRANSMISSION_MODE_1K", T::M1K},   {"TRANSMISSION_MODE_2K", T::M2K},   {"TRANSMISSION_MODE_4K", T::M4K},
    {"TRANSMISSION_MODE_8K", T::M8K},   {"TRANSMISSION_MODE_16K", T::M16K}, {"TRANSMISSION_MODE_32K", T::M32K},
    {"TRANSMISSION_MODE_AUTO", T::Auto},
};
constexpr FrontendWord<GuardInterval> kZapGuardIntervals[] = {
    {"GUARD_INTERVAL_1_4", G::G1_4},       {"GUARD_INTERVAL_1_8", G::G1_8},
    {"GUARD_INTERVAL_1_16", G::G1_16},     {"GUARD_INTERVAL_1_32", G::G1_32},
    {"GUARD_INTERVAL_1_128", G::G1_128},   {"GUARD_INTERVAL_19_128", G::G19_128},
    {"GUARD_INTERVAL_19_256", G::G19_256}, {"GUARD_INTERVAL_AUTO", G::Auto},
};
constexpr FrontendWord<Hierarchy> kZapHierarchies[] = {
    {"HIERARCHY_NONE", H::None}, {"HIERARCHY_1", H::H1}, {"HIERARCHY_2", H::H2},
    {"HIERARCHY_4", H::H4},      {"HIERARCHY_AUTO", H::Auto},
};
constexpr FrontendWord<Polarization> kZapPolarizations[] = {
    {"H", Polarization::Horizontal}, {"V", Polarization::Vertical},
    {"L", Polarization::Left},       {"R", Polarization::Right},
};
constexpr FrontendWord<std::uint32_t> kZapBandwidths[] = {
    {"BANDWIDTH_8_MHZ", 8000000}, {"BANDWIDTH_7_MHZ", 7000000},   {"BANDWIDTH_6_MHZ", 6000000},
    {"BANDWIDTH_5_MHZ", 5000000}, {"BANDWIDTH_10_MHZ", 10000000}, {"BANDWIDTH_1.712_MHZ", 1712000},
    {"BANDWIDTH_AUTO", 0},
};

constexpr FrontendSpelling kDvbv5{kDvbv5CodeRates,    kDvbv5Modulations,    kDvbv5Inversions,
                                  kDvbv5TransmissionModes, kDvbv5GuardIntervals, kDvbv5Hierarchies,
                                  kDvbv5Polarizations, kDvbv5Pilots,        kDvbv5Rolloffs,
                                  kDvbv5DeliverySystems, {}};
constexpr FrontendSpelling kZap{kZapCodeRates,    kZapModulations,    kZapInversions, kZapTransmissionModes,
                                kZapGuardIntervals, kZapHierarchies,  kZapPolarizations, {}, {}, {},
                                kZapBandwidths};

}  // namespace

const FrontendSpelling& dvbv5Spelling() { return kDvbv5; }
const FrontendSpelling& zapSpelling() { return kZap; }

}  // namespace qvx
