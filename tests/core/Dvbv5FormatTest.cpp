// SPDX-License-Identifier: GPL-3.0-or-later
// dvbv5 channel files: libdvbv5's own layout comes back byte for byte, edits
// change only what was edited, and the keys map to the record as libdvbv5's
// dvb-file.c and dvb-v5-std.c define them.
#include <gtest/gtest.h>

#include <filesystem>

#include "FormatTestSupport.h"
#include "TextFormatTestSupport.h"
#include "formats/ListFiles.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

using testing::readText;
using testing::replaced;
using testing::writeText;

// A file as dvbv5-scan writes it, edited by hand: comments, an unknown key,
// a key and a value in lower case, blanks instead of tabs, several audio
// PIDs, DVB-S2, DVB-S, DVB-C, DVB-T and a transponder of dtv-scan-tables
// without name or PIDs.
constexpr std::string_view kRealistic =
    "# Astra 19.2E, Kabel Berlin and DVB-T Berlin, scanned with dvbv5-scan\n"
    "# and edited by hand\n"
    "\n"
    "[Das Erste HD]\n"
    "\tSERVICE_ID = 10301\n"
    "\tNETWORK_ID = 1\n"
    "\tTRANSPORT_ID = 1019\n"
    "\tVIDEO_PID = 5101\n"
    "\tAUDIO_PID = 5102 5103 5106\n"
    "\tPID_06 = 5104 5105\n"
    "\tSAT_NUMBER = 1\n"
    "\tLNB = UNIVERSAL\n"
    "\tFREQUENCY = 11494000\n"
    "\tINVERSION = AUTO\n"
    "\tSYMBOL_RATE = 22000000\n"
    "\tINNER_FEC = 2/3\n"
    "\tMODULATION = PSK/8\n"
    "\tPILOT = AUTO\n"
    "\tROLLOFF = 35\n"
    "\tPOLARIZATION = HORIZONTAL\n"
    "\tSTREAM_ID = 0\n"
    "\tDELIVERY_SYSTEM = DVBS2\n"
    "\n"
    "[\xC4\x8CT1 HD]\n"
    "\tSERVICE_ID = 13100\n"
    "\tVIDEO_PID = 511\n"
    "\tAUDIO_PID = 641 642\n"
    "\t# a key of another program\n"
    "\tX_FAVOURITE = yes\n"
    "\tFrequency = 11244000\n"
    "\tINVERSION = auto\n"
    "\tSYMBOL_RATE = 22000000\n"
    "\tINNER_FEC = 5/6\n"
    "\tPOLARIZATION = VERTICAL\n"
    "\tDELIVERY_SYSTEM = DVBS\n"
    "\n"
    "# radio\n"
    "[Deutschlandfunk]\n"
    "\tSERVICE_ID = 28431\n"
    "\tAUDIO_PID = 2401\n"
    "\tFREQUENCY = 12265000\n"
    "\tINVERSION = AUTO\n"
    "\tSYMBOL_RATE = 27500000\n"
    "\tINNER_FEC = 3/4\n"
    "\tPOLARIZATION = HORIZONTAL\n"
    "\tDELIVERY_SYSTEM = DVBS\n"
    "\n"
    "[rbb Berlin HD]\n"
    "\tSERVICE_ID = 10351\n"
    "\tVIDEO_PID = 1101\n"
    "\tAUDIO_PID = 1102 1103\n"
    "\tFREQUENCY = 330000000\n"
    "\tMODULATION = QAM/256\n"
    "\tINVERSION = AUTO\n"
    "\tSYMBOL_RATE = 6900000\n"
    "\tINNER_FEC = NONE\n"
    "\tDELIVERY_SYSTEM = DVBC/ANNEX_A\n"
    "\n"
    "[ZDF]\n"
    "    SERVICE_ID = 514\n"
    "    VIDEO_PID = 545\n"
    "    AUDIO_PID = 546 547\n"
    "    FREQUENCY = 570000000\n"
    "    MODULATION = QAM/16\n"
    "    BANDWIDTH_HZ = 8000000\n"
    "    INVERSION = AUTO\n"
    "    CODE_RATE_HP = 2/3\n"
    "    CODE_RATE_LP = NONE\n"
    "    GUARD_INTERVAL = 1/8\n"
    "    TRANSMISSION_MODE = 8K\n"
    "    HIERARCHY = NONE\n"
    "    DELIVERY_SYSTEM = DVBT\n"
    "\n"
    "# not scanned yet\n"
    "[CHANNEL]\n"
    "\tDELIVERY_SYSTEM = DVBT2\n"
    "\tFREQUENCY = 658000000\n"
    "\tBANDWIDTH_HZ = 8000000\n"
    "\tSTREAM_ID = 0\n"
    "\n"
    "\n";

