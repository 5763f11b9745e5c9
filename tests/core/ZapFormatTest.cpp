// SPDX-License-Identifier: GPL-3.0-or-later
// zap channel files: the szap, czap, tzap and azap line forms (and the one
// libdvbv5 writes for DVB-S) come back byte for byte, edits change only
// their fields in the units the line uses, and each form maps to the record
// as the zap tools define it.
#include <gtest/gtest.h>

#include "FormatTestSupport.h"
#include "TextFormatTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::readText;
using testing::replaced;
using testing::writeText;

// Files of each tool, as they write them, with comments and blank lines;
// older files without a service ID at the end.
constexpr std::string_view kSzap =
    "# szap: name:MHz:polarity:satellite:ksymbols/s:vpid:apid:sid\n"
    "Das Erste:11836:h:0:27500:101:102:28106\n"
    "ZDF:11953:H:0:27500:110:120:28006\n"
    "Bayern 1:12265:h:1:27500:0:2001\n"
    "\n"
    "Das Erste HD:11494000:H:22000000:5101:5102:10301\n";
constexpr std::string_view kCzap =
    "rbb Berlin HD:330000000:INVERSION_AUTO:6900000:FEC_NONE:QAM_256:1101:1102:10351\n"
    "radioeins:330000000:INVERSION_AUTO:6900000:FEC_NONE:QAM_256:0:1201\n";
constexpr std::string_view kTzap =
    "ZDF:570000000:INVERSION_AUTO:BANDWIDTH_8_MHZ:FEC_2_3:FEC_NONE:QAM_16:TRANSMISSION_MODE_8K:"
    "GUARD_INTERVAL_1_8:HIERARCHY_NONE:545:546:514\n"
    "# old tzap, no service ID\n"
    "3sat:570000000:INVERSION_OFF:BANDWIDTH_8_MHZ:FEC_2_3:FEC_AUTO:QAM_16:TRANSMISSION_MODE_8K:"
    "GUARD_INTERVAL_1_4:HIERARCHY_NONE:561:562\n";
constexpr std::string_view kAzap =
    "KPIX-DT:551000000:8VSB:49:52:3\n"
    "KQED:569000000:8VSB:49:52+53:1\n"
    "Cable 65:459000000:QAM_256:0:1841:18\n";

TEST(ZapFormat, FilesOfEachFormComeBackByteForByte) {
    const std::string mixed = std::string(kSzap) + std::string(kCzap) + std::string(kTzap) + std::string(kAzap);
    for (const std::string& text : {std::string(kSzap), std::string(kCzap), std::string(kTzap),
                                    std::string(kAzap), mixed, mixed.substr(0, mixed.size() - 1),
                                    replaced(mixed, "\n", "\r\n")}) {
        SCOPED_TRACE(text);
        ChannelList list;
        const FileResult result = readText(ListFormat::Zap, text, list);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(writeText(ListFormat::Zap, list), text);
    }
    ChannelList list;
    ASSERT_TRUE(readText(ListFormat::Zap, mixed, list, "kanäle").ok());
    EXPECT_EQ(testing::shapeOf(list.television()),
              "kan\xE4le[Das Erste,ZDF,Das Erste HD,rbb Berlin HD,ZDF,3sat,KPIX-DT,KQED]");
    EXPECT_EQ(testing::shapeOf(list.radio()), "kan\xE4le[Bayern 1,radioeins,Cable 65]");
}

