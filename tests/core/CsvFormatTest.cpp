// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "FormatTestSupport.h"
#include "QvxtoolTestSupport.h"
#include "TextFormatTestSupport.h"
#include "files/ByteStream.h"
#include "formats/JsonFormat.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::readText;
using testing::writeText;

// Everything a list holds, every byte of every record and every carried text
// with its place and file, as the JSON format writes it.
std::string jsonOf(const ChannelList& list) {
    MemorySink sink;
    EXPECT_TRUE(writeJsonList(sink, list));
    return std::string(sink.bytes().begin(), sink.bytes().end());
}

std::string samplePath(const ListFormatEntry& format) {
    return std::string(QVX_SOURCE_DIR) + "/examples/sample." +
           (format.toolName != format.extension ? std::string(format.toolName) + "." : "") +
           std::string(format.extension);
}

TEST(CsvFormat, EverySampleComesBackExactly) {
    for (const ListFormatEntry& format : listFormats()) {
        // One sample per format, under its first extension; VLC's playlists are never read.
        if (&listFormatEntry(format.format) != &format || !format.read) continue;
        SCOPED_TRACE(std::string(format.toolName));
        ChannelList list;
        ASSERT_TRUE(readList(samplePath(format), format.format, list).ok());
        const std::string csv = writeText(ListFormat::Csv, list);
        ChannelList reread;
        const FileResult result = readText(ListFormat::Csv, csv, reread);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(jsonOf(reread), jsonOf(list));
        EXPECT_EQ(writeText(ListFormat::Csv, reread), csv);
        // Written in its own format again, it is what the list read from the file writes.
        EXPECT_EQ(writeText(format.format, reread), writeText(format.format, list));
    }
}

// Random records (texts without terminators, C1 controls, commas, quotes and
// line breaks) and random carried texts: names given twice or out of the
// header's order, empty values, bytes that are no UTF-8, zero bytes.
TEST(CsvFormat, RandomListsKeepEveryByteAndCarriedText) {
    std::mt19937 random(11);
    const std::vector<std::string> names = {"line", "fullName", "loose", "a,b", "x\"y"};
    const std::vector<std::string> values = {"",         ",",           "\"",   "a\r\nb", std::string("\0z", 2),
                                             "\xFF\xFE", "K\xC3\xB6ln", " pad "};
    auto randomCarried = [&]() -> CarriedPtr {
        if (random() % 3 == 0) return nullptr;
        std::vector<Carried::Field> fields;
        for (std::size_t n = random() % 5; n > 0; --n)
            fields.push_back({names[random() % names.size()], values[random() % values.size()]});
        return makeCarried(random() % 2 ? "vdr" : "zap", static_cast<std::uint32_t>(random() % 3), fields,
                           random() % 2 ? random() : 0);
    };
    auto randomRecord = [&](const ChannelTree& tree, bool channel) {
        RecordImage image;
        for (std::uint8_t& byte : image) byte = static_cast<std::uint8_t>(random());
        for (std::size_t i = 24; i < 88; ++i)
            if (random() % 4 == 0) image[i] = static_cast<std::uint8_t>(",\"\r\n"[random() % 4]);
        ChannelRecord record = ChannelRecord::fromImage(image);
        if (channel) {
            record.isChannel = static_cast<std::uint8_t>(record.isChannel | 1);
            record.serviceType = tree.serviceType();
        } else {
            record.makeProvider(tree.serviceType());
        }
        return record;
    };
    for (int round = 0; round < 200; ++round) {
        ChannelList list;
        list.setCarried(randomCarried());
        for (ChannelTree* tree : {&list.television(), &list.radio()})
            for (int top = 0; top < 3; ++top) {
                const bool provider = top != 2 || round % 2 == 0;
                TreeItem* item = tree->appendItem(
                    nullptr, provider ? TreeItem::makeProvider(randomRecord(*tree, false), randomCarried())
                                      : TreeItem::makeChannel(randomRecord(*tree, true), randomCarried()));
                for (int child = 0; child < 3; ++child)
                    tree->appendItem(item, TreeItem::makeChannel(randomRecord(*tree, true), randomCarried()));
            }
        ChannelList reread;
        const FileResult result = readText(ListFormat::Csv, writeText(ListFormat::Csv, list), reread);
        ASSERT_TRUE(result.ok()) << "round " << round << ": " << result.message;
        ASSERT_EQ(jsonOf(reread), jsonOf(list)) << "round " << round;
    }
}

