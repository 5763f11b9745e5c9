// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "FormatTestSupport.h"
#include "formats/Dvb98Format.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::hexBytes;

ChannelRecord sampleChannel() {
    ChannelRecord r = ChannelRecord::newChannel(1);
    r.setName("Das Erste");
    r.setTransponderText("19.2E");
    r.serviceId = 28106;
    r.pmtPid = 100;
    r.frequency = 12000000;
    r.symbolRate = 27500000;
    r.fec = 3;
    r.auxTuning = 0x12;
    r.polarity = 1;
    r.lnb = 7;
    r.videoPid = 101;
    r.audioPid = 102;
    r.pcrPid = 103;
    r.scrambled = 2;
    r.pmcPid = 0x0123;
    r.teletextPid = 104;
    r.transportStreamId = 1101;
    r.networkId = 1;
    // What the format cannot hold.
    r.ac3Pid = 105;
    r.qam = 2;
    r.tvSignal = 1;
    r.rotorPosition = 9;
    r.volume = 80;
    r.dvbxExtra1 = 0x1234;
    return r;
}

TEST(Dvb98Format, ChannelIsWrittenAsTheTableLaysItOut) {
    const Dvb98Record raw = dvb98FromRecord(sampleChannel());
    const Bytes expected = hexBytes(
        "44 56 53 4F"              // 0 magic DVSO
        "6D CA"                    // 4 service ID 28106
        "00 64"                    // 6 PMT PID
        "2E E0"                    // 8 12000 MHz
        "6B 6C"                    // 10 27500 ksymbols/s
        "03 12 01 03"              // 12 FEC, tuning byte, polarity, LNB 7 written as 3
        "00 65 00 66 00 67"        // 16 video, audio, PCR PID
        "01 FF"                    // 22 scrambled
        "01 23"                    // 24 PMC PID
        "00 01"                    // 26 reserved, service type
        "00 68 04 4D"              // 28 teletext PID, transport stream 1101
        "44 61 73 20 45 72 73 74 65 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"  // 32 name
        "00 00 00 00 00 00"        // 56 reserved
        "00 01");                  // 62 network ID
    EXPECT_EQ(Bytes(raw.begin(), raw.end()), expected);
}

TEST(Dvb98Format, ProviderHasNoFrequencyAndFreeIsZero) {
    ChannelRecord provider = ChannelRecord::newProvider(2);
    provider.setName("ARD");
    provider.frequency = 11000000;  // a provider never carries one into the file
    provider.symbolRate = 27500000;
    const Dvb98Record raw = dvb98FromRecord(provider);
    EXPECT_EQ(Bytes(raw.begin() + 8, raw.begin() + 12), hexBytes("00 00 00 00"));
    EXPECT_EQ(Bytes(raw.begin() + 22, raw.begin() + 24), hexBytes("00 00"));
    EXPECT_EQ(raw[27], 2);
}

TEST(Dvb98Format, NameKeepsItsFirst23CharactersAndByte55IsZero) {
    ChannelRecord r = sampleChannel();
    r.setName("abcdefghijklmnopqrstuvwxyz1234");  // 30 characters
    const Dvb98Record raw = dvb98FromRecord(r);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(raw.data() + 32), 24),
              std::string("abcdefghijklmnopqrstuvw") + '\0');
}

TEST(Dvb98Format, NumbersAreCutToMegahertzAndToTheirLow16Bits) {
    ChannelRecord r = sampleChannel();
    r.frequency = 999;  // below one MHz: comes back as a provider entry
    EXPECT_EQ(dvb98FromRecord(r)[8], 0);
    EXPECT_EQ(dvb98FromRecord(r)[9], 0);
    r.frequency = 70000000;  // 70000 = 0x11170, low bits 0x1170
    r.symbolRate = 65536999;  // 65536 -> 0x0000
    const Dvb98Record raw = dvb98FromRecord(r);
    EXPECT_EQ(Bytes(raw.begin() + 8, raw.begin() + 12), hexBytes("11 70 00 00"));
}

