// SPDX-License-Identifier: GPL-3.0-or-later
// How a VDR channels.conf line and the record meet, both ways (vdr(5): MHz
// for satellites, MHz, kHz or Hz for cable and terrestrial channels,
// kSym/s; the record: kHz for satellites, Hz for the others, symbols/s),
// which providers a file gives, which lines are errors, and which files are
// taken for VDR files.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <tuple>

#include "FormatTestSupport.h"
#include "VdrTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

// The record fields a VDR line holds, as one comparable value.
struct Held {
    int frequency, symbolRate, polarity, fec, qam, videoPid, pcrPid, audioPid, ac3Pid, teletextPid;
    bool scrambled;
    int serviceId, networkId, transportStreamId, rotorPosition;

    auto tie() const {
        return std::tie(frequency, symbolRate, polarity, fec, qam, videoPid, pcrPid, audioPid, ac3Pid, teletextPid,
                        scrambled, serviceId, networkId, transportStreamId, rotorPosition);
    }
    bool operator==(const Held& other) const { return tie() == other.tie(); }
};

std::ostream& operator<<(std::ostream& out, const Held& h) {
    return out << "{f " << h.frequency << " sr " << h.symbolRate << " pol " << h.polarity << " fec " << h.fec
               << " qam " << h.qam << " v " << h.videoPid << "+" << h.pcrPid << " a " << h.audioPid << ";"
               << h.ac3Pid << " t " << h.teletextPid << " scr " << h.scrambled << " ids " << h.serviceId << "/"
               << h.networkId << "/" << h.transportStreamId << " rotor " << h.rotorPosition << "}";
}

Held heldOf(const ChannelRecord& r) {
    return {static_cast<int>(r.frequency), static_cast<int>(r.symbolRate), r.polarity, r.fec, r.qam, r.videoPid,
            r.pcrPid, r.audioPid, r.ac3Pid, r.teletextPid, r.isScrambled(), r.serviceId, r.networkId,
            r.transportStreamId, r.rotorPosition};
}

// The one channel a line gives, and its tree.
const TreeItem* onlyChannel(const ChannelList& list, bool& radio) {
    for (const ChannelTree* tree : {&list.television(), &list.radio()})
        for (const auto& top : tree->topLevelItems())
            for (const auto& child : top->children()) {
                radio = tree == &list.radio();
                return child.get();
            }
    return nullptr;
}

