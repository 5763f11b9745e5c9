// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "FormatTestSupport.h"
#include "files/ByteStream.h"
#include "formats/JsonFormat.h"
#include "formats/ListFiles.h"
#include "model/EntryWalk.h"

namespace qvx {
namespace {

// Every item in file order: tree, level, label, looks and all 172 bytes.
std::string dumpOf(const ChannelList& list) {
    std::string out;
    walkEntries(list.television(), list.radio(), [&](const Entry& entry) {
        out += &entry.tree == &list.television() ? 'T' : 'R';
        out += entry.topLevel ? '0' : '1';
        out += entry.item.label() + '|' + (entry.item.isBold() ? 'b' : '-');
        out += std::to_string(entry.item.image()) + ',' + std::to_string(entry.item.selectedImage()) + ':';
        const RecordImage image = entry.item.record().image();
        out.append(reinterpret_cast<const char*>(image.data()), image.size());
        out += '\n';
    });
    return out;
}

std::string jsonOf(const ChannelList& list) {
    MemorySink sink;
    EXPECT_TRUE(writeJsonList(sink, list));
    return std::string(sink.bytes().begin(), sink.bytes().end());
}

FileResult readJson(std::string_view text, ChannelList& list) {
    MemorySource source({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return readJsonList(source, list);
}

TEST(JsonFormat, EveryExampleComesBackByteForByte) {
    const std::string folder = std::string(QVX_SOURCE_DIR) + "/examples/sample.";
    for (const ListFormatEntry& format : listFormats()) {
        // Written only (VLC), or a second extension of a format (".m3u8"): no sample of its own.
        if (!format.read || &listFormatEntry(format.format) != &format) continue;
        SCOPED_TRACE(std::string(format.toolName));
        // Formats that share an extension have their name in front of it (sample.dvbv5.conf).
        const std::string path = folder + (extensionIsShared(format.extension) ? std::string(format.toolName) + "." : "") +
                                 std::string(format.extension);
        ChannelList list;
        ASSERT_TRUE(readList(path, format.format, list).ok());
        ASSERT_GT(list.television().itemCount(), 0u);
        ChannelList reread;
        const FileResult result = readJson(jsonOf(list), reread);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(dumpOf(reread), dumpOf(list));
        // Written back in its own format, it is what the list read from the file writes.
        MemorySink direct, again;
        ASSERT_TRUE(format.write(direct, list, {}));
        ASSERT_TRUE(format.write(again, reread, {}));
        EXPECT_EQ(again.bytes(), direct.bytes());
        // qvx -> json -> qvx gives the file itself.
        if (format.format == ListFormat::Native || format.format == ListFormat::Json) {
            EXPECT_EQ(again.bytes(), testing::readFileBytes(path));
        }
    }
}

// Records of random bytes: texts without terminators, C1 controls and the five
// bytes windows-1252 leaves undefined, quotes and backslashes, all padding.
TEST(JsonFormat, RandomRecordsKeepEveryByte) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        ChannelList list;
        for (ChannelTree* tree : {&list.television(), &list.radio()}) {
            for (int top = 0; top < 3; ++top) {
                auto randomRecord = [&](bool channel) {
                    RecordImage image;
                    for (std::uint8_t& byte : image) byte = static_cast<std::uint8_t>(random());
                    ChannelRecord record = ChannelRecord::fromImage(image);
                    // What every record in a tree holds: its kind, and a provider no tuning.
                    if (channel) {
                        record.isChannel = static_cast<std::uint8_t>(record.isChannel | 1);
                        record.serviceType = tree->serviceType();
                    } else {
                        record.makeProvider(tree->serviceType());
                    }
                    return record;
                };
                const bool providerOnTop = top != 2 || round % 2 == 0;
                TreeItem* item = tree->appendItem(nullptr, providerOnTop
                                                               ? TreeItem::makeProvider(randomRecord(false))
                                                               : TreeItem::makeChannel(randomRecord(true)));
                for (int child = 0; child < 3; ++child)
                    tree->appendItem(item, TreeItem::makeChannel(randomRecord(true)));
            }
        }
        ChannelList reread;
        const FileResult result = readJson(jsonOf(list), reread);
        ASSERT_TRUE(result.ok()) << "round " << round << ": " << result.message;
        ASSERT_EQ(dumpOf(reread), dumpOf(list)) << "round " << round;
    }
}

// Bytes put at their offsets of the record layout, little-endian.
struct Image {
    RecordImage bytes{};
    Image& at(std::size_t offset, std::string_view text) {
        std::memcpy(bytes.data() + offset, text.data(), text.size());
        return *this;
    }
    Image& number(std::size_t offset, std::uint64_t value, std::size_t width) {
        for (std::size_t i = 0; i < width; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
        return *this;
    }
    std::string hex() const {
        std::string out;
        for (const std::uint8_t byte : bytes) {
            out += "0123456789abcdef"[byte >> 4];
            out += "0123456789abcdef"[byte & 0xF];
        }
        return out;
    }
};

TEST(JsonFormat, NamedFieldsWinOverTheImageWhichGivesTheRest) {
    // tag "QRVX", version "1", name "Alpha" with "Omega" after its terminator, a channel
    // of television at 11836000 kHz, 27500000 sym/s, padding byte 90 set to 0xEE.
    const Image image = Image{}
                            .at(0, "QRVX").at(8, "1").at(24, std::string("Alpha\0Omega", 11))
                            .number(88, 1, 1).number(89, 1, 1).number(90, 0xEE, 1)
                            .number(92, 11836000, 4).number(96, 27500000, 4).number(160, 28106, 2);
    const std::string json = R"({"television": [{"record": {"name": "P"}, "children": [)"
                             R"({"name": "Beta", "frequency": 11953000, "reservedWords": [1, 2, 3, 4, 65535], "image": ")" +
                             image.hex() + R"("}, {"name": "New", "lnb": 7}]}], "radio": []})";
    ChannelList list;
    const FileResult result = readJson(json, list);
    ASSERT_TRUE(result.ok()) << result.message;
    ASSERT_EQ(testing::shapeOf(list.television()), "P[Beta,New]");

    // "Beta" and its terminator over "Alpha"; "\0Omega" after it stays.
    Image expected = image;
    expected.at(24, std::string("Beta\0\0Omega", 11)).number(92, 11953000, 4);
    for (std::size_t i = 0; i < 5; ++i) expected.number(120 + 2 * i, i < 4 ? i + 1 : 65535, 2);
    EXPECT_EQ(list.television().topLevelItem(0)->child(0)->record().image(), expected.bytes);

    // Without an image: a new provider, a new channel; texts zero after their end.
    const Image provider = Image{}.at(0, "K\xD6LSCH  ").at(24, "P").number(89, 1, 1).number(112, 1, 1).number(169, 1, 1);
    EXPECT_EQ(list.television().topLevelItem(0)->record().image(), provider.bytes);
    const Image channel = Image{}
                              .at(0, "K\xD6LSCH  ").at(24, "New").number(88, 1, 1).number(89, 1, 1)
                              .number(92, 12000000, 4).number(96, 27500000, 4).number(112, 1, 1).number(156, 7, 1)
                              .number(169, 1, 1);
    EXPECT_EQ(list.television().topLevelItem(0)->child(1)->record().image(), channel.bytes);
}

