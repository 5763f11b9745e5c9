// SPDX-License-Identifier: GPL-3.0-or-later
// How the record and the text formats' neutral tuning meet: named rotor
// positions as VDR sources, and which carried values survive a record that
// the user did or did not change.
#include <gtest/gtest.h>

#include "formats/RecordTuning.h"
#include "model/ChannelRecord.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

TEST(RecordTuning, NamedRotorPositionsAreVdrSources) {
    // Positions by the rotor table's names: 1 "Hot Bird 13°E", 2 "Astra 19.2°E",
    // 9 "Telecom 2B,2D 5°W", 26 "Thor 0.8°W"; 0 "Predefined" and 29 "not assigned" name none.
    const struct {
        int index;
        const char* source;
    } kPositions[] = {{1, "S13E"}, {2, "S19.2E"}, {9, "S5W"}, {26, "S0.8W"}, {0, ""}, {29, ""}};
    for (const auto& position : kPositions) {
        EXPECT_EQ(sourceOfRotorPosition(position.index), position.source) << position.index;
        if (*position.source) {
            EXPECT_EQ(rotorPositionOfSource(position.source), position.index);
        }
    }
    EXPECT_EQ(rotorPositionOfSource("S13.0E"), 1);
    EXPECT_EQ(rotorPositionOfSource("S19.2W"), std::nullopt);
    EXPECT_EQ(rotorPositionOfSource("S28.2E"), std::nullopt);
    for (const char* notAPosition : {"C", "T", "S", "SE", "S1x.2E", "S19.2", "19.2E"})
        EXPECT_EQ(rotorPositionOfSource(notAPosition), std::nullopt) << notAPosition;
}

TEST(RecordTuning, WhatTheRecordCannotHoldStaysUntilTheUserChangesThatField) {
    ChannelExtras carried;
    carried.system = DeliverySystem::DvbS2;
    carried.frequencyHz = 11'494'000'000;
    carried.polarization = Polarization::Left;
    carried.codeRate = CodeRate::R3_5;
    carried.modulation = Modulation::Psk8;
    carried.audio = {{102, "deu", 3}, {103, "eng", 3}};
    carried.caIds = {0x1702, 0x1722};
    carried.source = "S28.2E";
    carried.fullName = "ČT1 HD";
    ChannelRecord record = ChannelRecord::newChannel(1);
    record.setName(closestWindows1252(carried.fullName));
    applyExtras(carried, record);
    EXPECT_EQ(record.frequency, 11'494'000u);
    EXPECT_EQ(record.nameText(), "CT1 HD");

    // Untouched: everything carried stays.
    ChannelExtras now = currentExtras(record, carried, "S19.2E");
    EXPECT_EQ(now.polarization, Polarization::Left);
    EXPECT_EQ(now.codeRate, CodeRate::R3_5);
    EXPECT_EQ(now.modulation, Modulation::Psk8);
    EXPECT_EQ(now.audio, carried.audio);
    EXPECT_EQ(now.caIds, carried.caIds);
    EXPECT_EQ(now.source, "S28.2E");
    EXPECT_EQ(now.fullName, "ČT1 HD");

    // Each field the user changed comes from the record; the rest stays.
    record.polarity = 0;  // still what "L" reads as
    record.fec = 3;       // 3/4
    record.audioPid = 104;
    record.scrambled = 0;
    record.rotorPosition = 2;  // Astra 19.2°E
    record.setName("CT1");
    now = currentExtras(record, carried, "S19.2E");
    EXPECT_EQ(now.polarization, Polarization::Left);
    EXPECT_EQ(now.codeRate, CodeRate::R3_4);
    EXPECT_EQ(now.modulation, Modulation::Psk8);
    ASSERT_EQ(now.audio.size(), 2u);
    EXPECT_EQ(now.audio[0].pid, 104);
    EXPECT_EQ(now.audio[1], carried.audio[1]);
    EXPECT_TRUE(now.caIds.empty());
    EXPECT_EQ(now.source, "S19.2E");
    EXPECT_TRUE(now.fullName.empty());
}

TEST(RecordTuning, ARecordAloneMeansSatelliteForNoQamAndCableForQam) {
    ChannelRecord satellite = ChannelRecord::newChannel(1);
    satellite.frequency = 12'188'000;
    satellite.scrambled = 1;
    ChannelExtras now = currentExtras(satellite, {}, "S19.2E");
    EXPECT_EQ(now.system, DeliverySystem::DvbS);
    EXPECT_EQ(now.frequencyHz, 12'188'000'000u);
    EXPECT_EQ(now.modulation, Modulation::Qpsk);
    EXPECT_EQ(now.caIds, std::vector<std::uint16_t>{kDefaultCaId});
    EXPECT_EQ(now.source, "S19.2E");

    ChannelRecord cable = ChannelRecord::newChannel(1);
    cable.qam = 5;
    cable.frequency = 346'000'000;
    now = currentExtras(cable, {}, "S19.2E");
    EXPECT_EQ(now.system, DeliverySystem::DvbC);
    EXPECT_EQ(now.frequencyHz, 346'000'000u);
    EXPECT_EQ(now.modulation, Modulation::Qam256);
    EXPECT_TRUE(now.source.empty());
}

}  // namespace
}  // namespace qvx
