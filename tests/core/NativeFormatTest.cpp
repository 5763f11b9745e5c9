// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "FormatTestSupport.h"
#include "formats/ListFiles.h"
#include "formats/NativeFormat.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::hexBytes;

Bytes imageBytes(const ChannelRecord& record) {
    const RecordImage image = record.image();
    return Bytes(image.begin(), image.end());
}

Bytes nativeFile(const Bytes& header, const std::vector<ChannelRecord>& records) {
    Bytes file = header;
    for (const ChannelRecord& record : records) {
        const Bytes image = imageBytes(record);
        file.insert(file.end(), image.begin(), image.end());
    }
    return file;
}

FileResult readBytes(const Bytes& file, ChannelList& list) {
    MemorySource source(file);
    return readNativeList(source, list.television(), list.radio());
}

TEST(NativeFormat, HeaderCountsEveryItemOfEachTree) {
    ChannelList list;
    for (const char* name : {"P", "Q"}) {
        TreeItem* provider = testing::addProvider(list.television(), name);
        for (const char* channel : {"a", "b", "c"}) testing::addChannel(list.television(), provider, channel);
    }
    MemorySink sink;
    ASSERT_TRUE(writeNativeList(sink, list.television(), list.radio(), false));
    ASSERT_EQ(sink.bytes().size(), 12 + 8 * kRecordSize);
    EXPECT_EQ(Bytes(sink.bytes().begin(), sink.bytes().begin() + 12),
              hexBytes("08 00 00 00 00 00 00 00 00 00 00 00"));
    // Records follow as held, in entry order.
    EXPECT_EQ(Bytes(sink.bytes().begin() + 12, sink.bytes().begin() + 12 + kRecordSize),
              imageBytes(list.television().topLevelItem(0)->record()));
    EXPECT_EQ(Bytes(sink.bytes().end() - kRecordSize, sink.bytes().end()),
              imageBytes(list.television().topLevelItem(1)->child(2)->record()));
}

TEST(NativeFormat, WinDvbLiveLimitsOnlyTelevisionProvidersToLnb3) {
    ChannelList list;
    auto withLnb = [](ChannelRecord record, std::uint8_t lnb) {
        record.lnb = lnb;
        return record;
    };
    TreeItem* tv = list.television().appendItem(
        nullptr, TreeItem::makeProvider(withLnb(testing::providerRecord("P", 1), 7)));
    list.television().appendItem(tv, TreeItem::makeChannel(withLnb(testing::channelRecord("a", 1), 8)));
    TreeItem* radio =
        list.radio().appendItem(nullptr, TreeItem::makeProvider(withLnb(testing::providerRecord("R", 2), 9)));
    list.radio().appendItem(radio, TreeItem::makeChannel(withLnb(testing::channelRecord("b", 2), 10)));

    constexpr std::size_t kLnb = 156;
    auto lnbs = [&](bool winDvbLive) {
        MemorySink sink;
        EXPECT_TRUE(writeNativeList(sink, list.television(), list.radio(), winDvbLive));
        std::vector<int> out;
        for (std::size_t i = 0; i < 4; ++i) out.push_back(sink.bytes()[12 + i * kRecordSize + kLnb]);
        return out;
    };
    EXPECT_EQ(lnbs(true), (std::vector<int>{3, 8, 9, 10}));
    EXPECT_EQ(lnbs(false), (std::vector<int>{7, 8, 9, 10}));
}

TEST(NativeFormat, QvxAndChlAreIdenticalWhenEveryLnbIsAtMost3) {
    ChannelList list;
    TreeItem* p = testing::addProvider(list.television(), "P");
    ChannelRecord record = testing::channelRecord("a", 1);
    record.lnb = 3;
    testing::addChannel(list.television(), p, record);
    MemorySink qvx, chl;
    ASSERT_TRUE(writeNativeList(qvx, list.television(), list.radio(), false));
    ASSERT_TRUE(writeNativeList(chl, list.television(), list.radio(), true));
    EXPECT_EQ(qvx.bytes(), chl.bytes());
}

