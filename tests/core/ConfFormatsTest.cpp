// SPDX-License-Identifier: GPL-3.0-or-later
// The ".conf" channel files of dvbv5 and zap: told apart by their first
// lines, read as the file layer reads them, and checked against Debian's
// dvb-format-convert (libdvbv5), the format's own converter.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "FormatTestSupport.h"
#include "TextFormatTestSupport.h"
#include "files/FileCalls.h"
#include "formats/FileOrder.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// A '[' section header is dvbv5; a third field that is a polarity letter,
// an INVERSION_ value or an ATSC modulation, with the fields of its form, is
// zap. VDR lines (a source fourth) are neither, even with a polarity third.
TEST(ConfFormats, FirstLinesTellTheFormat) {
    const struct {
        std::string_view head;
        bool dvbv5, zap;
    } rows[] = {
        {"[Das Erste HD]\n\tSERVICE_ID = 10301\n", true, false},
        {"# dvbv5-scan\n\n   [CHANNEL]\n", true, false},
        {"Das Erste:11836:h:0:27500:101:102:28106\n", false, true},
        {"# szap\nBayern 1:12265:V:1:27500:0:2001\n", false, true},
        {"Das Erste HD:11494000:H:22000000:5101:5102:10301", false, true},
        {"rbb:330000000:INVERSION_AUTO:6900000:FEC_NONE:QAM_256:1101:1102\n", false, true},
        {"ZDF:570000000:INVERSION_AUTO:BANDWIDTH_8_MHZ:FEC_2_3:FEC_NONE:QAM_16:TRANSMISSION_MODE_8K:"
         "GUARD_INTERVAL_1_8:HIERARCHY_NONE:545:546:514\n",
         false, true},
        {"KPIX-DT:551000000:8VSB:49:52:3\n", false, true},
        {"RTL:12188:h:S19.2E:27500:163:104:105:0:12003:1:1089:0\n", false, false},
        {"Das Erste;ARD:11836:HC34M2S0:S19.2E:27500:101:102=deu:104:0:28106:1:1101:0\n", false, false},
        {":Group\n", false, false},
        {"# only a comment\n\n", false, false},
        {"", false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.head));
        EXPECT_EQ(listFormatEntry(ListFormat::Dvbv5).probe(bytesOf(row.head)), row.dvbv5);
        EXPECT_EQ(listFormatEntry(ListFormat::Zap).probe(bytesOf(row.head)), row.zap);
        if (row.dvbv5 || row.zap) {
            EXPECT_EQ(listFormatEntryForContent("conf", bytesOf(row.head))->format,
                      row.dvbv5 ? ListFormat::Dvbv5 : ListFormat::Zap);
        }
    }
}

// Read by content from a file, the channels go under a provider named after
// the file; a fault names the file and the line and leaves the list as it was.
TEST(ConfFormats, AFileReadByContentNamesItsProviderOrItsFault) {
    testing::TemporaryFolder folder;
    const struct {
        std::string_view text;
        ListFormat format;
        std::string_view fault;  // after the path; empty when the file reads
    } rows[] = {
        {"[Das Erste]\n\tVIDEO_PID = 101\n\tFREQUENCY = 11836000\n", ListFormat::Dvbv5, ""},
        {"Das Erste:11836:h:0:27500:101:102:28106\n", ListFormat::Zap, ""},
        {"[Das Erste]\n\tVIDEO_PID = 101\n\tFREQUENCY = 11836 MHz\n", ListFormat::Dvbv5,
         ":3: bad FREQUENCY \"11836 MHz\""},
        {"Das Erste:11836:h:0:27500:101:102:28106\nZDF:11953:h:0:27500:110\n", ListFormat::Zap,
         ":2: wrong number of fields (6) in \"ZDF:11953:h:0:27500:110\""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.text));
        const std::string path = folder.file("astra.conf");
        testing::writeFileBytes(path, testing::Bytes(row.text.begin(), row.text.end()));
        ChannelList list;
        TreeItem* before = testing::addProvider(list.radio(), "kept");
        ListFormat format = ListFormat::Zap;  // any ".conf" format: the content decides
        const FileResult result = readListByContent(path, format, list, systemFileCalls());
        EXPECT_EQ(format, row.format);
        if (row.fault.empty()) {
            ASSERT_TRUE(result.ok()) << result.message;
            EXPECT_EQ(testing::shapeOf(list.television()), "astra[Das Erste]");
            EXPECT_TRUE(list.radio().empty());
        } else {
            EXPECT_EQ(result.message, path + std::string(row.fault));
            EXPECT_EQ(list.radio().topLevelItem(0), before);
        }
    }
}

// The fields of a channel that both formats of a comparison hold.
struct Held {
    bool codeRate;   // zap: not on satellite lines
    bool lnb;        // zap: libdvbv5's satellite lines have none
    bool networkIds; // zap: none
};

