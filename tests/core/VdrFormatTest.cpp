// SPDX-License-Identifier: GPL-3.0-or-later
// VDR's channels.conf written back: every line nobody changed byte for byte,
// and after an edit only the edited line, only in the edited field.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "FormatTestSupport.h"
#include "VdrTestSupport.h"
#include "formats/RecordTuning.h"
#include "model/RotorPositions.h"

namespace qvx {
namespace {

using testing::itemLabelled;
using testing::withLine;

// A channels.conf as vdr(5) describes it: numbered and plain groups, an
// empty one, a group of both kinds, short names, providers, '|' for ':',
// audio with languages, types and Dolby PIDs, subtitles, CA lists, DVB-S2,
// cable and terrestrial lines, names outside windows-1252 and longer than
// 31 characters, lower-case and reordered parameters, a comment and a blank
// line, and no newline at the end.
constexpr std::string_view kChannelsConf =
    ":@1 Öffentlich-Rechtliche\n"
    "Das Erste HD;ARD:11494:HC23M5O35S1:S19.2E:22000:5101=27:5102=deu@3,5103=mis@3;5106=deu@106:"
    "5104;5105=deu,5107=eng:0:10301:1:1019:0\n"
    "ZDF HD;ZDFvision:11362:HC23M5O35S1:S19.2E:22000:6110=27:6120=deu@3,6121=mis@3,6123=mul@3;6122=deu@106:"
    "6130;6131=deu:0:11110:1:1011:0\n"
    "Bayern 1;ARD:12265:HC34M2S0:S19.2E:27500:0:2001=deu@3:0:0:28400:1:1093:0\n"
    "BR Fernsehen Süd;ARD:11836:hC34:S19.2E:27500:201+8190=2:202=deu,203=deu+eng;206=deu:204;2040=deu:0:28107:1:"
    "1101:0\n"
    ":Private\n"
    "RTL Television,RTL;RTL World:12187:hC34M2O0S0:S19.2E:27500:163=2:104=deu;106=deu:105:0:12003:1:1089:0\n"
    "ProSieben|Austria;ProSiebenSat.1:12051:VC34M2S0:S19.2E:27500:161=2:84=deu@3:36:0:20002:1:1107:0\n"
    ":@100 Pay TV\n"
    "Sky Cinema HD,Sky Cine;Sky Deutschland:11914:HC910M6O20S1:S19.2E:27500:511=27:512=deu@3,513=eng@3;"
    "514=deu@106:32;2050=deu:1702,1722,98C:11:133:6:0\n"
    "ČT1 HD;CT:10971:hC23M5O35S1:S19.2E:22000:2101=27:2102=ces@3;2105=ces@106:2104:D05:17500:1:1051:0\n"
    "Россия 1;RTRN:12380:VC34M2S0:S36.0E:27500:101:102=rus:0:0:1:112:3:0\n"
    "Das Erste HD mit einem besonders langen Namen;ARD:11494:HC23M5O35S1:S19.2E:22000:5101=27:5102=deu@3:5104:"
    "0:10302:1:1019:0\n"
    ":Kabel\n"
    "Das Erste;ARD:410:M256:C:6900:101=2:102=deu@3;106=deu@106:104:0:28106:61441:10003:0\n"
    "arte HD:362000000:C0M256:C:6900:6210=27:6221=deu@3,6222=fra@3:6230:0:11120:61441:10011:0\n"
    ":Antenne\n"
    "ZDF;ZDFmux:522000:B8C23D12G8M16T8Y0S0:T:27500:545=27:546=deu@3,547=mis@3:551;552=deu:0:514:8468:769:0\n"
    "rbb Berlin HD;rbb:690000:B8C23D0G19128I999M256P0S1T32Y0:T:27500:1201=27:1202=deu@3:1204:0:11:8468:11:0\n"
    ":Leer\n"
    ":@500\n"
    "# a comment VDR itself does not write\n"
    "\n"
    "Sat.1 Gold;ProSiebenSat.1:12544:hC56M2s0:S19.2E:22000:1535=2:1536=deu@3:33:0:17505:1:1107:0\n"
    "Radio Bremen Zwei;ARD:12265:HC34M2S0:S19.2E:27500:0:2901=deu@3:0:0:28448:1:1093:0";

// Without groups: providers made up from the provider parts.
constexpr std::string_view kWithoutGroups =
    "Das Erste HD;ARD:11494:HC23M5O35S1:S19.2E:22000:5101:5102:5104:0:10301:1:1019:0\n"
    "Bayern 1;ARD:12265:HC34M2S0:S19.2E:27500:0:2001:0:0:28400:1:1093:0\n"
    "ZDF HD;ZDFvision:11362:HC23M5O35S1:S19.2E:22000:6110:6120:6130:0:11110:1:1011:0\n"
    "Fremd:12000:HC34M2S0:S19.2E:27500:100:101:0:0:1:1:1:0\n"
    "hr1;ARD:12265:HC34M2S0:S19.2E:27500:0:2101:0:0:28419:1:1093:0\n";

// An old file in Latin-1: "Öffentlich", "Süd", "Ö3".
constexpr std::string_view kLatin1 =
    ":\xD6" "ffentlich\n"
    "BR Fernsehen S\xFC" "d;ARD:11836:hC34:S19.2E:27500:201:202:204:0:28107:1:1101:0\n"
    "Hitradio \xD6" "3;ORF:12692:hC56:S19.2E:22000:0:3101:0:0:13121:1:1115:0\n";

// Lines ending in CR LF, as an editor on another system leaves them.
constexpr std::string_view kCarriageReturns =
    ":Sender\r\n"
    "RTL:12187:hC34:S19.2E:27500:163:104:105:0:12003:1:1089:0\r\n";

TEST(VdrFormat, FilesComeBackByteForByte) {
    for (const std::string_view file : {kChannelsConf, kWithoutGroups, kLatin1, kCarriageReturns}) {
        SCOPED_TRACE(std::string(file.substr(0, 40)));
        ChannelList list;
        const FileResult result = testing::readVdrText(file, list);
        ASSERT_TRUE(result.ok()) << result.message;
        EXPECT_EQ(testing::writtenVdrText(list), file);
    }
}

// What the panel's OK does: the record copied out, fields set, stored back whole.
void setRecord(ChannelTree& tree, std::string_view label, const std::function<void(ChannelRecord&)>& change) {
    TreeItem* item = itemLabelled(tree, label);
    ASSERT_NE(item, nullptr);
    ChannelRecord record = item->record();
    change(record);
    tree.replaceRecord(item, record);
    tree.setLabel(item, std::string(record.nameText()));
}

// Moves an item with its carried texts, as a drag does.
void move(ChannelTree& tree, std::string_view label, std::string_view to, int row) {
    TreeItem* item = itemLabelled(tree, label);
    TreeItem* target = itemLabelled(tree, to);
    ASSERT_TRUE(item && target);
    auto moved = std::make_unique<TreeItem>(item->record(), item->label(), item->looks(), item->carried());
    tree.removeItem(item);
    tree.insertItem(target, row, std::move(moved));
}

TEST(VdrFormat, AnEditChangesOnlyItsLineAndInThatOnlyTheEditedField) {
    const std::string original(kChannelsConf);
    const std::string rtl =
        "RTL Television,RTL;RTL World:12187:hC34M2O0S0:S19.2E:27500:163=2:104=deu;106=deu:105:0:12003:1:1089:0";
    const std::string proSieben =
        "ProSieben|Austria;ProSiebenSat.1:12051:VC34M2S0:S19.2E:27500:161=2:84=deu@3:36:0:20002:1:1107:0";
    const std::string ersteHd =
        "Das Erste HD;ARD:11494:HC23M5O35S1:S19.2E:22000:5101=27:5102=deu@3,5103=mis@3;5106=deu@106:"
        "5104;5105=deu,5107=eng:0:10301:1:1019:0";
    const std::string sky = "Sky Cinema HD,Sky Cine;Sky Deutschland:11914:HC910M6O20S1:S19.2E:27500:511=27:512=deu@3,"
                            "513=eng@3;514=deu@106:32;2050=deu:1702,1722,98C:11:133:6:0";
    const std::string ct1 = "ČT1 HD;CT:10971:hC23M5O35S1:S19.2E:22000:2101=27:2102=ces@3;2105=ces@106:2104:D05:17500:1:"
                            "1051:0";
    const std::string ersteKabel = "Das Erste;ARD:410:M256:C:6900:101=2:102=deu@3;106=deu@106:104:0:28106:61441:10003:0";
    const std::string arte = "arte HD:362000000:C0M256:C:6900:6210=27:6221=deu@3,6222=fra@3:6230:0:11120:61441:10011:0";
    const std::string sat1 =
        "Sat.1 Gold;ProSiebenSat.1:12544:hC56M2s0:S19.2E:22000:1535=2:1536=deu@3:33:0:17505:1:1107:0";
    const std::string zdfHd = "ZDF HD;ZDFvision:11362:HC23M5O35S1:S19.2E:22000:6110=27:6120=deu@3,6121=mis@3,"
                              "6123=mul@3;6122=deu@106:6130;6131=deu:0:11110:1:1011:0";

    const struct {
        const char* what;
        std::function<void(ChannelList&)> edit;
        std::string expected;
    } cases[] = {
        {"a panel OK that changes nothing", [](ChannelList& l) { setRecord(l.television(), "RTL Television", [](ChannelRecord&) {}); },
         original},
        {"rename: the name part only, short name and provider kept",
         [](ChannelList& l) { setRecord(l.television(), "RTL Television", [](ChannelRecord& r) { r.setName("RTL"); }); },
         withLine(original, rtl, "RTL,RTL;RTL World" + rtl.substr(rtl.find(':')))},
        {"rename of a name outside windows-1252: the new name",
         [](ChannelList& l) { setRecord(l.television(), "CT1 HD", [](ChannelRecord& r) { r.setName("CT2 HD"); }); },
         withLine(original, ct1, "CT2 HD" + ct1.substr(ct1.find(';')))},
        {"code rate: the C of the parameters, in place",
         [](ChannelList& l) { setRecord(l.television(), "ProSieben:Austria", [](ChannelRecord& r) { r.fec = 5; }); },
         withLine(original, proSieben,
                  "ProSieben|Austria;ProSiebenSat.1:12051:VC56M2S0:S19.2E:27500:161=2:84=deu@3:36:0:20002:1:1107:0")},
        {"polarization: the letter keeps its case",
         [](ChannelList& l) { setRecord(l.television(), "Sat.1 Gold", [](ChannelRecord& r) { r.polarity = 1; }); },
         withLine(original, sat1,
                  "Sat.1 Gold;ProSiebenSat.1:12544:vC56M2s0:S19.2E:22000:1535=2:1536=deu@3:33:0:17505:1:1107:0")},
        {"service ID", [](ChannelList& l) { setRecord(l.television(), "Das Erste HD", [](ChannelRecord& r) { r.serviceId = 10399; }); },
         withLine(original, ersteHd, ersteHd.substr(0, ersteHd.find(":10301:")) + ":10399:1:1019:0")},
        {"first audio PID: the others keep languages and types",
         [](ChannelList& l) { setRecord(l.television(), "Das Erste HD", [](ChannelRecord& r) { r.audioPid = 5108; }); },
         withLine(original, ersteHd,
                  "Das Erste HD;ARD:11494:HC23M5O35S1:S19.2E:22000:5101=27:5108,5103=mis@3;5106=deu@106:"
                  "5104;5105=deu,5107=eng:0:10301:1:1019:0")},
        {"cable frequency: in the unit the line gave it (MHz)",
         [](ChannelList& l) { setRecord(l.television(), "Das Erste", [](ChannelRecord& r) { r.frequency = 418'000'000; }); },
         withLine(original, ersteKabel, "Das Erste;ARD:418:M256:C:6900:101=2:102=deu@3;106=deu@106:104:0:28106:61441:10003:0")},
        {"rotor position: the source of Hot Bird 13°E",
         [](ChannelList& l) { setRecord(l.television(), "Sky Cinema HD", [](ChannelRecord& r) { r.rotorPosition = 1; }); },
         withLine(original, sky,
                  "Sky Cinema HD,Sky Cine;Sky Deutschland:11914:HC910M6O20S1:S13E:27500:511=27:512=deu@3,513=eng@3;"
                  "514=deu@106:32;2050=deu:1702,1722,98C:11:133:6:0")},
        {"scrambled on and off: FFFF for a channel without CA ids, 0 for free",
         [](ChannelList& l) {
             setRecord(l.television(), "arte HD", [](ChannelRecord& r) { r.scrambled = 1; });
             setRecord(l.television(), "Sky Cinema HD", [](ChannelRecord& r) { r.scrambled = 0; });
         },
         withLine(withLine(original, arte,
                           "arte HD:362000000:C0M256:C:6900:6210=27:6221=deu@3,6222=fra@3:6230:FFFF:11120:61441:10011:0"),
                  sky,
                  "Sky Cinema HD,Sky Cine;Sky Deutschland:11914:HC910M6O20S1:S19.2E:27500:511=27:512=deu@3,513=eng@3;"
                  "514=deu@106:32;2050=deu:0:11:133:6:0")},
        {"a channel moved to the start of another group: its line there, unchanged",
         [](ChannelList& l) { move(l.television(), "Sat.1 Gold", "Private", 0); },
         withLine(withLine(original, sat1, ""), ":Private\n", ":Private\n" + sat1 + "\n")},
        {"a channel moved to the end of an earlier group: the comment before its old line stays",
         [](ChannelList& l) { move(l.television(), "Sat.1 Gold", "Private", -1); },
         withLine(withLine(original, sat1, ""), proSieben, proSieben + "\n" + sat1)},
        {"a new cable channel after the last of its group",
         [](ChannelList& l) {
             ChannelRecord record = testing::channelRecord("Neu", 1, 330'000'000);
             record.qam = 5;
             record.symbolRate = 6'900'000;
             record.videoPid = 1001;
             record.audioPid = 1002;
             l.television().appendItem(itemLabelled(l.television(), "Kabel"), TreeItem::makeChannel(record));
         },
         withLine(original, arte, arte + "\nNeu:330000:M256:C:6900:1001:1002:0:0:0:0:0:0")},
        {"a channel deleted", [](ChannelList& l) { l.television().removeItem(itemLabelled(l.television(), "ZDF HD")); },
         withLine(original, zdfHd, "")},
        {"groups renamed: the text after a channel number stays behind it",
         [](ChannelList& l) {
             setRecord(l.television(), "Private", [](ChannelRecord& r) { r.setName("Privat"); });
             setRecord(l.television(), "Pay TV", [](ChannelRecord& r) { r.setName("Bezahlfernsehen"); });
         },
         withLine(withLine(original, ":Private\n", ":Privat\n"), ":@100 Pay TV", ":@100 Bezahlfernsehen")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChannelList list;
        ASSERT_TRUE(testing::readVdrText(kChannelsConf, list).ok());
        c.edit(list);
        EXPECT_EQ(testing::writtenVdrText(list), c.expected);
    }
}

// Random panel edits of the fields a line holds: read back, every edited
// channel has its edited values, and every other line is as it was.
TEST(VdrFormat, RandomEditsReadBackAsEditedAndLeaveTheOtherLines) {
    std::vector<int> namedRotors;
    for (int index = 0; index < kRotorPositionCount; ++index)
        if (!sourceOfRotorPosition(index).empty()) namedRotors.push_back(index);
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        std::mt19937 random(seed);
        ChannelList list;
        ASSERT_TRUE(testing::readVdrText(kChannelsConf, list).ok());
        std::map<std::uint16_t, ChannelRecord> edited;  // by a service id no two channels share
        std::vector<std::string> untouched;
        std::uint16_t serviceId = 50000;
        for (ChannelTree* tree : {&list.television(), &list.radio()}) {
            for (const auto& provider : tree->topLevelItems()) {
                for (const auto& channel : provider->children()) {
                    if (random() % 2 == 0) {
                        untouched.emplace_back(channel->carried()->field("line"));
                        continue;
                    }
                    ChannelRecord r = channel->record();
                    const bool satellite = r.frequency < 20'000'000;  // kHz: the cable and terrestrial ones hold Hz
                    const auto pid = [&] { return static_cast<std::uint16_t>(1 + random() % 8190); };
                    r.setName("Edited " + std::to_string(random() % 1000));
                    r.frequency = satellite ? (10'700 + random() % 2'000) * 1'000 : (114 + random() % 700) * 250'000;
                    r.symbolRate = (1'000 + random() % 30'000) * 1'000;
                    if (satellite) r.polarity = static_cast<std::uint8_t>(random() % 2);
                    r.fec = static_cast<std::uint8_t>(random() % 9);
                    r.qam = static_cast<std::uint8_t>(random() % 6);
                    if (r.videoPid != 0) r.videoPid = pid();
                    r.pcrPid = random() % 2 ? r.videoPid : pid();
                    r.audioPid = pid();
                    r.ac3Pid = random() % 2 ? 0 : pid();
                    r.teletextPid = random() % 2 ? 0 : pid();
                    r.scrambled = static_cast<std::uint16_t>(random() % 2);
                    r.serviceId = serviceId++;
                    r.networkId = static_cast<std::uint16_t>(random());
                    r.transportStreamId = static_cast<std::uint16_t>(random());
                    if (satellite) r.rotorPosition = static_cast<std::uint8_t>(namedRotors[random() % namedRotors.size()]);
                    tree->replaceRecord(channel.get(), r);
                    edited[r.serviceId] = r;
                }
            }
        }
        const std::string written = testing::writtenVdrText(list);
        for (const std::string& line : untouched) EXPECT_NE(written.find(line), std::string::npos) << line;

        ChannelList reread;
        ASSERT_TRUE(testing::readVdrText(written, reread).ok());
        std::size_t found = 0;
        for (const ChannelTree* tree : {&reread.television(), &reread.radio()}) {
            for (const auto& provider : tree->topLevelItems()) {
                for (const auto& channel : provider->children()) {
                    const auto it = edited.find(channel->record().serviceId);
                    if (it == edited.end()) continue;
                    ++found;
                    const ChannelRecord& want = it->second;
                    const ChannelRecord& got = channel->record();
                    SCOPED_TRACE(std::string(want.nameText()));
                    EXPECT_EQ(got.nameText(), want.nameText());
                    EXPECT_EQ(got.frequency, want.frequency);
                    EXPECT_EQ(got.symbolRate, want.symbolRate);
                    EXPECT_EQ(got.polarity, want.polarity);
                    EXPECT_EQ(got.fec, want.fec);
                    EXPECT_EQ(got.qam, want.qam);
                    EXPECT_EQ(got.videoPid, want.videoPid);
                    // No PCR PID of its own: the video PID's; a radio channel has none.
                    EXPECT_EQ(got.pcrPid, want.videoPid == 0 ? 0 : want.pcrPid == 0 ? want.videoPid : want.pcrPid);
                    EXPECT_EQ(got.audioPid, want.audioPid);
                    EXPECT_EQ(got.ac3Pid, want.ac3Pid);
                    EXPECT_EQ(got.teletextPid, want.teletextPid);
                    EXPECT_EQ(got.isScrambled(), want.isScrambled());
                    EXPECT_EQ(got.networkId, want.networkId);
                    EXPECT_EQ(got.transportStreamId, want.transportStreamId);
                    // Positions that share an orbital position read back as the first of them.
                    EXPECT_EQ(got.rotorPosition,
                              rotorPositionOfSource(sourceOfRotorPosition(want.rotorPosition)).value_or(0));
                }
            }
        }
        EXPECT_EQ(found, edited.size());
    }
}

TEST(VdrFormat, WithoutGroupsAChannelsProviderPartIsItsProvidersName) {
    const std::string original(kWithoutGroups);
    const std::string fremd = "Fremd:12000:HC34M2S0:S19.2E:27500:100:101:0:0:1:1:1:0";
    const std::string ersteHd = "Das Erste HD;ARD:11494:HC23M5O35S1:S19.2E:22000:5101:5102:5104:0:10301:1:1019:0";
    ChannelList list;
    ASSERT_TRUE(testing::readVdrText(kWithoutGroups, list).ok());
    // Moved to another made-up provider, renamed: the provider part follows.
    move(list.television(), "Fremd", "ZDFvision", 1);
    setRecord(list.television(), "ARD", [](ChannelRecord& r) { r.setName("Das Erste"); });
    EXPECT_EQ(testing::writtenVdrText(list),
              withLine(withLine(original, fremd, "Fremd;ZDFvision" + fremd.substr(fremd.find(':'))), ersteHd,
                       "Das Erste HD;Das Erste" + ersteHd.substr(ersteHd.find(':'))));
}

TEST(VdrFormat, ALatin1FileKeepsItsEncodingForChangedNames) {
    ChannelList list;
    ASSERT_TRUE(testing::readVdrText(kLatin1, list).ok());
    EXPECT_EQ(list.television().topLevelItem(0)->label(), "\xD6" "ffentlich");
    setRecord(list.television(), "BR Fernsehen S\xFC" "d", [](ChannelRecord& r) { r.setName("BR S\xFC" "dwest"); });
    EXPECT_EQ(testing::writtenVdrText(list),
              withLine(std::string(kLatin1), "BR Fernsehen S\xFC" "d;", "BR S\xFC" "dwest;"));
}

}  // namespace
}  // namespace qvx