// Rotor positions by the rotor table's names: 1 "Hot Bird 13°E", 2 "Astra
// 19.2°E", 26 "Thor 0.8°W"; 29 "not assigned".
TEST(VdrMapping, ALineGivesTheRecord) {
    const struct {
        const char* line;
        bool radio;
        Held held;
        const char* label;
        const char* fullName;
    } rows[] = {
        {"RTL Television,RTL;RTL World:12187:hC34M2O0S0:S19.2E:27500:163=2:104=deu;106=deu:105:0:12003:1:1089:0", false,
         {12'187'000, 27'500'000, 0, 3, 0, 163, 163, 104, 106, 105, false, 12003, 1, 1089, 2}, "RTL Television", ""},
        // DVB-S2 16APSK 9/10: code rate and modulation the record lacks (AUTO, NONE); own PCR PID.
        {"Sky:11914:VC910M6O20S1:S13E:27500:511+8190=27:512;514:32:1702,1722:11:133:6:0", false,
         {11'914'000, 27'500'000, 1, 0, 0, 511, 8190, 512, 514, 32, true, 11, 133, 6, 1}, "Sky", ""},
        // Circular left goes with horizontal; no video PID: radio.
        {"Thor Radio:10872:L:S0.8W:25000:0:561=nor:0:0:1:2:3:0", true,
         {10'872'000, 25'000'000, 0, 0, 0, 0, 0, 561, 0, 0, false, 1, 2, 3, 26}, "Thor Radio", ""},
        {"Ohne Position:11494:HC23:S28.2E:22000:5101:5102:0:0:1:2:3:0", false,
         {11'494'000, 22'000'000, 0, 2, 0, 5101, 5101, 5102, 0, 0, false, 1, 2, 3, 0}, "Ohne Position", ""},
        // Cable in MHz, kHz and Hz.
        {"Das Erste;ARD:410:M256:C:6900:101:102:104:0:28106:61441:10003:0", false,
         {410'000'000, 6'900'000, 0, 0, 5, 101, 101, 102, 0, 104, false, 28106, 61441, 10003, 0}, "Das Erste", ""},
        {"arte:362000:C0M64:C:6900:6210:6221:6230:0:11120:61441:10011:0", false,
         {362'000'000, 6'900'000, 0, 0, 3, 6210, 6210, 6221, 0, 6230, false, 11120, 61441, 10011, 0}, "arte", ""},
        {"Hz:362000000:M128:C:6875:1:2:3:0:4:5:6:0", false,
         {362'000'000, 6'875'000, 0, 0, 4, 1, 1, 2, 0, 3, false, 4, 5, 6, 0}, "Hz", ""},
        // Terrestrial in the man page's order: 2/3, QAM16.
        {"ZDF:522000:B8C23D12G8M16T8Y0S0:T:27500:545:546:551:0:514:8468:769:0", false,
         {522'000'000, 27'500'000, 0, 2, 1, 545, 545, 546, 0, 551, false, 514, 8468, 769, 0}, "ZDF", ""},
        // An older line: network, transport stream and radio ids missing.
        {"RTL:12188:h:S19.2E:27500:163:104:105:0:12003", false,
         {12'188'000, 27'500'000, 0, 0, 0, 163, 163, 104, 0, 105, false, 12003, 0, 0, 2}, "RTL", ""},
        // A plugin's source: its parameters are its own, its frequency a number.
        {"IPTV:1:S=1|P=0|F=EXT|U=iptv.sh:I:0:256:257:0:0:5:0:0:0", false,
         {1, 0, 0, 0, 0, 256, 256, 257, 0, 0, false, 5, 0, 0, 0}, "IPTV", ""},
        // Names: '|' for ':', the full name carried where windows-1252 or 31 characters cannot hold it.
        {"ProSieben|Austria;ProSiebenSat.1:12051:V:S19.2E:27500:161:84:36:0:20002:1:1107:0", false,
         {12'051'000, 27'500'000, 1, 0, 0, 161, 161, 84, 0, 36, false, 20002, 1, 1107, 2}, "ProSieben:Austria", ""},
        {"ČT1 HD;CT:10971:h:S19.2E:22000:2101:2102:2104:D05:17500:1:1051:0", false,
         {10'971'000, 22'000'000, 0, 0, 0, 2101, 2101, 2102, 0, 2104, true, 17500, 1, 1051, 2}, "CT1 HD", "ČT1 HD"},
        {"Das Erste HD mit einem besonders langen Namen:11494:H:S19.2E:22000:5101:5102:0:0:1:1:1:0", false,
         {11'494'000, 22'000'000, 0, 0, 0, 5101, 5101, 5102, 0, 0, false, 1, 1, 1, 2},
         "Das Erste HD mit einem besonder", "Das Erste HD mit einem besonders langen Namen"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        ChannelList list;
        ASSERT_TRUE(testing::readVdrText(row.line, list).ok());
        bool radio = false;
        const TreeItem* channel = onlyChannel(list, radio);
        ASSERT_NE(channel, nullptr);
        EXPECT_EQ(radio, row.radio);
        EXPECT_EQ(heldOf(channel->record()), row.held);
        EXPECT_EQ(channel->label(), row.label);
        EXPECT_EQ(channel->carried()->field(carried::kFullName), row.fullName);
    }
}

// A record of another format written to VDR: the line vdr(5) asks for, and
// read back, every field VDR holds.
TEST(VdrMapping, ARecordGivesTheLineAndComesBack) {
    const auto satellite = [](ChannelRecord& r) {
        r.frequency = 11'836'000;
        r.polarity = 0;
        r.fec = 3;
        r.videoPid = r.pcrPid = 101;
        r.audioPid = 102;
        r.teletextPid = 104;
        r.serviceId = 28106;
        r.networkId = 1;
        r.transportStreamId = 1101;
        r.rotorPosition = 2;
    };
    const struct {
        const char* what;
        std::function<void(ChannelRecord&)> make;
        std::string defaultSource;
        CarriedPtr carried;
        std::string line;
    } rows[] = {
        {"satellite", satellite, "S19.2E", nullptr, "Das Erste:11836:HC34M2S0:S19.2E:27500:101:102:104:0:28106:1:1101:0"},
        {"scrambled, own PCR PID, AC-3, vertical, Hot Bird",
         [&](ChannelRecord& r) {
             satellite(r);
             r.frequency = 11'797'000;
             r.polarity = 1;
             r.fec = 5;
             r.pcrPid = 8190;
             r.ac3Pid = 515;
             r.scrambled = 1;
             r.rotorPosition = 1;
         },
         "S19.2E", nullptr, "Das Erste:11797:VC56M2S0:S13E:27500:101+8190:102;515:104:FFFF:28106:1:1101:0"},
        {"cable", [](ChannelRecord& r) {
             r.frequency = 346'000'000;
             r.symbolRate = 6'900'000;
             r.qam = 5;
             r.videoPid = r.pcrPid = 1;
             r.audioPid = 2;
         },
         "S19.2E", nullptr, "Das Erste:346000:M256:C:6900:1:2:0:0:0:0:0:0"},
        {"no named rotor position: the default source",
         [&](ChannelRecord& r) {
             satellite(r);
             r.rotorPosition = 29;
         },
         "S13E", nullptr, "Das Erste:11836:HC34M2S0:S13E:27500:101:102:104:0:28106:1:1101:0"},
        {"a name with ':' and ','", [&](ChannelRecord& r) {
             satellite(r);
             r.setName("News: 24, live");
         },
         "S19.2E", nullptr, "News| 24, live,:11836:HC34M2S0:S19.2E:27500:101:102:104:0:28106:1:1101:0"},
        {"the full name another format carries", [&](ChannelRecord& r) {
             satellite(r);
             r.setName("CT1");
         },
         "S19.2E", makeCarried("other", 4, {{carried::kFullName, "ČT1"}}),
         "ČT1:11836:HC34M2S0:S19.2E:27500:101:102:104:0:28106:1:1101:0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ChannelRecord record = testing::channelRecord("Das Erste", 1);
        row.make(record);
        ChannelList list;
        TreeItem* provider = testing::addProvider(list.television(), "P");
        list.television().appendItem(provider, TreeItem::makeChannel(record, row.carried));
        FormatOptions options;
        options.defaultSource = row.defaultSource;
        EXPECT_EQ(testing::writtenVdrText(list, options), ":P\n" + row.line + "\n");

        ChannelList reread;
        ASSERT_TRUE(testing::readVdrText(":P\n" + row.line, reread).ok());
        bool radio = true;
        const TreeItem* channel = onlyChannel(reread, radio);
        ASSERT_NE(channel, nullptr);
        EXPECT_FALSE(radio);
        Held expected = heldOf(record);
        if (record.rotorPosition == 29) expected.rotorPosition = 1;  // S13E
        EXPECT_EQ(heldOf(channel->record()), expected);
        EXPECT_EQ(channel->label(), record.nameText());
    }
}

TEST(VdrMapping, GroupsBecomeProvidersAndWithoutGroupsProviderPartsDo) {
    const struct {
        const char* file;
        const char* television;
        const char* radio;
        bool madeUp;
    } rows[] = {
        // Channels before the first group at the top level; a group of both
        // kinds in each tree; a radio group in the Radio tree only; an empty
        // group an empty Television provider.
        {"Vor:12187:H:S19.2E:27500:163:104:0:0:1:1:1:0\n"
         "Radio vor:12265:H:S19.2E:27500:0:2001:0:0:2:1:1:0\n"
         ":Beide\n"
         "TV1:12187:H:S19.2E:27500:163:104:0:0:3:1:1:0\n"
         "R1:12265:H:S19.2E:27500:0:2001:0:0:4:1:1:0\n"
         ":@20 Nur Radio\n"
         "R2:12265:H:S19.2E:27500:0:2001:0:0:5:1:1:0\n"
         ":Leer\n"
         ":Nur TV\n"
         "TV2:12187:H:S19.2E:27500:163:104:0:0:6:1:1:0\n",
         "Vor Beide[TV1] Leer Nur TV[TV2]", "Radio vor Beide[R1] Nur Radio[R2]", false},
        // Made up in the order of first appearance; no provider part: the file's name.
        {"Das Erste HD;ARD:11494:H:S19.2E:22000:5101:5102:0:0:1:1:1:0\n"
         "Bayern 1;ARD:12265:H:S19.2E:27500:0:2001:0:0:2:1:1:0\n"
         "ZDF HD;ZDFvision:11362:H:S19.2E:22000:6110:6120:0:0:3:1:1:0\n"
         "Fremd:12000:H:S19.2E:27500:100:101:0:0:4:1:1:0\n"
         "hr1;ARD:12265:H:S19.2E:27500:0:2101:0:0:5:1:1:0\n",
         "ARD[Das Erste HD] ZDFvision[ZDF HD] channels[Fremd]", "ARD[Bayern 1,hr1]", true},
    };
    for (const auto& row : rows) {
        ChannelList list;
        ASSERT_TRUE(testing::readVdrText(row.file, list, "channels").ok());
        EXPECT_EQ(testing::shapeOf(list.television()), row.television);
        EXPECT_EQ(testing::shapeOf(list.radio()), row.radio);
        for (const ChannelTree* tree : {&list.television(), &list.radio()})
            for (const auto& top : tree->topLevelItems()) {
                if (top->record().isChannel == 0) {
                    EXPECT_EQ(top->carried()->has(carried::kMadeUp), row.madeUp) << top->label();
                }
            }
    }
}

// Each kind of bad line names its line and quotes what is wrong; what VDR
// itself takes is no error.
TEST(VdrMapping, BadLinesAreErrorsWithTheirLineNumber) {
    const std::string good = ":Group\nRTL:12187:h:S19.2E:27500:163:104:105:0:12003:1:1089:0\n";
    const struct {
        const char* line;
        const char* message;  // empty: the line is read
    } rows[] = {
        {"RTL:12187:h:S19.2E:27500", "3: expected 13 fields, found 5"},
        {"RTL:x:h:S19.2E:27500:163:104:105:0:12003:1:1089:0", "3: bad frequency \"x\""},
        {"RTL:99999999999999:h:S19.2E:27500:163:104:105:0:12003:1:1089:0", "3: bad frequency \"99999999999999\""},
        {"RTL:12187:hC23M9:S19.2E:27500:163:104:105:0:12003:1:1089:0", "3: bad parameter string \"hC23M9\""},
        {"RTL:12187:hC:S19.2E:27500:163:104:105:0:12003:1:1089:0", "3: bad parameter string \"hC\""},
        {"RTL:12187:hZ1:S19.2E:27500:163:104:105:0:12003:1:1089:0", "3: bad parameter string \"hZ1\""},
        {"RTL:12187:h:s19.2E:27500:163:104:105:0:12003:1:1089:0", "3: bad source \"s19.2E\""},
        {"RTL:12187:h:S19.2N:27500:163:104:105:0:12003:1:1089:0", "3: bad source \"S19.2N\""},
        {"RTL:12187:h:S19.2E:27.5:163:104:105:0:12003:1:1089:0", "3: bad symbol rate \"27.5\""},
        {"RTL:12187:h:S19.2E:27500:163+:104:105:0:12003:1:1089:0", "3: bad video PID \"163+\""},
        {"RTL:12187:h:S19.2E:27500:70000:104:105:0:12003:1:1089:0", "3: bad video PID \"70000\""},
        {"RTL:12187:h:S19.2E:27500:163:104=deu@:105:0:12003:1:1089:0", "3: bad audio PIDs \"104=deu@\""},
        {"RTL:12187:h:S19.2E:27500:163:104;105;106:105:0:12003:1:1089:0", "3: bad audio PIDs \"104;105;106\""},
        {"RTL:12187:h:S19.2E:27500:163:104:105;x:0:12003:1:1089:0", "3: bad teletext PID \"105;x\""},
        {"RTL:12187:h:S19.2E:27500:163:104:105:17G2:12003:1:1089:0", "3: bad CA list \"17G2\""},
        {"RTL:12187:h:S19.2E:27500:163:104:105:0:70000:1:1089:0", "3: bad service ID \"70000\""},
        {"RTL:12187:h:S19.2E:27500:163:104:105:0:12003:-1:1089:0", "3: bad network ID \"-1\""},
        {"RTL:12187:h:S19.2E:27500:163:104:105:0:12003:1:10x9:0", "3: bad transport stream ID \"10x9\""},
        {"RTL:12187:h:S19.2E:27500:163:104:105:0:12003:1:1089:r", "3: bad radio ID \"r\""},
        // What VDR reads: blanks around numbers, libdvbv5's video PID list and
        // satellite source without a position, Dolby PIDs without audio ones,
        // leading zeros in CA ids, a 12-field line, a plugin's parameters.
        {"RTL: 12187 :h:S19.2E: 27500 :163:104:105:0: 12003 :1:1089:0", ""},
        {"Das Erste HD:11494:S1HC23I999M5N999O35:S:22000:5101,5102:5103:0:0:10301:1:1019:0", ""},
        {"Dolby:12187:h:S19.2E:27500:0:0;106=deu@106:0;2001=deu:0000,1702:5:1:1089", ""},
        {"IPTV:1:F=EXT|U=x.sh|A=0:I:0:256:257:0:0:5:0:0:0", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        ChannelList list;
        const FileResult result = testing::readVdrText(good + row.line + "\n", list);
        EXPECT_EQ(result.message, row.message);
        EXPECT_EQ(result.ok(), *row.message == '\0');
        if (!result.ok()) {
            EXPECT_TRUE(list.television().empty() && list.radio().empty());
            EXPECT_TRUE(result.placeIsLine);
        }
    }

    // Through the file layer: the path in front, the list as it was.
    testing::TemporaryFolder folder;
    const std::string path = folder.file("channels.conf");
    const std::string bad = good + "RTL:12187:hC23M9:S19.2E:27500:163:104:105:0:12003:1:1089:0\n";
    testing::writeFileBytes(path, testing::Bytes(bad.begin(), bad.end()));
    ChannelList list;
    testing::addProvider(list.television(), "Kept");
    const FileResult result = readList(path, ListFormat::Vdr, list);
    EXPECT_EQ(result.message, path + ":3: bad parameter string \"hC23M9\"");
    EXPECT_EQ(testing::shapeOf(list.television()), "Kept");
}

// Files called *.conf of the three Linux formats: VDR's by a fourth field
// that is a source, or a group line.
TEST(VdrMapping, TheProbeTakesVdrFilesAndNoOthers) {
    const struct {
        const char* head;
        bool vdr;
    } rows[] = {
        {"RTL:12187:h:S19.2E:27500:163:104:105:0:12003:1:1089:0\n", true},
        {":First group\nRTL:12187:h:S19.2E:27500:163:104:105:0:12003:1:1089:0\n", true},
        {"# mine\n\n:@201\n", true},
        {"Das Erste:410000:M256:C:6900:101:102:104:0:28106:61441:10003:0", true},
        {"ZDF:522000:B8C23D12G8M16T8Y0S0:T:27500:545:546:551:0:514:8468:769:0\n", true},
        {"WPXN:503000:M10:A:0:49:52:0:0:3:0:0:0\n", true},
        // dvb-format-convert's VDR output: a satellite source without a position.
        {"Das Erste HD:11494:S1HC23I999M5N999O35:S:22000:5101:5102:0:0:10301:1:1019:0\n", true},
        // dvbv5, szap, czap, tzap.
        {"[Das Erste]\n\tSERVICE_ID = 28106\n\tFREQUENCY = 11836000\n", false},
        {"# generated\n[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n", false},
        {"Das Erste:11836:h:0:27500:101:102:28106\n", false},
        {"Das Erste:410000000:INVERSION_AUTO:6900000:FEC_NONE:QAM_256:101:102:28106\n", false},
        {"Das Erste:522000000:INVERSION_AUTO:BANDWIDTH_8_MHZ:FEC_2_3:FEC_NONE:QAM_16:TRANSMISSION_MODE_8K:"
         "GUARD_INTERVAL_1_4:HIERARCHY_NONE:545:546:514\n",
         false},
        {"", false},
    };
    for (const auto& row : rows) {
        const std::string_view head(row.head);
        EXPECT_EQ(looksLikeVdr({reinterpret_cast<const std::uint8_t*>(head.data()), head.size()}), row.vdr)
            << row.head;
    }
}

}  // namespace
}  // namespace qvx
