// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "FormatTestSupport.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::hexBytes;

using ExtremeSpan = std::span<const std::uint8_t, kDvbExtremeRecordSize>;

ChannelRecord sampleChannel() {
    ChannelRecord r = ChannelRecord::newChannel(1);
    r.setName("Das Erste");
    r.setTransponderText("19.2E");
    r.serviceId = 28106;
    r.pmtPid = 100;
    r.frequency = 12000999;
    r.symbolRate = 27500999;
    r.fec = 3;
    r.auxTuning = 0x12;
    r.polarity = 1;
    r.lnb = 12;
    r.videoPid = 101;
    r.audioPid = 102;
    r.ac3Pid = 105;
    r.pcrPid = 103;
    r.scrambled = 1;
    r.pmcPid = 0x0123;
    r.teletextPid = 104;
    r.transportStreamId = 1101;
    r.networkId = 1;
    r.dvbxExtra1 = 0x1234;
    r.dvbxExtra2 = 0x5678;
    r.rotorPosition = 7;
    r.volume = 80;
    // Never written back.
    r.dvbxExtra3 = 0x33;
    r.dvbxExtra4 = 0x44;
    r.dvbxParentNumber = 999;
    r.qam = 2;
    r.tvSignal = 1;
    return r;
}

TEST(DvbExtremeFormat, ChannelIsWrittenAsTheTableLaysItOut) {
    const DvbExtremeRecord raw = dvbExtremeFromRecord(sampleChannel(), 5, 30002);
    const Bytes expected = hexBytes(
        "44 56 42 78"              // 0 magic DVBx
        "05 00"                    // 4 entry number
        "01"                       // 6 service type
        "CA 6D 00 00"              // 7 service ID, zero-extended
        "64 00"                    // 11 PMT PID
        "E0 2E"                    // 13 12000 MHz
        "6C 6B 00 00"              // 15 27500 ksymbols/s
        "03 12 01 03"              // 19 FEC, tuning byte, polarity, LNB 12 written as 3
        "65 00 66 00 69 00 67 00"  // 23 video, audio, AC3, PCR PID
        "00 00"                    // 31 reserved
        "FF 01"                    // 33 scrambled marker 0x01FF
        "23 01"                    // 35 PMC PID
        "00"                       // 37 extra byte, written as 0
        "68 00 4D 04"              // 38 teletext PID, transport stream 1101
        "44 61 73 20 45 72 73 74 65 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20"  // 42 name, blanks
        "00 00 00 00"              // 66 extra byte (0), reserved
        "32 75"                    // 70 parent number 30002
        "00"                       // 72 reserved
        "01 00"                    // 73 network ID
        "34 12"                    // 75 extra word 1
        "07 50"                    // 77 rotor position, volume 80
        "78 56"                    // 79 extra word 2
        "00 00 00 00 00 00 00 00");  // 81 reserved
    EXPECT_EQ(Bytes(raw.begin(), raw.end()), expected);
}

TEST(DvbExtremeFormat, ProviderHasNoFrequencyNorSymbolRate) {
    ChannelRecord provider = ChannelRecord::newProvider(1);
    provider.frequency = 12000000;
    provider.symbolRate = 27500000;
    const DvbExtremeRecord raw = dvbExtremeFromRecord(provider, 30001, 0);
    EXPECT_EQ(Bytes(raw.begin() + 13, raw.begin() + 19), hexBytes("00 00 00 00 00 00"));
    EXPECT_EQ(Bytes(raw.begin() + 4, raw.begin() + 6), hexBytes("31 75"));
}

TEST(DvbExtremeFormat, LongNameKeeps24CharactersWithoutTerminator) {
    ChannelRecord r = sampleChannel();
    r.setName("abcdefghijklmnopqrstuvwxyz1234");
    const DvbExtremeRecord raw = dvbExtremeFromRecord(r, 1, 30001);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(raw.data() + 42), 24), "abcdefghijklmnopqrstuvwx");
    EXPECT_EQ(raw[66], 0);
}

