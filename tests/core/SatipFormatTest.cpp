// SPDX-License-Identifier: GPL-3.0-or-later
// SAT>IP playlists: a router's playlist comes back byte for byte, edits
// change only their own lines, the query maps to the record in the units of
// the SAT>IP URL form (MHz, kSym/s), and VLC playlists follow VLC's DVB MRLs.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "FormatTestSupport.h"
#include "TextFormatTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::readText;
using testing::replaced;
using testing::writeText;

const std::string kRouter = std::string(QVX_SOURCE_DIR) + "/examples/router.m3u";

std::string routerPlaylist() {
    const testing::Bytes bytes = testing::readFileBytes(kRouter);
    return std::string(bytes.begin(), bytes.end());
}

std::string written(ListFormat format, const ChannelList& list, std::string_view server = {}) {
    MemorySink sink;
    FormatOptions options{"channels", "S19.2E"};
    options.satipUrl = std::string(server);
    EXPECT_TRUE(listFormatEntry(format).write(sink, list, options));
    return std::string(sink.bytes().begin(), sink.bytes().end());
}

TEST(SatipFormat, ARouterPlaylistComesBackByteForByte) {
    const std::string file = routerPlaylist();
    const std::string variants[] = {file, file.substr(0, file.size() - 1), replaced(file, "\n", "\r\n")};
    for (const std::string& text : variants) {
        ChannelList list;
        const FileResult result = readText(ListFormat::Satip, text, list, "router");
        ASSERT_TRUE(result.ok()) << result.message;
        // Groups in order of first appearance; the entries without one under the file's name.
        EXPECT_EQ(testing::shapeOf(list.television()),
                  "ARD[Das Erste HD,BR Fernsehen S\xFC" "d HD] ZDFvision[ZDF HD,3sat HD] router[arte HD,Astro TV]");
        EXPECT_EQ(testing::shapeOf(list.radio()), "ARD[Bayern 1,Bayern 2]");
        // The web radio stays in the file, and the load says so.
        EXPECT_EQ(result.warnings, (std::vector<FileWarning>{{FileWarningKind::PlainStreamsKept, 1}}));
        EXPECT_EQ(writeText(ListFormat::Satip, list), text);
    }
}

// Each query as the SAT>IP URL form defines it, and the record it reads as:
// frequency in kHz for satellites and Hz otherwise, symbols/s, polarity
// H 0 V 1, the record's fec (1 1/2, 2 2/3, 3 3/4, 5 5/6), qam 5 for 256-QAM,
// LNB = src - 1.
TEST(SatipFormat, QueriesMapToTheRecord) {
    const struct Row {
        std::string_view entry;
        TreeKind kind;
        std::uint32_t frequency, symbolRate;
        std::uint8_t polarity, fec, qam, lnb;
    } rows[] = {
        {"#EXTINF:0,A\nrtsp://h/?src=1&freq=11494&pol=h&ro=0.35&msys=dvbs2&mtype=8psk&plts=on&sr=22000&fec=23&pids=0",
         TreeKind::Television, 11494000, 22000000, 0, 2, 0, 0},
        {"#EXTINF:0 radio=\"true\",A\nrtsp://h/?src=3&freq=12603.5&pol=v&msys=dvbs&sr=27500.5&fec=56",
         TreeKind::Radio, 12603500, 27500500, 1, 5, 0, 2},
        {"#EXTINF:0,A\nrtsp://h:554/?freq=450&bw=8&msys=dvbc&mtype=256qam&sr=6900&specinv=0&pids=0,16,17",
         TreeKind::Television, 450000000, 6900000, 0, 0, 5, 0},
        // Without msys: a polarization says satellite.
        {"#EXTINF:0,A\nhttp://h:8875/?freq=10744&pol=h&sr=22000&fec=56", TreeKind::Television, 10744000, 22000000, 0, 5, 0, 0},
        {"#EXTINF:0,A\nrtsp://h/?freq=658.25&bw=8&msys=dvbt2&plp=0", TreeKind::Television, 658250000, 0, 0, 0, 0, 0},
    };
    for (const Row& row : rows) {
        ChannelList list;
        ASSERT_TRUE(readText(ListFormat::Satip, std::string(row.entry) + "\n", list).ok()) << row.entry;
        const ChannelTree& tree = row.kind == TreeKind::Television ? list.television() : list.radio();
        ASSERT_EQ(testing::shapeOf(tree), "channels[A]") << row.entry;
        const ChannelRecord& r = tree.topLevelItem(0)->child(0)->record();
        EXPECT_EQ(std::tie(r.frequency, r.symbolRate, r.polarity, r.fec, r.qam, r.lnb),
                  std::tie(row.frequency, row.symbolRate, row.polarity, row.fec, row.qam, row.lnb))
            << row.entry;
    }
}