// What spreadsheets write back: the same table with another separator, line
// end, quoting, byte order mark, encoding, column order or short rows.
TEST(CsvFormat, SpreadsheetVariantsReadAsTheSameList) {
    const std::string reference =
        "tree,level,name,frequency,serviceId\n"
        "television,provider,K\xC3\xB6ln,,\n"
        "television,channel,\"Caf\xC3\xA9 \"\"x\"\", y\",11836000,28106\n"
        "radio,provider,\xE2\x82\xAC uro,,\n"
        "radio,channel,\"Zwei\nZeilen\",12188000,\n";
    const struct {
        const char* what;
        std::string text;
    } variants[] = {
        {"CRLF and a byte order mark",
         "\xEF\xBB\xBFtree,level,name,frequency,serviceId\r\n"
         "television,provider,K\xC3\xB6ln,,\r\n"
         "television,channel,\"Caf\xC3\xA9 \"\"x\"\", y\",11836000,28106\r\n"
         "radio,provider,\xE2\x82\xAC uro,,\r\n"
         "radio,channel,\"Zwei\nZeilen\",12188000,\r\n"},
        {"';', every cell quoted, windows-1252",
         "\"tree\";\"level\";\"name\";\"frequency\";\"serviceId\"\r\n"
         "\"television\";\"provider\";\"K\xF6ln\";\"\";\"\"\r\n"
         "\"television\";\"channel\";\"Caf\xE9 \"\"x\"\", y\";\"11836000\";\"28106\"\r\n"
         "\"radio\";\"provider\";\"\x80 uro\";\"\";\"\"\r\n"
         "\"radio\";\"channel\";\"Zwei\nZeilen\";\"12188000\";\"\"\r\n"},
        {"tabs, short rows, no final line end, a blank row",
         "tree\tlevel\tname\tfrequency\tserviceId\n"
         "television\tprovider\tK\xC3\xB6ln\n"
         "television\tchannel\t\"Caf\xC3\xA9 \"\"x\"\", y\"\t11836000\t28106\n"
         "\n"
         "radio\tprovider\t\xE2\x82\xAC uro\n"
         "radio\tchannel\t\"Zwei\nZeilen\"\t12188000"},
        {"columns in another order, CR line ends, blanks around numbers",
         "serviceId;frequency;name;level;tree\r"
         ";;K\xC3\xB6ln;provider;television\r"
         " 28106 ; 11836000;\"Caf\xC3\xA9 \"\"x\"\", y\";channel;television\r"
         ";;\xE2\x82\xAC uro;provider;radio\r"
         ";12188000;\"Zwei\nZeilen\";channel;radio\r"},
    };
    ChannelList expected;
    ASSERT_TRUE(readText(ListFormat::Csv, reference, expected).ok());
    // The names as windows-1252 bytes.
    std::vector<std::string> names;
    for (const ChannelTree* tree : {&expected.television(), &expected.radio()})
        for (const auto& top : tree->topLevelItems()) {
            names.emplace_back(top->record().nameText());
            for (const auto& child : top->children()) names.emplace_back(child->record().nameText());
        }
    EXPECT_EQ(names, (std::vector<std::string>{"K\xF6ln", "Caf\xE9 \"x\", y", "\x80 uro", "Zwei\nZeilen"}));
    EXPECT_EQ(expected.television().topLevelItem(0)->child(0)->record().frequency, 11836000u);
    EXPECT_EQ(expected.television().topLevelItem(0)->child(0)->record().serviceId, 28106u);
    for (const auto& variant : variants) {
        ChannelList list;
        const FileResult result = readText(ListFormat::Csv, variant.text, list);
        ASSERT_TRUE(result.ok()) << variant.what << ": " << result.message;
        EXPECT_EQ(jsonOf(list), jsonOf(expected)) << variant.what;
    }
}