TEST(DvbExtremeFormat, RecordIsReadIntoAConvertedChannelRecord) {
    Bytes raw = hexBytes(
        "58 58 58 58 05 00 02 CA 6D 07 00 64 00 E0 2E 6C 6B 00 00 03 12 01 06"
        "65 00 66 00 69 00 67 00 AB CD 00 01 23 01 44 68 00 4D 04"
        "41 42 43 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20 20"
        "33 99 99 99 32 75 99 01 00 34 12 07 50 78 56 99 99 99 99 99 99 99 99");
    ASSERT_EQ(raw.size(), kDvbExtremeRecordSize);
    const ChannelRecord r = recordFromDvbExtreme(ExtremeSpan(raw.data(), raw.size()));
    EXPECT_EQ(std::string(r.tag, 5), std::string("QRVX") + '\0');
    EXPECT_EQ(std::string(r.version, 2), std::string("1") + '\0');
    EXPECT_EQ(r.nameText(), "ABC" + std::string(20, ' '));  // trailing blanks stay, 23 characters
    EXPECT_EQ(r.transponderText(), "");
    EXPECT_EQ(r.isChannel, 1);
    EXPECT_EQ(r.serviceType, 2);
    EXPECT_EQ(r.serviceId, 28106);  // low 16 bits of 0x00076DCA
    EXPECT_EQ(r.pmtPid, 100);
    EXPECT_EQ(r.frequency, 12000000u);
    EXPECT_EQ(r.symbolRate, 27500000u);
    EXPECT_EQ(r.fec, 3);
    EXPECT_EQ(r.auxTuning, 0x12);
    EXPECT_EQ(r.polarity, 1);
    EXPECT_EQ(r.lnb, 2);  // 6 AND 3
    EXPECT_EQ(r.videoPid, 101);
    EXPECT_EQ(r.audioPid, 102);
    EXPECT_EQ(r.ac3Pid, 105);
    EXPECT_EQ(r.pcrPid, 103);
    EXPECT_EQ(r.scrambled, 1);  // byte 34 is not 0
    EXPECT_EQ(r.pmcPid, 0x0123);
    EXPECT_EQ(r.dvbxExtra4, 0x44);
    EXPECT_EQ(r.teletextPid, 104);
    EXPECT_EQ(r.transportStreamId, 1101);
    EXPECT_EQ(r.dvbxExtra3, 0x33);
    EXPECT_EQ(r.dvbxParentNumber, 30002);
    EXPECT_EQ(r.networkId, 1);
    EXPECT_EQ(r.dvbxExtra1, 0x1234);
    EXPECT_EQ(r.rotorPosition, 7);
    EXPECT_EQ(r.volume, 80);
    EXPECT_EQ(r.dvbxExtra2, 0x5678);
    EXPECT_EQ(r.qam, 0);
    EXPECT_EQ(r.tvSignal, 0);
    EXPECT_EQ(r.reservedA, 1);
    EXPECT_EQ(r.reservedB, 0);
    EXPECT_EQ(r.reservedD, 1);

    raw[34] = 0;
    raw[33] = 0xFF;
    EXPECT_EQ(recordFromDvbExtreme(ExtremeSpan(raw.data(), raw.size())).scrambled, 0);
    raw[13] = raw[14] = 0;
    const ChannelRecord provider = recordFromDvbExtreme(ExtremeSpan(raw.data(), raw.size()));
    EXPECT_EQ(provider.isChannel, 0);
    EXPECT_EQ(provider.serviceType, 0);
}

TEST(DvbExtremeFormat, SymbolRateIsMultipliedIn32Bits) {
    Bytes raw(kDvbExtremeRecordSize, 0);
    raw[13] = 1;
    raw[15] = 0xFF;
    raw[16] = 0xFF;
    raw[17] = 0xFF;
    raw[18] = 0xFF;  // 4294967295 * 1000 wraps to 4294966296
    EXPECT_EQ(recordFromDvbExtreme(ExtremeSpan(raw.data(), raw.size())).symbolRate, 4294966296u);
}