// A field changed in the record is written in the units and the blanks the
// line has; a service ID joins a line that had none; libdvbv5's satellite
// lines, which have no satellite number, take szap's form for a new LNB.
TEST(ZapFormat, EditsChangeOnlyTheirFields) {
    const std::string text = std::string(kSzap) + std::string(kCzap) + std::string(kTzap) + std::string(kAzap);
    const std::string crlf = replaced(text, "\n", "\r\n");
    for (const std::string& original : {text, crlf}) {
        const std::string_view end = original == crlf ? "\r\n" : "\n";
        ChannelList list;
        ASSERT_TRUE(readText(ListFormat::Zap, original, list).ok());
        const auto edit = [](ChannelTree& tree, int row, auto change) {
            TreeItem* item = testing::channelAt(tree, row);
            ChannelRecord record = item->record();
            change(record);
            tree.replaceRecord(item, record);
        };
        ChannelTree& tv = list.television();
        ChannelTree& radio = list.radio();
        edit(tv, 0, [](ChannelRecord& r) { r.frequency = 11837000; });
        edit(tv, 1, [](ChannelRecord& r) { r.setName("ZDF HD"); r.polarity = 1; });
        edit(tv, 2, [](ChannelRecord& r) { r.lnb = 2; });
        edit(tv, 3, [](ChannelRecord& r) { r.qam = 3; r.symbolRate = 6875000; });
        edit(tv, 5, [](ChannelRecord& r) { r.serviceId = 515; });
        edit(tv, 7, [](ChannelRecord& r) { r.audioPid = 54; });
        edit(radio, 0, [](ChannelRecord& r) { r.serviceId = 28400; });

        std::string expected = original;
        const auto change = [&](std::string_view from, std::string_view to) {
            expected = replaced(expected, std::string(from) + std::string(end), std::string(to) + std::string(end));
        };
        change("Das Erste:11836:h:0:27500:101:102:28106", "Das Erste:11837:h:0:27500:101:102:28106");
        change("ZDF:11953:H:0:27500:110:120:28006", "ZDF HD:11953:V:0:27500:110:120:28006");
        change("Das Erste HD:11494000:H:22000000:5101:5102:10301", "Das Erste HD:11494:H:2:22000:5101:5102:10301");
        change("rbb Berlin HD:330000000:INVERSION_AUTO:6900000:FEC_NONE:QAM_256:1101:1102:10351",
               "rbb Berlin HD:330000000:INVERSION_AUTO:6875000:FEC_NONE:QAM_64:1101:1102:10351");
        change("HIERARCHY_NONE:561:562", "HIERARCHY_NONE:561:562:515");
        change("KQED:569000000:8VSB:49:52+53:1", "KQED:569000000:8VSB:49:54+53:1");
        change("Bayern 1:12265:h:1:27500:0:2001", "Bayern 1:12265:h:1:27500:0:2001:28400");
        EXPECT_EQ(writeText(ListFormat::Zap, list), expected);
    }
}

// Each form read into the record, and each record alone written as the
// form of its system (qam 0: szap; QAM: czap).
TEST(ZapFormat, EachFormMapsToTheRecordBothWays) {
    const struct Row {
        std::string_view line;
        std::string_view name;
        TreeKind kind;
        std::uint32_t frequency, symbolRate;
        std::uint8_t polarity, fec, qam, lnb;
        std::uint16_t video, audio, serviceId;
        bool written;
    } rows[] = {
        {"Das Erste:11836:H:0:27500:101:102:28106", "Das Erste", TreeKind::Television, 11836000, 27500000, 0, 0, 0,
         0, 101, 102, 28106, true},
        {"Bayern 1:12265:V:3:22000:0:2001:28400", "Bayern 1", TreeKind::Radio, 12265000, 22000000, 1, 0, 0, 3, 0,
         2001, 28400, true},
        {"rbb:330000000:INVERSION_AUTO:6900000:FEC_3_4:QAM_256:1101:1102:10351", "rbb", TreeKind::Television,
         330000000, 6900000, 0, 3, 5, 0, 1101, 1102, 10351, true},
        // Read only: what the record alone cannot say which system it is.
        {"Das Erste HD:11494000:L:22000000:5101:5102:10301", "Das Erste HD", TreeKind::Television, 11494000,
         22000000, 0, 0, 0, 0, 5101, 5102, 10301, false},
        {"hr1:12265:r:0:27500:0:2101", "hr1", TreeKind::Radio, 12265000, 27500000, 1, 0, 0, 0, 0, 2101, 0, false},
        {"ZDF:570000000:INVERSION_AUTO:BANDWIDTH_8_MHZ:FEC_2_3:FEC_NONE:QAM_16:TRANSMISSION_MODE_8K:"
         "GUARD_INTERVAL_1_8:HIERARCHY_NONE:545:546:514",
         "ZDF", TreeKind::Television, 570000000, 0, 0, 2, 1, 0, 545, 546, 514, false},
        {"KPIX-DT:551000000:8VSB:49:52:3", "KPIX-DT", TreeKind::Television, 551000000, 0, 0, 0, 0, 0, 49, 52, 3,
         false},
        {"Cable 65:459000000:QAM_256:0:1841:18", "Cable 65", TreeKind::Radio, 459000000, 0, 0, 0, 5, 0, 0, 1841, 18,
         false},
        {"  Sport+:11778:v:1:27500:2000+2001:2002+2003:7", "Sport+", TreeKind::Television, 11778000, 27500000, 1, 0,
         0, 1, 2000, 2002, 7, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.line));
        ChannelList list;
        const FileResult result = readText(ListFormat::Zap, row.line, list);
        ASSERT_TRUE(result.ok()) << result.message;
        ChannelTree& tree = list.tree(row.kind);
        ASSERT_EQ(tree.itemCount(), 2u);
        const ChannelRecord& r = testing::channelAt(tree, 0)->record();
        EXPECT_EQ(r.nameText(), row.name);
        EXPECT_EQ(r.frequency, row.frequency);
        EXPECT_EQ(r.symbolRate, row.symbolRate);
        EXPECT_EQ(r.polarity, row.polarity);
        EXPECT_EQ(r.fec, row.fec);
        EXPECT_EQ(r.qam, row.qam);
        EXPECT_EQ(r.lnb, row.lnb);
        EXPECT_EQ(r.videoPid, row.video);
        EXPECT_EQ(r.audioPid, row.audio);
        EXPECT_EQ(r.serviceId, row.serviceId);
        if (!row.written) continue;
        ChannelList alone;
        ChannelTree& target = alone.tree(row.kind);
        TreeItem* provider = testing::addProvider(target, "P");
        ChannelRecord record = testing::channelRecord(row.name, target.serviceType(), row.frequency);
        record.symbolRate = row.symbolRate;
        record.polarity = row.polarity;
        record.fec = row.fec;
        record.qam = row.qam;
        record.lnb = row.lnb;
        record.videoPid = row.video;
        record.audioPid = row.audio;
        record.serviceId = row.serviceId;
        testing::addChannel(target, provider, record);
        EXPECT_EQ(writeText(ListFormat::Zap, alone), std::string(row.line) + "\n");
    }
}