TEST(JsonFormat, MinusZeroIsZero) {
    ChannelList list;
    ASSERT_TRUE(readJson(R"({"radio": [{"record": {"lnb": -0, "reservedWords": [-0, 0, 0, 0, 1]}}]})", list).ok());
    EXPECT_EQ(list.radio().topLevelItem(0)->record().lnb, 0);
    EXPECT_EQ(list.radio().topLevelItem(0)->record().reservedWords[4], 1);
}

TEST(JsonFormat, ANameMayFillItsWholeFieldAndTakesWindows1252) {
    const std::string name32 = "\xE2\x82\xAC" + std::string(31, 'n');  // "€" (0x80) and 31 letters: 32 bytes
    ChannelList list;
    ASSERT_TRUE(readJson(R"({"radio": [{"record": {"name": ")" + name32 + R"("}, "children": []}]})", list).ok());
    const ChannelRecord& record = list.radio().topLevelItem(0)->record();
    EXPECT_EQ(std::string(record.name, 32), "\x80" + std::string(31, 'n'));
    EXPECT_EQ(record.transponder[0], 0);  // nothing ran over into the next field
}

// Each kind of bad input, with the place and the reason.
TEST(JsonFormat, BadInputIsNamedByItsPlaceAndNothingIsKept) {
    const std::string image171 = std::string(342, '0');
    const struct {
        std::string json;
        std::string message;
    } cases[] = {
        {R"({"television": [{"record": {}, "children": [{}, {}, {"lnb": 300}]}]})",
         "television[0].children[2].lnb: 300 is out of range 0..255"},
        {R"({"radio": [{"record": {"frequency": 4294967296}}]})",
         "radio[0].record.frequency: 4294967296 is out of range 0..4294967295"},
        {R"({"radio": [{"record": {"serviceId": -1}}]})", "radio[0].record.serviceId: -1 is out of range 0..65535"},
        {R"({"radio": [{"record": {"volume": 1.5}}]})", "radio[0].record.volume: 1.5 is not an integer"},
        {R"({"radio": [{"record": {"lnb": "3"}}]})", "radio[0].record.lnb: expected an integer, found a text"},
        {R"({"radio": [{"record": {"name": 3}}]})", "radio[0].record.name: expected a text, found an integer"},
        {R"({"radio": {}})", "radio: expected an array, found an object"},
        {R"({"radio": [{"record": {"reservedWords": [0, 0, true]}}]})",
         "radio[0].record.reservedWords[2]: expected an integer, found true"},
        {R"({"radio": [{"record": {"reservedWords": [0, 0, 0]}}]})",
         "radio[0].record.reservedWords: expected 5 numbers, found 3"},
        {R"({"radio": [{"record": {"reservedLongs": [0, 0, 0, 0, 0]}}]})",
         "radio[0].record.reservedLongs[4]: expected 4 numbers, found more"},
        {R"({"radio": [{"record": {"name": ")" + std::string(33, 'x') + R"("}}]})",
         "radio[0].record.name: the text is longer than the field's 32 bytes"},
        {R"({"radio": [{"record": {"tag": "KÖLSCH  x"}}]})",
         "radio[0].record.tag: the text is longer than the field's 8 bytes"},
        {R"({"radio": [{"record": {"name": "Kanal \u4e2d"}}]})",
         "radio[0].record.name: U+4E2D is not a windows-1252 character"},
        {R"({"radio": [{"record": {}, "children": [{"name": "A"}, {"isChannel": 0}]}]})",
         "radio[0].children[1].isChannel: a channel's isChannel cannot be 0"},
        {R"({"radio": [{"record": {}, "children": [{"image": ")" + image171 + R"("}]}]})",
         "radio[0].children[0].image: expected 344 hex digits, found 342 characters"},
        {R"({"radio": [{"record": {"frequncy": 1}}]})", "radio[0].record: unknown key \"frequncy\""},
        {R"({"radio": [{"children": []}]})", "radio[0].children: \"record\" must come before \"children\""},
        {R"({"radio": [{}]})", "radio[0]: an item needs a \"record\""},
        {R"([])", "expected an object, found an array"},
        // What an item or the list carries from a text format.
        {R"({"radio": [{"record": {"carried": {"place": 1}}}]})", "radio[0].record.carried: \"carried\" needs a \"format\""},
        {R"({"carried": {"format": "vdr", "place": 4294967296}})", "carried.place: 4294967296 is out of range 0..4294967295"},
        {R"({"carried": {"format": "vdr", "file": "xyz"}})", "carried.file: expected hex digits, found 'x'"},
        {R"({"carried": {"format": "vdr", "fields": [["line"]]}})", "carried.fields[0]: expected a name and a value"},
        {R"({"carried": {"format": "vdr", "fields": [["", "x"]]}})", "carried.fields[0][0]: a field needs a name"},
        {R"({"carried": {"format": "vdr", "fields": [["line", {"hex": "4"}]]}})",
         "carried.fields[0][1].hex: expected pairs of hex digits"},
        {R"({"carried": {"format": "vdr", "colour": 1}})", "carried: unknown key \"colour\""},
    };
    for (const auto& bad : cases) {
        ChannelList list;
        // What a failed read must not leave behind.
        testing::addChannel(list.television(), testing::addProvider(list.television(), "Old"), "old");
        const FileResult result = readJson(bad.json, list);
        EXPECT_EQ(result.outcome, FileOutcome::BadContent) << bad.json;
        EXPECT_EQ(result.message, bad.message) << bad.json;
        EXPECT_TRUE(list.television().empty() && list.radio().empty()) << bad.json;
    }
}