TEST(Dvb98Format, RecordIsReadIntoAConvertedChannelRecord) {
    Bytes raw = hexBytes(
        "44 56 53 4F 6D CA 00 64 2E E0 6B 6C 03 12 01 4B 00 65 00 66 00 67 00 01 01 23 07 01"
        "00 68 04 4D 4B E4 73 65 20 54 56 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
        "AA BB CC DD EE FF 00 01");
    ASSERT_EQ(raw.size(), kDvb98RecordSize);
    const ChannelRecord r = recordFromDvb98(std::span<const std::uint8_t, kDvb98RecordSize>(raw.data(), 64));
    EXPECT_EQ(std::string(r.tag, 5), std::string("QRVX") + '\0');
    EXPECT_EQ(std::string(r.version, 2), std::string("1") + '\0');
    EXPECT_EQ(r.nameText(), "Kse TV");  // 0xE4 dropped, the rest closes up
    EXPECT_EQ(r.transponderText(), "");
    EXPECT_EQ(r.isChannel, 1);
    EXPECT_EQ(r.serviceType, 1);
    EXPECT_EQ(r.serviceId, 28106);
    EXPECT_EQ(r.pmtPid, 100);
    EXPECT_EQ(r.frequency, 12000000u);
    EXPECT_EQ(r.symbolRate, 27500000u);
    EXPECT_EQ(r.fec, 3);
    EXPECT_EQ(r.auxTuning, 0x12);
    EXPECT_EQ(r.polarity, 1);
    EXPECT_EQ(r.lnb, 59);  // 75 read as 59
    EXPECT_EQ(r.videoPid, 101);
    EXPECT_EQ(r.audioPid, 102);
    EXPECT_EQ(r.pcrPid, 103);
    EXPECT_EQ(r.scrambled, 0);  // 00 01: the first byte decides
    EXPECT_EQ(r.pmcPid, 0x0123);
    EXPECT_EQ(r.teletextPid, 104);
    EXPECT_EQ(r.transportStreamId, 1101);
    EXPECT_EQ(r.networkId, 1);
    EXPECT_EQ(r.ac3Pid, 0);
    EXPECT_EQ(r.qam, 0);
    EXPECT_EQ(r.tvSignal, 0);
    EXPECT_EQ(r.rotorPosition, 0);
    EXPECT_EQ(r.volume, 100);
    EXPECT_EQ(r.reservedA, 1);
    EXPECT_EQ(r.reservedB, 0);
    EXPECT_EQ(r.reservedD, 1);
    EXPECT_EQ(r.dvbxExtra1 | r.dvbxExtra2 | r.dvbxParentNumber | r.dvbxExtra3 | r.dvbxExtra4, 0);

    raw[22] = 0x01;
    raw[23] = 0x00;
    EXPECT_EQ(recordFromDvb98(std::span<const std::uint8_t, 64>(raw.data(), 64)).scrambled, 1);
    raw[8] = raw[9] = 0;  // no frequency: a provider entry, whatever byte 27 says
    const ChannelRecord provider = recordFromDvb98(std::span<const std::uint8_t, 64>(raw.data(), 64));
    EXPECT_EQ(provider.isChannel, 0);
    EXPECT_EQ(provider.serviceType, 0);
}

TEST(Dvb98Format, NameWithoutTerminatorEndsAfter23Characters) {
    Bytes raw(64, 0);
    std::memset(raw.data() + 32, 'x', 24);
    raw[56] = 'y';  // the byte after the field must not join the name
    const ChannelRecord r = recordFromDvb98(std::span<const std::uint8_t, 64>(raw.data(), 64));
    EXPECT_EQ(r.nameText(), std::string(23, 'x'));
}

Bytes dvb98Entry(std::uint16_t megahertz, std::uint8_t serviceType, char name) {
    Bytes raw(64, 0);
    raw[8] = static_cast<std::uint8_t>(megahertz >> 8);
    raw[9] = static_cast<std::uint8_t>(megahertz);
    raw[27] = serviceType;
    raw[32] = static_cast<std::uint8_t>(name);
    return raw;
}

TEST(Dvb98Format, ListReadingGroupsByOrderAndDropsChannelsOfUnsetKind) {
    Bytes file;
    for (const Bytes& entry : {dvb98Entry(0, 1, 'P'), dvb98Entry(11836, 1, 'A'), dvb98Entry(11836, 0, 'X'),
                               dvb98Entry(12000, 2, 'B'), dvb98Entry(0, 0, 'Q'), dvb98Entry(12100, 2, 'C')})
        file.insert(file.end(), entry.begin(), entry.end());
    file.insert(file.end(), 63, 0x55);  // a trailing part of a record is ignored
    ChannelList list;
    testing::addProvider(list.television(), "old");
    MemorySource source(file);
    const FileResult result = readDvb98List(source, list.television(), list.radio());
    EXPECT_EQ(result.outcome, FileOutcome::Done);
    EXPECT_EQ(result.message, "");
    EXPECT_EQ(testing::shapeOf(list.television()), "P[A]");
    EXPECT_EQ(testing::shapeOf(list.radio()), "P[B] Q[C]");
}

TEST(Dvb98Format, EmptyFileClearsBothTrees) {
    ChannelList list;
    testing::addChannel(list.radio(), testing::addProvider(list.radio(), "old"), "x");
    MemorySource source({});
    EXPECT_EQ(readDvb98List(source, list.television(), list.radio()).outcome, FileOutcome::Done);
    EXPECT_TRUE(list.television().empty());
    EXPECT_TRUE(list.radio().empty());
}

}  // namespace
}  // namespace qvx