TEST(ZapFormat, EachFaultNamesItsLineAndText) {
    const struct {
        std::string_view text;
        std::string_view message;
    } rows[] = {
        {"Das Erste:11836:X:0:27500:101:102:28106\n", "1: unknown channel line \"Das Erste:11836:X:0:27500:101:102:28106\""},
        {"# c\nDas Erste\n", "2: unknown channel line \"Das Erste\""},
        {"Das Erste:11836:H\n", "1: wrong number of fields (3) in \"Das Erste:11836:H\""},
        {"A:11836:H:0:27500:101:102:1:0\n", "1: wrong number of fields (9) in \"A:11836:H:0:27500:101:102:1:0\""},
        {"A:394000000:INVERSION_AUTO:6900000:FEC_NONE:QAM_64:101\n",
         "1: wrong number of fields (7) in \"A:394000000:INVERSION_AUTO:6900000:FEC_NONE:QAM_64:101\""},
        {"A:11836 MHz:H:0:27500:101:102:1\n", "1: bad frequency \"11836 MHz\""},
        {"A:11836:H:x:27500:101:102:1\n", "1: bad satellite number \"x\""},
        {"A:11836:H:0:27,5:101:102:1\n", "1: bad symbol rate \"27,5\""},
        {"A:11836:H:0:27500:65536:102:1\n", "1: bad video PID \"65536\""},
        {"A:11836:H:0:27500:101:102+:1\n", "1: bad audio PID \"102+\""},
        {"A:11836:H:0:27500:101:102:-1\n", "1: bad service ID \"-1\""},
        {"A:394000000:INVERSION_SOMETIMES:6900000:FEC_NONE:QAM_64:101:102:1\n", "1: bad inversion \"INVERSION_SOMETIMES\""},
        {"A:394000000:INVERSION_AUTO:6900000:FEC_2_5:QAM_64:101:102:1\n", "1: bad code rate \"FEC_2_5\""},
        {"A:394000000:INVERSION_AUTO:6900000:FEC_NONE:QAM/64:101:102:1\n", "1: bad modulation \"QAM/64\""},
        {"A:5:INVERSION_AUTO:BANDWIDTH_9_MHZ:FEC_2_3:FEC_NONE:QAM_16:TRANSMISSION_MODE_8K:GUARD_INTERVAL_1_8:"
         "HIERARCHY_NONE:1:2:3\n",
         "1: bad bandwidth \"BANDWIDTH_9_MHZ\""},
        {"\n\nA:5:INVERSION_AUTO:BANDWIDTH_8_MHZ:FEC_2_3:FEC_NONE:QAM_16:TRANSMISSION_MODE_3K:GUARD_INTERVAL_1_8:"
         "HIERARCHY_NONE:1:2:3\n",
         "3: bad transmission mode \"TRANSMISSION_MODE_3K\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text));
        ChannelList list;
        const FileResult result = readText(ListFormat::Zap, row.text, list);
        EXPECT_EQ(result.outcome, FileOutcome::BadContent);
        EXPECT_EQ(result.message, row.message);
        EXPECT_TRUE(result.placeIsLine);
    }
}

}  // namespace
}  // namespace qvx