TEST(NativeFormat, ReadingKeepsTheImageButResetsTheFieldsItDoesNotTakeOver) {
    ChannelRecord provider = testing::providerRecord("P", 1);
    ChannelRecord channel = testing::channelRecord("A", 1);
    channel.padding90[0] = 0x5A;  // padding is carried as held
    channel.padding157 = 0xA5;
    std::memcpy(channel.version, "v2", 2);
    channel.volume = 40;
    channel.rotorPosition = 12;
    channel.dvbxExtra1 = 1;
    channel.dvbxExtra2 = 2;
    channel.dvbxExtra3 = 3;
    channel.dvbxExtra4 = 4;
    ChannelList list;
    ASSERT_EQ(
        readBytes(nativeFile(hexBytes("01 00 00 00 01 00 00 00 00 00 00 00"), {provider, channel}), list)
            .outcome,
        FileOutcome::Done);
    ASSERT_EQ(testing::shapeOf(list.television()), "P[A]");
    Bytes expected = imageBytes(channel);
    expected[149] = 100;  // volume
    expected[148] = 0;    // rotor position
    for (std::size_t offset : {114, 115, 116, 117, 150, 151}) expected[offset] = 0;
    EXPECT_EQ(imageBytes(list.television().topLevelItem(0)->child(0)->record()), expected);
}

TEST(NativeFormat, AllZeroHeaderClearsTheTreesAndSucceeds) {
    ChannelList list;
    testing::addProvider(list.television(), "old");
    const FileResult result = readBytes(hexBytes("00 00 00 00 00 00 00 00 00 00 00 00"), list);
    EXPECT_EQ(result.outcome, FileOutcome::Done);
    EXPECT_EQ(result.message, "");
    EXPECT_TRUE(list.television().empty());
    EXPECT_TRUE(list.radio().empty());
}

TEST(NativeFormat, ShortHeaderLeavesTheTreesUntouched) {
    ChannelList list;
    testing::addChannel(list.television(), testing::addProvider(list.television(), "old"), "kept");
    const FileResult result = readBytes(hexBytes("01 00 00 00 00 00 00 00 00 00 00"), list);
    EXPECT_EQ(result.outcome, FileOutcome::ShortHeader);
    EXPECT_EQ(result.message, "Error reading DVB_CHANNEL_HEADER");
    EXPECT_EQ(testing::shapeOf(list.television()), "old[kept]");
}

TEST(NativeFormat, ShortRecordKeepsWhatWasBuiltWithoutTheEndStep) {
    ChannelList list;
    testing::addProvider(list.radio(), "old");
    // Five announced, three present: P, A, then Q that gets no channel.
    Bytes file = nativeFile(
        hexBytes("03 00 00 00 02 00 00 00 00 00 00 00"),
        {testing::providerRecord("P", 1), testing::channelRecord("A", 1), testing::providerRecord("Q", 1)});
    file.insert(file.end(), 100, 0);  // part of a fourth record
    const FileResult result = readBytes(file, list);
    EXPECT_EQ(result.outcome, FileOutcome::ReadFailed);
    EXPECT_EQ(result.message, "Error reading Radio DVB_CHANNELS");
    EXPECT_EQ(testing::shapeOf(list.television()), "P[A] Q");
    EXPECT_EQ(testing::shapeOf(list.radio()), "Q");
}

TEST(NativeFormat, CountIsTheSumOfAllThreeFieldsIn32Bits) {
    const std::vector<ChannelRecord> records = {testing::providerRecord("P", 2),
                                                testing::channelRecord("A", 0)};
    ChannelList list;
    // 0xFFFFFFFF + 2 + 1 wraps to 2: the channel of kind 0 follows its provider.
    EXPECT_EQ(readBytes(nativeFile(hexBytes("FF FF FF FF 02 00 00 00 01 00 00 00"), records), list).outcome,
              FileOutcome::Done);
    EXPECT_EQ(testing::shapeOf(list.radio()), "P[A]");
    // The reserved field counts too.
    EXPECT_EQ(readBytes(nativeFile(hexBytes("00 00 00 00 00 00 00 00 02 00 00 00"), records), list).outcome,
              FileOutcome::Done);
    EXPECT_EQ(testing::shapeOf(list.radio()), "P[A]");
}

TEST(NativeFormat, HugeAnnouncedCountReadsUntilTheDataEnds) {
    ChannelList list;
    const FileResult result =
        readBytes(nativeFile(hexBytes("FF FF FF 7F FF FF FF 7F 00 00 00 00"),
                             {testing::providerRecord("P", 1), testing::channelRecord("A", 1)}),
                  list);
    EXPECT_EQ(result.outcome, FileOutcome::ReadFailed);
    EXPECT_EQ(result.message, "Error reading Radio DVB_CHANNELS");
    EXPECT_EQ(testing::shapeOf(list.television()), "P[A]");
}

}  // namespace
}  // namespace qvx