TEST(SatipFormat, EditsChangeOnlyTheirLines) {
    ChannelList list;
    ASSERT_TRUE(readText(ListFormat::Satip, routerPlaylist(), list, "router").ok());
    ChannelTree& tv = list.television();
    const auto edit = [&](TreeItem* item, auto change) {
        ChannelRecord record = item->record();
        change(record);
        tv.replaceRecord(item, record);
    };
    TreeItem* ard = tv.topLevelItem(0);
    TreeItem* zdf = tv.topLevelItem(1);
    TreeItem* router = tv.topLevelItem(2);
    edit(ard->child(0), [](ChannelRecord& r) { r.setName("Das Erste"); });
    edit(zdf->child(0), [](ChannelRecord& r) { r.frequency = 11362000; });
    edit(zdf->child(1), [](ChannelRecord& r) { r.audioPid = 6530; });
    edit(router->child(1), [](ChannelRecord& r) { r.lnb = 0; });
    edit(zdf, [](ChannelRecord& r) { r.setName("ZDF"); });
    // A channel of another list among those without a group: a new entry on the playlist's server.
    ChannelRecord added = testing::channelRecord("Neu", 1, 12188000);
    added.symbolRate = 27500000;
    added.fec = 3;
    added.videoPid = 101;
    added.audioPid = 102;
    tv.insertItem(router, 1, TreeItem::makeChannel(added));

    std::string expected = routerPlaylist();
    expected = replaced(expected, "\",Das Erste HD\n", "\",Das Erste\n");
    expected = replaced(expected, "group-title=\"ZDFvision\"", "group-title=\"ZDF\"");
    expected = replaced(expected, "freq=11361.75&", "freq=11362&");
    expected = replaced(expected, "pids=0,17,18,6500,6510,6520", "pids=0,17,18,6500,6510,6520,6530");
    expected = replaced(expected, "?src=2&freq=12148", "?src=1&freq=12148");
    expected = replaced(expected, "specinv=0&pids=0,16,17,18,20,100,101,104,102,103\n",
                        "specinv=0&pids=0,16,17,18,20,100,101,104,102,103\n"
                        "#EXTINF:0,Neu\n"
                        "rtsp://192.168.178.1:554/?src=1&freq=12188&pol=h&msys=dvbs&mtype=qpsk&sr=27500&fec=34&pids=0,101,102\n");
    EXPECT_EQ(writeText(ListFormat::Satip, list), expected);
}

// A list from elsewhere: each channel a new entry on the named server, in
// MHz and kSym/s with decimals only where the record has them.
TEST(SatipFormat, AnyListIsWrittenOnTheNamedServer) {
    ChannelList list;
    TreeItem* provider = testing::addProvider(list.television(), "Kabel");
    ChannelRecord satellite = testing::channelRecord("S", 1, 11494500);
    satellite.symbolRate = 27500500;
    satellite.polarity = 1;
    satellite.lnb = 1;
    satellite.pmtPid = 100;
    satellite.videoPid = 101;
    satellite.audioPid = 102;
    satellite.teletextPid = 104;
    satellite.pcrPid = 101;
    ChannelRecord cable = testing::channelRecord("C", 1, 346000000);
    cable.symbolRate = 6900000;
    cable.qam = 5;
    testing::addChannel(list.television(), provider, satellite);
    testing::addChannel(list.television(), provider, cable);

    EXPECT_EQ(written(ListFormat::Satip, list, "rtsp://10.0.0.2:554/"),
              "#EXTM3U\n"
              "#EXTINF:0 group-title=\"Kabel\",S\n"
              "rtsp://10.0.0.2:554/?src=2&freq=11494.5&pol=v&msys=dvbs&mtype=qpsk&sr=27500.5&pids=0,100,101,102,104\n"
              "#EXTINF:0 group-title=\"Kabel\",C\n"
              "rtsp://10.0.0.2:554/?freq=346&msys=dvbc&mtype=256qam&sr=6900&pids=0\n");
    // No server known: nothing is written, and the message says what to name.
    const testing::TemporaryFolder folder;
    const std::string path = folder.file("out.m3u");
    const FileResult result = writeList(path, ListFormat::Satip, list);
    EXPECT_EQ(result.outcome, FileOutcome::CannotCreate);
    EXPECT_NE(result.message.find("--satip-url"), std::string::npos) << result.message;
    EXPECT_TRUE(folder.names().empty());
}