void expectSameChannels(const ChannelList& expected, const ChannelList& actual,
                        Held held) {
    const std::vector<PlacedItem> want = channelsInFileOrder(expected);
    const std::vector<PlacedItem> got = channelsInFileOrder(actual);
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const ChannelRecord& w = want[i].item->record();
        const ChannelRecord& g = got[i].item->record();
        SCOPED_TRACE(std::string(w.nameText()));
        EXPECT_EQ(g.nameText(), w.nameText());
        EXPECT_EQ(g.serviceType, w.serviceType);
        EXPECT_EQ(g.frequency, w.frequency);
        EXPECT_EQ(g.symbolRate, w.symbolRate);
        EXPECT_EQ(g.polarity, w.polarity);
        EXPECT_EQ(g.qam, w.qam);
        EXPECT_EQ(g.videoPid, w.videoPid);
        EXPECT_EQ(g.audioPid, w.audioPid);
        EXPECT_EQ(g.serviceId, w.serviceId);
        if (held.codeRate || w.qam != 0) {
            EXPECT_EQ(g.fec, w.fec);
        }
        if (held.lnb) {
            EXPECT_EQ(g.lnb, w.lnb);
        }
        if (held.networkIds) {
            EXPECT_EQ(g.networkId, w.networkId);
            EXPECT_EQ(g.transportStreamId, w.transportStreamId);
        }
    }
}

// Our dvbv5 writer's file, converted by dvb-format-convert into zap and
// into dvbv5, reads back with our readers as the list it was written from;
// the dvbv5 it writes is our file itself, key for key.
TEST(ConfFormats, DvbFormatConvertReadsOurDvbv5FileAsWeDo) {
    if (std::system("command -v dvb-format-convert >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "dvb-format-convert (Debian's dvb-tools) is not installed";
    // Channels of every kind the record and the other formats bring: records
    // alone (DVB-S, DVB-C), zap lines (DVB-T, ATSC, a name outside
    // windows-1252), and an edited DVB-S2 section.
    ChannelList list;
    ASSERT_TRUE(testing::readText(ListFormat::Zap,
                                  "ZDF:570000000:INVERSION_AUTO:BANDWIDTH_8_MHZ:FEC_2_3:FEC_NONE:QAM_16:"
                                  "TRANSMISSION_MODE_8K:GUARD_INTERVAL_1_8:HIERARCHY_NONE:545:546:514\n"
                                  "KPIX-DT:551000000:8VSB:49:52:3\n"
                                  "\xC4\x8CT1 HD:11244:V:0:22000:511:641:13100\n",
                                  list)
                    .ok());
    ChannelList dvbv5;
    ASSERT_TRUE(testing::readText(ListFormat::Dvbv5,
                                  "[Das Erste HD]\n\tSERVICE_ID = 10301\n\tVIDEO_PID = 5101\n\tAUDIO_PID = 5102 5103\n"
                                  "\tFREQUENCY = 11494000\n\tINVERSION = AUTO\n\tSYMBOL_RATE = 22000000\n"
                                  "\tINNER_FEC = 2/3\n\tMODULATION = PSK/8\n\tPILOT = AUTO\n\tROLLOFF = 35\n"
                                  "\tPOLARIZATION = HORIZONTAL\n\tSTREAM_ID = 0\n\tDELIVERY_SYSTEM = DVBS2\n\n",
                                  dvbv5)
                    .ok());
    TreeItem* hd = testing::channelAt(dvbv5.television(), 0);
    ChannelRecord edited = hd->record();
    edited.frequency = 11493750;
    edited.lnb = 1;
    TreeItem* television = list.television().topLevelItem(0);
    list.television().appendItem(television, TreeItem::makeChannel(edited, hd->carried()));
    ChannelRecord satellite = testing::channelRecord("Das Erste", 1, 11836000);
    satellite.symbolRate = 27500000;
    satellite.fec = 3;
    satellite.videoPid = 101;
    satellite.audioPid = 102;
    satellite.serviceId = 28106;
    satellite.networkId = 1;
    satellite.transportStreamId = 1101;
    list.television().appendItem(television, TreeItem::makeChannel(satellite));
    ChannelRecord cable = testing::channelRecord("rbb", 1, 330000000);
    cable.symbolRate = 6900000;
    cable.qam = 5;
    cable.videoPid = 1101;
    cable.audioPid = 1102;
    cable.serviceId = 10351;
    list.television().appendItem(television, TreeItem::makeChannel(cable));
    ChannelRecord radio = testing::channelRecord("Bayern 1", 2, 12265000);
    radio.symbolRate = 27500000;
    radio.polarity = 1;
    radio.audioPid = 2001;
    radio.lnb = 2;
    TreeItem* radioProvider = testing::addProvider(list.radio(), "R");
    list.radio().appendItem(radioProvider, TreeItem::makeChannel(radio));

    testing::TemporaryFolder folder;
    const std::string ours = folder.file("ours.conf");
    const std::string zap = folder.file("zap.conf");
    const std::string again = folder.file("again.conf");
    ASSERT_TRUE(writeList(ours, ListFormat::Dvbv5, list).ok());
    const auto convert = [&](const char* to, const std::string& target) {
        return std::system(("dvb-format-convert -I DVBV5 -O " + std::string(to) + " -s DVBS '" + ours + "' '" +
                            target + "' >/dev/null 2>&1")
                               .c_str());
    };
    ASSERT_EQ(convert("ZAP", zap), 0);
    ASSERT_EQ(convert("DVBV5", again), 0);
    EXPECT_EQ(testing::readFileBytes(again), testing::readFileBytes(ours));

    ChannelList fromZap;
    ListFormat format = ListFormat::Zap;
    ASSERT_TRUE(readListByContent(zap, format, fromZap, systemFileCalls()).ok());
    EXPECT_EQ(format, ListFormat::Zap);
    expectSameChannels(list, fromZap, {false, false, false});
    ChannelList fromDvbv5;
    ASSERT_TRUE(readList(again, ListFormat::Dvbv5, fromDvbv5).ok());
    expectSameChannels(list, fromDvbv5, {true, true, true});
}

}  // namespace
}  // namespace qvx