// What items and the list carry goes through JSON as it is, bytes that are
// no UTF-8 included; a name edited in the JSON changes one line of the file.
TEST(JsonFormat, CarriedTextsComeBackAndANameEditedInJsonChangesOneLine) {
    ChannelList list;
    ASSERT_TRUE(readList(std::string(QVX_SOURCE_DIR) + "/examples/sample.vdr.conf", ListFormat::Vdr, list).ok());
    // An old Latin-1 line and a zero byte, which no JSON text holds as such.
    ChannelTree& radio = list.radio();
    ChannelRecord record = ChannelRecord::newChannel(2);
    record.setName("Ö1");
    radio.appendItem(radio.topLevelItem(0),
                     TreeItem::makeChannel(record, makeCarried("vdr", 0, {{"line", std::string("\xD6" "1:1:\0", 6)}})));
    const std::string json = jsonOf(list);
    ChannelList reread;
    ASSERT_TRUE(readJson(json, reread).ok());
    EXPECT_EQ(jsonOf(reread), json);

    std::string edited = json;
    const std::string name = "\"name\": \"Das Erste\"";
    ASSERT_NE(edited.find(name), std::string::npos);
    edited.replace(edited.find(name), name.size(), "\"name\": \"Das Erste HD\"");
    ChannelList renamed;
    ASSERT_TRUE(readJson(edited, renamed).ok());
    renamed.radio().removeItem(renamed.radio().topLevelItem(0)->child(renamed.radio().topLevelItem(0)->childCount() - 1));
    MemorySink before, after;
    ASSERT_TRUE(listFormatEntry(ListFormat::Vdr).write(before, reread, {}));
    ASSERT_TRUE(listFormatEntry(ListFormat::Vdr).write(after, renamed, {}));
    const testing::Bytes file = testing::readFileBytes(std::string(QVX_SOURCE_DIR) + "/examples/sample.vdr.conf");
    std::string expected(file.begin(), file.end());
    expected.replace(expected.find("Das Erste:"), 10, "Das Erste HD:");
    EXPECT_EQ(std::string(after.bytes().begin(), after.bytes().end()), expected);
}