TEST(Dvbv5Format, ARealisticFileComesBackByteForByte) {
    // As it is, without its last newline, and with the line ends of another system.
    const std::string variants[] = {std::string(kRealistic), std::string(kRealistic.substr(0, kRealistic.size() - 1)),
                                    replaced(std::string(kRealistic), "\n", "\r\n")};
    for (const std::string& text : variants) {
        ChannelList list;
        const FileResult result = readText(ListFormat::Dvbv5, text, list);
        ASSERT_TRUE(result.ok()) << result.message;
        // One provider per tree, named after the file; a channel without video is a radio channel.
        EXPECT_EQ(testing::shapeOf(list.television()), "channels[Das Erste HD,CT1 HD,rbb Berlin HD,ZDF]");
        EXPECT_EQ(testing::shapeOf(list.radio()), "channels[Deutschlandfunk,658 MHz]");
        EXPECT_EQ(writeText(ListFormat::Dvbv5, list), text);
    }
}

// Each edit changes its own key line, or adds one where libdvbv5 would write
// it (IDs and PIDs after the header's leading keys, in libdvbv5's order),
// indented as the section is; a new channel gets a new section after the one
// before it in its tree.
TEST(Dvbv5Format, EditsChangeOnlyTheirEntries) {
    ChannelList list;
    ASSERT_TRUE(readText(ListFormat::Dvbv5, kRealistic, list).ok());
    ChannelTree& tv = list.television();
    ChannelTree& radio = list.radio();
    const auto edit = [](ChannelTree& tree, int row, auto change) {
        TreeItem* item = testing::channelAt(tree, row);
        ChannelRecord record = item->record();
        change(record);
        tree.replaceRecord(item, record);
    };
    edit(tv, 0, [](ChannelRecord& r) { r.frequency = 11493750; });
    edit(tv, 1, [](ChannelRecord& r) { r.lnb = 3; });
    edit(tv, 2, [](ChannelRecord& r) { r.videoPid = 0; });
    edit(tv, 3, [](ChannelRecord& r) { r.audioPid = 548; });
    edit(radio, 0, [](ChannelRecord& r) { r.setName("DLF"); });
    edit(radio, 1, [](ChannelRecord& r) { r.serviceId = 77; });
    ChannelRecord added = testing::channelRecord("Neu", 1, 11836000);
    added.symbolRate = 27500000;
    added.videoPid = 101;
    tv.insertItem(tv.topLevelItem(0), 3, TreeItem::makeChannel(added));

    std::string expected = std::string(kRealistic);
    expected = replaced(expected, "\tFREQUENCY = 11494000\n", "\tFREQUENCY = 11493750\n");
    expected = replaced(expected, "\tAUDIO_PID = 641 642\n", "\tAUDIO_PID = 641 642\n\tSAT_NUMBER = 3\n");
    expected = replaced(expected, "\tVIDEO_PID = 1101\n", "");
    expected = replaced(expected, "    AUDIO_PID = 546 547\n", "    AUDIO_PID = 548 547\n");
    expected = replaced(expected, "[Deutschlandfunk]", "[DLF]");
    expected = replaced(expected, "[CHANNEL]\n", "[CHANNEL]\n\tSERVICE_ID = 77\n");
    expected = replaced(expected, "DVBC/ANNEX_A\n\n",
                        "DVBC/ANNEX_A\n\n"
                        "[Neu]\n"
                        "\tVIDEO_PID = 101\n"
                        "\tFREQUENCY = 11836000\n"
                        "\tINVERSION = AUTO\n"
                        "\tSYMBOL_RATE = 27500000\n"
                        "\tINNER_FEC = AUTO\n"
                        "\tPOLARIZATION = HORIZONTAL\n"
                        "\tDELIVERY_SYSTEM = DVBS\n"
                        "\n");
    EXPECT_EQ(writeText(ListFormat::Dvbv5, list), expected);
}

