// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "FormatTestSupport.h"
#include "formats/Dvb98Format.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/ListFiles.h"
#include "formats/NativeFormat.h"

namespace qvx {
namespace {

using testing::Bytes;

struct Reader {
    const char* extension;
    std::size_t recordSize;
    std::size_t headerSize;
    FileResult (*read)(ByteSource&, ChannelTree&, ChannelTree&);
};

const Reader kReaders[] = {
    {"qvx", kRecordSize, kNativeHeaderSize, readNativeList},
    {"dvb", kDvb98RecordSize, 0, readDvb98List},
    {"xch", kDvbExtremeRecordSize, 0, readDvbExtremeList},
};

// Whatever the bytes, the result is one the reader may give, and the trees
// hold only what the bytes can account for, in a shape the trees allow.
void checkReadOf(const Reader& reader, const Bytes& data) {
    ChannelList list;
    MemorySource source(data);
    const FileResult result = reader.read(source, list.television(), list.radio());
    if (reader.headerSize == 0) {
        ASSERT_EQ(result.outcome, FileOutcome::Done);
        ASSERT_EQ(result.message, "");
    } else if (result.outcome == FileOutcome::ShortHeader) {
        ASSERT_LT(data.size(), reader.headerSize);
        ASSERT_EQ(result.message, "Error reading DVB_CHANNEL_HEADER");
    } else if (result.outcome == FileOutcome::ReadFailed) {
        ASSERT_EQ(result.message, "Error reading Radio DVB_CHANNELS");
    } else {
        ASSERT_EQ(result.outcome, FileOutcome::Done);
        ASSERT_EQ(result.message, "");
    }
    const std::size_t records =
        data.size() < reader.headerSize ? 0 : (data.size() - reader.headerSize) / reader.recordSize;
    // A provider entry makes one item in each tree; a channel at most one.
    ASSERT_LE(list.television().itemCount() + list.radio().itemCount(), 2 * records);
    for (const ChannelTree* tree : {&list.television(), &list.radio()}) {
        for (const auto& top : tree->topLevelItems()) {
            ASSERT_EQ(top->record().serviceType, tree->serviceType());
            if (top->record().isChannel == 0) {
                ASSERT_EQ(top->record().frequency, 0u);
                ASSERT_EQ(top->record().symbolRate, 0u);
                ASSERT_TRUE(top->isBold());
            } else {
                ASSERT_FALSE(top->hasChildren());
            }
            for (const auto& child : top->children()) {
                ASSERT_NE(child->record().isChannel, 0);
                ASSERT_EQ(child->record().serviceType, tree->serviceType());
                ASSERT_FALSE(child->hasChildren());
            }
        }
    }
}

Bytes validFile(const Reader& reader) {
    ChannelList list;
    for (int p = 0; p < 4; ++p) {
        ChannelTree& tree = p % 2 == 0 ? list.television() : list.radio();
        TreeItem* provider = testing::addProvider(tree, "Provider " + std::to_string(p));
        for (int c = 0; c < 5; ++c) {
            ChannelRecord record = testing::channelRecord("Channel " + std::to_string(c), tree.serviceType());
            record.scrambled = static_cast<std::uint16_t>(c % 2);
            testing::addChannel(tree, provider, record);
        }
    }
    MemorySink sink;
    const std::string extension = reader.extension;
    if (extension == "qvx") writeNativeList(sink, list.television(), list.radio(), false);
    if (extension == "dvb") writeDvb98List(sink, list.television(), list.radio());
    if (extension == "xch") writeDvbExtremeList(sink, list.television(), list.radio());
    return sink.bytes();
}

TEST(ReaderRobustness, RandomBytes) {
    std::mt19937 random(20240607);
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.extension);
        for (int round = 0; round < 300; ++round) {
            Bytes data(std::uniform_int_distribution<std::size_t>(0, 3000)(random));
            for (auto& byte : data) byte = static_cast<std::uint8_t>(random());
            ASSERT_NO_FATAL_FAILURE(checkReadOf(reader, data)) << "round " << round;
        }
    }
}

TEST(ReaderRobustness, EveryTruncationOfAValidFile) {
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.extension);
        const Bytes file = validFile(reader);
        for (std::size_t length = 0; length <= file.size(); ++length)
            ASSERT_NO_FATAL_FAILURE(checkReadOf(reader, Bytes(file.begin(), file.begin() + length)))
                << "length " << length;
    }
}

TEST(ReaderRobustness, BitFlipsInAValidFile) {
    std::mt19937 random(77);
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.extension);
        const Bytes file = validFile(reader);
        std::uniform_int_distribution<std::size_t> position(0, file.size() - 1);
        for (int round = 0; round < 2000; ++round) {
            Bytes data = file;
            const int flips = 1 + round % 8;
            for (int i = 0; i < flips; ++i)
                data[position(random)] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            ASSERT_NO_FATAL_FAILURE(checkReadOf(reader, data)) << "round " << round;
        }
    }
}

TEST(ReaderRobustness, HeaderAnnouncingFourBillionRecords) {
    // Must not try to make room for them: the read ends at the data's end.
    Bytes data = testing::hexBytes("FF FF FF FF 00 00 00 00 00 00 00 00");
    const Bytes records = validFile(kReaders[1]);  // any bytes will do as records
    data.insert(data.end(), records.begin(), records.end());
    ChannelList list;
    MemorySource source(data);
    const FileResult result = readNativeList(source, list.television(), list.radio());
    EXPECT_EQ(result.outcome, FileOutcome::ReadFailed);
    EXPECT_EQ(result.message, "Error reading Radio DVB_CHANNELS");
}

TEST(ReaderRobustness, BytesOfEveryValueSurviveInTextFields) {
    ChannelRecord record = testing::channelRecord("", 1);
    for (int i = 0; i < 31; ++i) record.name[i] = static_cast<char>(0x80 + i * 4);  // no zero inside
    record.name[31] = 'Z';  // no terminator at all: the field ends the name
    ChannelList list;
    list.television().appendItem(
        list.television().appendItem(nullptr, TreeItem::makeProvider(testing::providerRecord("P", 1))),
        TreeItem::makeChannel(record));
    MemorySink sink;
    ASSERT_TRUE(writeNativeList(sink, list.television(), list.radio(), false));
    ChannelList reread;
    MemorySource source(sink.bytes());
    ASSERT_EQ(readNativeList(source, reread.television(), reread.radio()).outcome, FileOutcome::Done);
    const ChannelRecord& back = reread.television().topLevelItem(0)->child(0)->record();
    EXPECT_EQ(std::string(back.name, 32), std::string(record.name, 32));
    EXPECT_EQ(back.nameText().size(), 32u);
}

}  // namespace
}  // namespace qvx