TEST(CsvFormat, BadInputIsRefusedWithLineColumnAndReason) {
    const std::string header =
        "tree,level,name,frequency,lnb,reservedWords,isChannel,image,carriedFormat,carried.line\n";
    const std::string provider = "television,provider,P,,,,,,,\n";
    const struct {
        std::string text;
        const char* message;
    } rows[] = {
        {"tree,level,foo\n", "1: unknown column \"foo\""},
        {"tree,name\n", "1: the column \"level\" is missing"},
        {"tree,level,name,name\n", "1: the column \"name\" is given twice"},
        {"", "1: the header is missing"},
        {header + provider + "television,channel,C,\"12,5\",,,,,,\n", "3: frequency: \"12,5\" is not a number"},
        {header + provider + "television,channel,C,-1,,,,,,\n", "3: frequency: \"-1\" is not a number"},
        {header + provider + "television,channel,C,,300,,,,,\n", "3: lnb: 300 is out of range 0..255"},
        {header + provider + "television,channel,C,,,1 2 3,,,,\n", "3: reservedWords: expected 5 numbers, found 3"},
        {header + "tv,provider,P,,,,,,,\n", "2: tree: \"tv\" is not television or radio"},
        {header + "television,group,P,,,,,,,\n", "2: level: \"group\" is not provider, channel, list or more"},
        {header + ",provider,P,,,,,,,\n", "2: tree: a provider or channel needs its tree"},
        {header + "television,provider,0123456789012345678901234567890123,,,,,,,\n",
         "2: name: the text is longer than the field's 32 bytes"},
        {header + "television,provider,\xD0\x96,,,,,,,\n", "2: name: U+0416 is not a windows-1252 character"},
        {header + "television,provider,P,,,,,00ff,,\n", "2: image: expected 344 hex digits, found 4"},
        {header + "television,provider,P,,,,,xy,,\n", "2: image: \"xy\" is not hex"},
        {header + provider + "television,channel,C,,,,0,,,\n", "3: isChannel: a channel's isChannel cannot be 0"},
        {header + "television,more,,,,,,,,x\n", "2: a row of level more follows no row it could continue"},
        {header + "television,provider,P,,,,,,,x\n", "2: carriedFormat: carried fields need the format they come from"},
        {header + provider + "television,channel,C,,,,,,,,x\n", "3: cell 11 lies beyond the header's 10 columns"},
        {header + "television,provider,\"Zwei\nZeilen\",,,,,,,\n" + "radio,channel,C,1x,,,,,,\n",
         "4: frequency: \"1x\" is not a number"},
        {header + provider + "television,channel,\"C,,,,,,,\n", "3: a quoted cell is not closed"},
    };
    for (const auto& row : rows) {
        ChannelList list;
        const FileResult result = readText(ListFormat::Csv, row.text, list);
        EXPECT_EQ(result.outcome, FileOutcome::BadContent) << row.message;
        EXPECT_EQ(result.message, row.message);
        EXPECT_TRUE(list.television().empty() && list.radio().empty()) << row.message;
    }
    // qvxtool names the file and line, ends with 1 and writes nothing.
    const testing::TemporaryFolder folder;
    testing::writeFileBytes(folder.file("list.csv"), testing::Bytes(rows[4].text.begin(), rows[4].text.end()));
    const testing::ToolRun run = testing::qvxtool(folder, {"convert", folder.file("list.csv"), folder.file("out.qvx")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qvxtool: " + folder.file("list.csv") + ":3: frequency: \"12,5\" is not a number\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.qvx")));
}

// Tables written by Python's csv module from the fields of each sample list,
// with its default dialect and with ';', read back as the list itself.
TEST(CsvFormat, TablesOfPythonsCsvModuleReadBack) {
    if (std::system("command -v python3 >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
    const std::string script = std::string(QVX_SOURCE_DIR) + "/tests/core/csv_from_json.py";
    const testing::TemporaryFolder folder;
    for (const ListFormatEntry& format : listFormats()) {
        // One sample per format, under its first extension; VLC's playlists are never read.
        if (&listFormatEntry(format.format) != &format || !format.read) continue;
        SCOPED_TRACE(std::string(format.toolName));
        ChannelList list;
        ASSERT_TRUE(readList(samplePath(format), format.format, list).ok());
        ASSERT_TRUE(writeList(folder.file("list.json"), ListFormat::Json, list).ok());
        for (const std::string separator : {"", ";"}) {
            const std::string command = "python3 " + testing::shellQuoted(script) + " " +
                                        testing::shellQuoted(folder.file("list.json")) + " " +
                                        testing::shellQuoted(folder.file("python.csv")) +
                                        (separator.empty() ? "" : " " + testing::shellQuoted(separator));
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            ChannelList reread;
            const FileResult result = readList(folder.file("python.csv"), ListFormat::Csv, reread);
            ASSERT_TRUE(result.ok()) << result.message;
            EXPECT_EQ(jsonOf(reread), jsonOf(list)) << "separator '" << separator << "'";
        }
    }
}

}  // namespace
}  // namespace qvx