// What a section reads as, key by key, and what a record alone is written
// as: libdvbv5's layout (dvb_write_file; dvbv5-scan's key order), which
// dvb-format-convert gives back unchanged (see the oracle test).
TEST(Dvbv5Format, KeysMapToTheRecordBothWays) {
    const struct Row {
        std::string_view section;
        std::string_view name;
        TreeKind kind;
        std::uint32_t frequency, symbolRate;
        std::uint8_t polarity, fec, qam, lnb;
        std::uint16_t video, audio, serviceId, networkId, transportId;
        bool written;  // what a record with these fields alone is written as
    } rows[] = {
        {"[Das Erste]\n\tSERVICE_ID = 28106\n\tNETWORK_ID = 1\n\tTRANSPORT_ID = 1101\n\tVIDEO_PID = 101\n"
         "\tAUDIO_PID = 102\n\tFREQUENCY = 11836000\n\tINVERSION = AUTO\n\tSYMBOL_RATE = 27500000\n"
         "\tINNER_FEC = 3/4\n\tPOLARIZATION = HORIZONTAL\n\tDELIVERY_SYSTEM = DVBS\n",
         "Das Erste", TreeKind::Television, 11836000, 27500000, 0, 3, 0, 0, 101, 102, 28106, 1, 1101, true},
        {"[Bayern 1]\n\tSERVICE_ID = 28400\n\tAUDIO_PID = 2001\n\tSAT_NUMBER = 2\n\tFREQUENCY = 12265000\n"
         "\tINVERSION = AUTO\n\tSYMBOL_RATE = 27500000\n\tINNER_FEC = 7/8\n\tPOLARIZATION = VERTICAL\n"
         "\tDELIVERY_SYSTEM = DVBS\n",
         "Bayern 1", TreeKind::Radio, 12265000, 27500000, 1, 7, 0, 2, 0, 2001, 28400, 0, 0, true},
        {"[rbb]\n\tSERVICE_ID = 10351\n\tVIDEO_PID = 1101\n\tAUDIO_PID = 1102\n\tFREQUENCY = 330000000\n"
         "\tMODULATION = QAM/256\n\tINVERSION = AUTO\n\tSYMBOL_RATE = 6900000\n\tINNER_FEC = AUTO\n"
         "\tDELIVERY_SYSTEM = DVBC/ANNEX_A\n",
         "rbb", TreeKind::Television, 330000000, 6900000, 0, 0, 5, 0, 1101, 1102, 10351, 0, 0, true},
        // What only the section can say: DVB-S2 keeps its kHz, DVB-T its Hz and its high-priority rate.
        {"[HD]\n\tVIDEO_PID = 5101 5111\n\tAUDIO_PID = 5102 5103\n\tFREQUENCY = 11494000\n\tMODULATION = PSK/8\n"
         "\tPOLARIZATION = LEFT\n\tSYMBOL_RATE = 22000000\n\tINNER_FEC = 3/5\n\tDELIVERY_SYSTEM = DVBS2\n",
         "HD", TreeKind::Television, 11494000, 22000000, 0, 0, 0, 0, 5101, 5102, 0, 0, 0, false},
        {"[ZDF]\n\tVIDEO_PID = 545\n\tAUDIO_PID = 546\n\tFREQUENCY = 570000000\n\tMODULATION = QAM/16\n"
         "\tCODE_RATE_HP = 2/3\n\tCODE_RATE_LP = NONE\n\tDELIVERY_SYSTEM = DVBT\n",
         "ZDF", TreeKind::Television, 570000000, 0, 0, 2, 1, 0, 545, 546, 0, 0, 0, false},
        {"[KPIX]\n\tSERVICE_ID = 3\n\tVIDEO_PID = 49\n\tAUDIO_PID = 52\n\tFREQUENCY = 551000000\n"
         "\tMODULATION = VSB/8\n\tDELIVERY_SYSTEM = ATSC\n",
         "KPIX", TreeKind::Television, 551000000, 0, 0, 0, 0, 0, 49, 52, 3, 0, 0, false},
        // Systems the record has no name for keep the units of their nearest one: ISDB-S is a satellite.
        {"[BS]\n\tVIDEO_PID = 256\n\tFREQUENCY = 1318000\n\tPOLARIZATION = RIGHT\n\tSAT_NUMBER = -1\n"
         "\tDELIVERY_SYSTEM = ISDBS\n",
         "BS", TreeKind::Television, 1318000, 0, 1, 0, 0, 0, 256, 0, 0, 0, 0, false},
        // A section that names no channel is named by its tuning; no video means Radio.
        {"[CHANNEL]\n\tFREQUENCY = 11362000\n\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 22000000\n"
         "\tVIDEO_PID = 0\n\tDELIVERY_SYSTEM = DVBS2\n",
         "11362 MHz H", TreeKind::Radio, 11362000, 22000000, 0, 0, 0, 0, 0, 0, 0, 0, 0, false},
        {"[channel]\n\tSERVICE_ID = 28007\n\tFREQUENCY = 394750000\n\tMODULATION = QAM/64\n", "394.75 MHz #28007",
         TreeKind::Radio, 394750000, 0, 0, 0, 3, 0, 0, 0, 28007, 0, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name));
        ChannelList list;
        const FileResult result = readText(ListFormat::Dvbv5, row.section, list);
        ASSERT_TRUE(result.ok()) << result.message;
        ChannelTree& tree = list.tree(row.kind);
        ASSERT_EQ(tree.itemCount(), 2u);
        const ChannelRecord& r = testing::channelAt(tree, 0)->record();
        EXPECT_EQ(r.nameText(), row.name);
        EXPECT_EQ(r.serviceType, static_cast<std::uint8_t>(row.kind));
        EXPECT_EQ(r.frequency, row.frequency);
        EXPECT_EQ(r.symbolRate, row.symbolRate);
        EXPECT_EQ(r.polarity, row.polarity);
        EXPECT_EQ(r.fec, row.fec);
        EXPECT_EQ(r.qam, row.qam);
        EXPECT_EQ(r.lnb, row.lnb);
        EXPECT_EQ(r.videoPid, row.video);
        EXPECT_EQ(r.audioPid, row.audio);
        EXPECT_EQ(r.serviceId, row.serviceId);
        EXPECT_EQ(r.networkId, row.networkId);
        EXPECT_EQ(r.transportStreamId, row.transportId);
        if (!row.written) continue;
        ChannelList alone;
        ChannelTree& target = alone.tree(row.kind);
        TreeItem* provider = testing::addProvider(target, "P");
        ChannelRecord record = ChannelRecord::newChannel(target.serviceType());
        record.setName(row.name);
        for (const auto& [field, value] : {std::pair{&ChannelRecord::videoPid, row.video},
                                            {&ChannelRecord::audioPid, row.audio},
                                            {&ChannelRecord::serviceId, row.serviceId},
                                            {&ChannelRecord::networkId, row.networkId},
                                            {&ChannelRecord::transportStreamId, row.transportId}})
            record.*field = value;
        record.frequency = row.frequency;
        record.symbolRate = row.symbolRate;
        record.polarity = row.polarity;
        record.fec = row.fec;
        record.qam = row.qam;
        record.lnb = row.lnb;
        testing::addChannel(target, provider, record);
        EXPECT_EQ(writeText(ListFormat::Dvbv5, alone), std::string(row.section) + "\n");
    }
}