TEST(SatipFormat, BadQueriesAreRefusedWithTheirLine) {
    const struct Row {
        std::string_view query;
        std::string_view message;
    } rows[] = {
        {"freq=12,5&msys=dvbs&pol=h", "3: freq: \"12,5\" is not a number"},
        {"freq=11494&msys=dvbs&pol=h&sr=fast", "3: sr: \"fast\" is not a number"},
        {"freq=11494&msys=dvbs3&pol=h", "3: msys: \"dvbs3\" is not a value SAT>IP knows"},
        {"freq=11494&msys=dvbs&pol=x", "3: pol: \"x\" is not a value SAT>IP knows"},
        {"freq=11494&msys=dvbs2&mtype=9psk", "3: mtype: \"9psk\" is not a value SAT>IP knows"},
        {"freq=11494&msys=dvbs&fec=2/3", "3: fec: \"2/3\" is not a value SAT>IP knows"},
        {"src=0&freq=11494&msys=dvbs", "3: src: \"0\" is not an LNB number from 1"},
        {"freq=11494&msys=dvbs&pids=0,8192", "3: pids: \"0,8192\" is not a list of PIDs from 0 to 8191"},
        // 32 bits of kHz for satellites, of Hz for cable: one unit more reads as no frequency.
        {"freq=4294967.296&msys=dvbs&pol=h", "3: freq: \"4294967.296\" is too high for a channel"},
        {"freq=4294.967296&msys=dvbc&sr=6900", "3: freq: \"4294.967296\" is too high for a channel"},
    };
    for (const Row& row : rows) {
        ChannelList list;
        testing::addProvider(list.television(), "kept");
        const FileResult result =
            readText(ListFormat::Satip, "#EXTM3U\n#EXTINF:0,A\nrtsp://h/?" + std::string(row.query) + "\n", list);
        EXPECT_EQ(result.outcome, FileOutcome::BadContent) << row.query;
        EXPECT_EQ(result.message, row.message);
        EXPECT_EQ(testing::shapeOf(list.television()), "kept") << row.query;
    }
}

// VLC's DVB MRLs as VLC 3.0 documents them: the delivery system as scheme,
// then "name=value" options of its DVB access joined by ':', in Hz and
// symbols/s; the Service ID as the "program" option.
TEST(VlcFormat, EntriesAreVlcDvbMrls) {
    ChannelList list;
    ASSERT_TRUE(readList(std::string(QVX_SOURCE_DIR) + "/examples/sample.vdr.conf", ListFormat::Vdr, list).ok());
    ChannelList router;
    ASSERT_TRUE(readText(ListFormat::Satip, routerPlaylist(), router).ok());
    const std::regex mrl("(dvb-s|dvb-s2|dvb-c|dvb-t|dvb-t2)://([a-z-]+=[^:]+)(:[a-z-]+=[^:]+)*");
    const std::set<std::string> polarizations{"H", "V", "L", "R"};
    const std::set<std::string> rates{"1/2", "2/3", "3/4", "3/5", "4/5", "5/6", "6/7", "7/8", "8/9", "9/10"};
    const std::set<std::string> modulations{"QPSK", "8PSK", "16APSK", "32APSK", "16QAM", "32QAM", "64QAM", "128QAM", "256QAM"};
    for (const ChannelList* from : {&list, &router}) {
        const std::string text = written(ListFormat::Vlc, *from);
        ASSERT_TRUE(text.starts_with("#EXTM3U\n"));
        std::vector<const ChannelRecord*> records;
        for (const ChannelTree* tree : {&from->television(), &from->radio()})
            for (const auto& top : tree->topLevelItems())
                for (const auto& child : top->children()) records.push_back(&child->record());
        std::size_t at = std::string("#EXTM3U\n").size();
        std::size_t count = 0;
        while (at < text.size()) {
            const auto next = [&] {
                const std::size_t end = text.find('\n', at);
                std::string line = text.substr(at, end - at);
                at = end + 1;
                return line;
            };
            std::string line = next();
            ASSERT_TRUE(line.starts_with("#EXTINF:0,")) << line;
            line = next();
            // The records' order differs from the file's in the router's list; find it by name.
            std::uint32_t program = 0;
            if (line.starts_with("#EXTVLCOPT:program=")) {
                program = static_cast<std::uint32_t>(std::stoul(line.substr(19)));
                line = next();
            }
            ASSERT_TRUE(std::regex_match(line, mrl)) << line;
            std::map<std::string, std::string> options;
            const std::string location = line.substr(line.find("://") + 3);
            for (std::size_t start = 0; start <= location.size();) {
                const std::size_t colon = std::min(location.find(':', start), location.size());
                const std::string option = location.substr(start, colon - start);
                options[option.substr(0, option.find('='))] = option.substr(option.find('=') + 1);
                start = colon + 1;
            }
            for (const auto& [name, value] : options) {
                const std::set<std::string> documented{"frequency", "srate", "polarization", "modulation", "fec", "bandwidth", "code-rate-hp"};
                EXPECT_TRUE(documented.contains(name)) << line;
                const std::map<std::string, std::set<std::string>> values{
                    {"polarization", polarizations}, {"fec", rates}, {"code-rate-hp", rates}, {"modulation", modulations}};
                if (const auto allowed = values.find(name); allowed != values.end()) {
                    EXPECT_TRUE(allowed->second.contains(value)) << line;
                }
            }
            const bool satellite = line.starts_with("dvb-s");
            const auto matches = [&](const ChannelRecord* r) {
                const std::uint64_t hz = satellite ? std::uint64_t{r->frequency} * 1000 : r->frequency;
                return options["frequency"] == std::to_string(hz) && r->serviceId == program &&
                       (!options.contains("srate") || options["srate"] == std::to_string(r->symbolRate)) &&
                       (!options.contains("polarization") || (options["polarization"] == "V") == (r->polarity == 1));
            };
            EXPECT_TRUE(std::ranges::any_of(records, matches)) << line;
            ++count;
        }
        EXPECT_EQ(count, records.size());
    }
}

}  // namespace
}  // namespace qvx