// Entry number (offset 4) and parent number (offset 70) of the nth record.
std::string numbersOf(const Bytes& file, std::size_t index) {
    const std::uint8_t* at = file.data() + index * kDvbExtremeRecordSize;
    return std::to_string(at[4] | (at[5] << 8)) + "/" + std::to_string(at[70] | (at[71] << 8));
}

TEST(DvbExtremeFormat, EntriesAreNumberedOverBothTrees) {
    ChannelList list;
    TreeItem* p1 = testing::addProvider(list.television(), "P1");
    testing::addChannel(list.television(), p1, "A");
    testing::addChannel(list.television(), p1, "B");
    TreeItem* p2 = testing::addProvider(list.television(), "P2");
    testing::addChannel(list.television(), p2, "C");
    TreeItem* r1 = testing::addProvider(list.radio(), "R1");
    testing::addChannel(list.radio(), r1, "D");

    MemorySink sink;
    ASSERT_TRUE(writeDvbExtremeList(sink, list.television(), list.radio()));
    ASSERT_EQ(sink.bytes().size(), 7 * kDvbExtremeRecordSize);
    const char* expected[] = {"30001/0", "1/30001", "2/30001", "30002/0", "3/30002", "30003/0", "4/30003"};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(numbersOf(sink.bytes(), i), expected[i]) << "record " << i;
}

TEST(DvbExtremeFormat, NumberingFollowsTheItemLevelNotTheRecord) {
    ChannelList list;
    // A channel standing at the top level is numbered as a provider but keeps
    // its tuning values, which come from the record.
    testing::addChannel(list.television(), nullptr, testing::channelRecord("T", 1, 11836000));
    TreeItem* p = testing::addProvider(list.television(), "P");
    testing::addChannel(list.television(), p, "A");
    MemorySink sink;
    ASSERT_TRUE(writeDvbExtremeList(sink, list.television(), list.radio()));
    EXPECT_EQ(numbersOf(sink.bytes(), 0), "30001/0");
    EXPECT_EQ(sink.bytes()[13] | (sink.bytes()[14] << 8), 11836);
    EXPECT_EQ(numbersOf(sink.bytes(), 1), "30002/0");
    EXPECT_EQ(numbersOf(sink.bytes(), 2), "1/30002");
}

TEST(DvbExtremeFormat, NumbersKeepTheirLow16Bits) {
    ChannelList list;
    TreeItem* p = testing::addProvider(list.television(), "P");
    for (int i = 0; i < 65537; ++i) testing::addChannel(list.television(), p, "c");
    MemorySink sink;
    ASSERT_TRUE(writeDvbExtremeList(sink, list.television(), list.radio()));
    EXPECT_EQ(numbersOf(sink.bytes(), 65535), "65535/30001");
    EXPECT_EQ(numbersOf(sink.bytes(), 65536), "0/30001");
    EXPECT_EQ(numbersOf(sink.bytes(), 65537), "1/30001");
}

TEST(DvbExtremeFormat, ChannelOfServiceTypeZeroIsDroppedAndPartialRecordIgnored) {
    Bytes file(4 * kDvbExtremeRecordSize + 50, 0);
    auto entry = [&](std::size_t index, std::uint16_t megahertz, std::uint8_t type, char name) {
        std::uint8_t* at = file.data() + index * kDvbExtremeRecordSize;
        at[13] = static_cast<std::uint8_t>(megahertz);
        at[14] = static_cast<std::uint8_t>(megahertz >> 8);
        at[6] = type;
        at[42] = static_cast<std::uint8_t>(name);
    };
    entry(0, 0, 1, 'P');
    entry(1, 11836, 1, 'A');
    entry(2, 11836, 0, 'X');
    entry(3, 11836, 2, 'B');
    ChannelList list;
    MemorySource source(file);
    EXPECT_EQ(readDvbExtremeList(source, list.television(), list.radio()).outcome, FileOutcome::Done);
    EXPECT_EQ(testing::shapeOf(list.television()), "P[A]");
    EXPECT_EQ(testing::shapeOf(list.radio()), "P[B]");
}

}  // namespace
}  // namespace qvx