TEST(JsonFormat, SyntaxErrorsGiveLineAndColumnWhereThereIsAPlace) {
    ChannelList list;
    FileResult result = readJson("{\"radio\": [\n  {\"record\": {\"lnb\": 3,}}]}", list);
    EXPECT_EQ(result.outcome, FileOutcome::BadContent);
    EXPECT_TRUE(result.message.starts_with("radio[0].record.lnb: line 2, column 24: syntax error")) << result.message;
    result = readJson("", list);
    EXPECT_TRUE(result.message.starts_with("line 1, column 1: syntax error")) << result.message;
    // Counted in the file as it is, however long its runs of whitespace.
    result = readJson("{\"radio\": [" + std::string(70000, ' ') + "x]}", list);
    EXPECT_TRUE(result.message.starts_with("radio: line 1, column 70012: ")) << result.message;
    result = readJson("{\"radio\": [\n" + std::string(70000, '\n') + "  ]", list);
    EXPECT_TRUE(result.message.starts_with("radio: line 70002, column 4: ")) << result.message;
}

TEST(JsonFormat, AFileWithAFaultNamesItselfToo) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("list.json");
    const std::string text = R"({"television": [{"record": {"lnb": 256}}]})";
    testing::writeFileBytes(path, testing::Bytes(text.begin(), text.end()));
    ChannelList list;
    const FileResult result = readList(path, ListFormat::Json, list);
    EXPECT_EQ(result.messageWithReason(), path + ": television[0].record.lnb: 256 is out of range 0..255");
}

}  // namespace
}  // namespace qvx