TEST(Dvbv5Format, EachFaultNamesItsLineAndText) {
    const struct {
        std::string_view text;
        std::string_view message;
    } rows[] = {
        {"FREQUENCY = 1\n[A]\n", "1: key outside a channel section \"FREQUENCY = 1\""},
        {"# list\n[A\n\tFREQUENCY = 1\n", "2: unclosed section header \"[A\""},
        {"[A]\n\tFREQUENCY 11494000\n", "2: missing \"=\" in \"FREQUENCY 11494000\""},
        {"[A]\n\t= 5\n", "2: missing key in \"= 5\""},
        {"[A]\n\n\tFREQUENCY =\n", "3: missing value in \"FREQUENCY =\""},
        {"[A]\n\tFREQUENCY = 11494 MHz\n", "2: bad FREQUENCY \"11494 MHz\""},
        {"[A]\n\tSYMBOL_RATE = -27500000\n", "2: bad SYMBOL_RATE \"-27500000\""},
        {"[A]\n\tSERVICE_ID = 65536\n", "2: bad SERVICE_ID \"65536\""},
        {"[A]\n\tAUDIO_PID = 101 x\n", "2: bad AUDIO_PID \"101 x\""},
        {"[A]\n\tSAT_NUMBER = one\n", "2: bad SAT_NUMBER \"one\""},
        {"[A]\n\tMODULATION = QAM/63\n", "2: bad MODULATION \"QAM/63\""},
        {"[A]\n\tdelivery_system = DVB-S\n", "2: bad delivery_system \"DVB-S\""},
        {"[A]\n\tPOLARIZATION = H\n", "2: bad POLARIZATION \"H\""},
        // Lines count from the file's start, whatever comes between.
        {"[A]\n\tFREQUENCY = 1\n\n# b\n[B]\n\n\tINVERSION = SOMETIMES\n", "7: bad INVERSION \"SOMETIMES\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text));
        ChannelList list;
        const FileResult result = readText(ListFormat::Dvbv5, row.text, list);
        EXPECT_EQ(result.outcome, FileOutcome::BadContent);
        EXPECT_EQ(result.message, row.message);
        EXPECT_TRUE(result.placeIsLine);
    }
}

// dtv-scan-tables' transponder lists (Debian's /usr/share/dvb): every file
// reads, each transponder as a channel named by its tuning, and comes back
// byte for byte.
TEST(Dvbv5Format, EveryScanTableOfDebianReadsAndComesBack) {
    const std::filesystem::path tables = "/usr/share/dvb";
    if (!std::filesystem::exists(tables / "dvb-s")) GTEST_SKIP() << "dtv-scan-tables is not installed";
    std::size_t files = 0;
    for (const char* folder : {"atsc", "dvb-c", "dvb-s", "dvb-t", "isdb-t"})
        for (const auto& entry : std::filesystem::directory_iterator(tables / folder)) {
            SCOPED_TRACE(entry.path().string());
            const testing::Bytes bytes = testing::readFileBytes(entry.path().string());
            const std::string text(bytes.begin(), bytes.end());
            ChannelList list;
            const FileResult result = readText(ListFormat::Dvbv5, text, list);
            ASSERT_TRUE(result.ok()) << result.message;
            ASSERT_EQ(writeText(ListFormat::Dvbv5, list), text);
            ++files;
        }
    EXPECT_GT(files, 1000u);
    ChannelList astra;
    const testing::Bytes bytes = testing::readFileBytes((tables / "dvb-s/Astra-19.2E").string());
    ASSERT_TRUE(readText(ListFormat::Dvbv5, std::string(bytes.begin(), bytes.end()), astra).ok());
    // Its first transponder: DVB-S2 11362 MHz H 22000 2/3 8PSK.
    const ChannelRecord& first = testing::channelAt(astra.radio(), 0)->record();
    EXPECT_EQ(first.nameText(), "11362 MHz H");
    EXPECT_EQ(first.frequency, 11362000u);
    EXPECT_EQ(first.symbolRate, 22000000u);
    EXPECT_EQ(first.fec, 2);
    EXPECT_EQ(first.polarity, 0);
    EXPECT_TRUE(astra.television().empty());
}

}  // namespace
}  // namespace qvx
