// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "FormatTestSupport.h"
#include "TextFormatTestSupport.h"
#include "formats/ChannelExtras.h"
#include "formats/ConversionLoss.h"

namespace qvx {
namespace {

// Records as a native read leaves them (volume 100), so that only the change
// under test makes a loss.
ChannelRecord asRead(ChannelRecord record) {
    record.volume = 100;
    return record;
}
ChannelRecord channel(std::string_view name) { return asRead(testing::channelRecord(name, 1)); }
TreeItem* addProvider(ChannelTree& tree, ChannelRecord record) {
    return tree.appendItem(nullptr, TreeItem::makeProvider(asRead(record)));
}
TreeItem* addProvider(ChannelTree& tree) {
    return addProvider(tree, testing::providerRecord("P", tree.serviceType()));
}

// The kinds of loss each target format reports, from the layouts: 23 name
// characters survive a foreign read, DVB98 drops bytes above 127 from names,
// frequencies (and DVB98 symbol rates) are stored as 16-bit MHz (ksymbols/s),
// LNB numbers above 3 are written as 3, a native read resets volume, rotor
// position and the four DVBextreme fields, DVBextreme writes its two extra
// bytes as 0, and the foreign readers drop a channel without service type.
TEST(ConversionLoss, EachKindIsCountedForTheFormatsThatCauseIt) {
    using F = ListFormat;
    constexpr const char* kCut = "names longer than 23 characters are cut";
    constexpr const char* kHigh = "names hold characters above 127, which the DVB98 reader drops";
    constexpr const char* kFrequency = "frequencies above 65535 MHz cannot be held";
    constexpr const char* kBelow = "channel frequencies below 1 MHz come back as providers";
    constexpr const char* kSymbolRate = "symbol rates above 65535 ksymbols/s cannot be held";
    constexpr const char* kLnb = "LNB numbers above 3 are written as 3";
    constexpr const char* kNoType = "channels without a service type are dropped by the reader";
    constexpr const char* kVolume = "volume and rotor positions cannot be held";
    constexpr const char* kReset = "volume and rotor positions are reset by the native reader";
    constexpr const char* kFields = "DVBextreme fields are not kept";
    constexpr const char* kExtra = "DVBextreme extra bytes are written as 0";
    const struct {
        std::function<void(ChannelRecord&)> change;
        // What each format reports; the others report nothing.
        std::vector<std::pair<F, const char*>> reports;
    } cases[] = {
        {[](ChannelRecord& r) { r.setName("123456789012345678901234"); }, {{F::Dvb98, kCut}, {F::DvbExtreme, kCut}}},
        {[](ChannelRecord& r) { r.setName("Gr\xFC\xDF"); }, {{F::Dvb98, kHigh}}},
        {[](ChannelRecord& r) { r.frequency = 65536000; }, {{F::Dvb98, kFrequency}, {F::DvbExtreme, kFrequency}}},
        {[](ChannelRecord& r) { r.frequency = 999; }, {{F::Dvb98, kBelow}, {F::DvbExtreme, kBelow}}},
        {[](ChannelRecord& r) { r.symbolRate = 65536000; }, {{F::Dvb98, kSymbolRate}}},
        {[](ChannelRecord& r) { r.lnb = 4; }, {{F::Dvb98, kLnb}, {F::DvbExtreme, kLnb}}},
        {[](ChannelRecord& r) { r.serviceType = 0; }, {{F::Dvb98, kNoType}, {F::DvbExtreme, kNoType}}},
        {[](ChannelRecord& r) { r.volume = 50; }, {{F::Dvb98, kVolume}, {F::Native, kReset}, {F::WinDvbLive, kReset}}},
        {[](ChannelRecord& r) { r.rotorPosition = 2; },
         {{F::Dvb98, kVolume}, {F::Native, kReset}, {F::WinDvbLive, kReset}}},
        {[](ChannelRecord& r) { r.dvbxExtra1 = 7; },
         {{F::Dvb98, kFields}, {F::Native, kFields}, {F::WinDvbLive, kFields}}},
        {[](ChannelRecord& r) { r.dvbxExtra4 = 1; },
         {{F::Dvb98, kFields}, {F::Native, kFields}, {F::WinDvbLive, kFields}, {F::DvbExtreme, kExtra}}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        ChannelList list;
        TreeItem* provider = addProvider(list.television());
        testing::addChannel(list.television(), provider, channel("untouched"));
        for (int n = 0; n < 3; ++n) {
            ChannelRecord record = channel("c");
            cases[i].change(record);
            testing::addChannel(list.television(), provider, record);
        }
        for (const F format : {F::Native, F::WinDvbLive, F::Dvb98, F::DvbExtreme}) {
            SCOPED_TRACE(static_cast<int>(format));
            const std::vector<ConversionLoss> losses = conversionLosses(format, list.television(), list.radio());
            const auto report = std::ranges::find(cases[i].reports, format, &std::pair<F, const char*>::first);
            if (report == cases[i].reports.end()) {
                EXPECT_TRUE(losses.empty());
                continue;
            }
            ASSERT_EQ(losses.size(), 1u);
            EXPECT_EQ(losses[0].what, report->second);
            EXPECT_EQ(losses[0].records, 3u);
        }
    }
}

// VDR lines hold no LNB, volume, TV norm, transponder text, PMT or PMC
// PID, nor a PCR PID without a video PID; satellite frequencies in whole MHz, symbol rates in whole ksymbols/s;
// a satellite channel's source from a named rotor position, what it carries
// or the default.
TEST(ConversionLoss, VdrCountsWhatAChannelsConfCannotHold) {
    const auto onAstra = [](ChannelRecord record) {
        record.rotorPosition = 2;  // Astra 19.2°E
        record.videoPid = 101;
        return record;
    };
    const struct {
        std::function<void(ChannelRecord&)> change;
        const char* report;  // null: none
    } cases[] = {
        {[](ChannelRecord& r) { r.lnb = 1; }, "LNB numbers cannot be held"},
        {[](ChannelRecord& r) { r.rotorPosition = 29; },
         "satellite channels without a named rotor position get the default source"},
        {[](ChannelRecord& r) { r.frequency = 11'836'500; }, "satellite frequencies are rounded to whole MHz"},
        {[](ChannelRecord& r) { r.symbolRate = 27'500'500; }, "symbol rates are rounded to whole ksymbols/s"},
        {[](ChannelRecord& r) { r.volume = 50; }, "volume and TV norms cannot be held"},
        {[](ChannelRecord& r) { r.tvSignal = 1; }, "volume and TV norms cannot be held"},
        {[](ChannelRecord& r) { r.pmtPid = 100; }, "transponder texts, PMT and PMC PIDs cannot be held"},
        {[](ChannelRecord& r) { r.setTransponderText("19.2E 11836 H"); },
         "transponder texts, PMT and PMC PIDs cannot be held"},
        {[](ChannelRecord& r) { r.dvbxExtra1 = 7; }, "DVBextreme fields are not kept"},
        {[](ChannelRecord& r) {
             r.videoPid = 0;
             r.pcrPid = 2001;
         },
         "PCR PIDs of channels without a video PID cannot be held"},
        // A cable channel has no source to lack.
        {[](ChannelRecord& r) {
             r.qam = 5;
             r.rotorPosition = 0;
             r.frequency = 346'000'500;
         },
         nullptr},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        ChannelList list;
        TreeItem* provider = addProvider(list.television());
        testing::addChannel(list.television(), provider, onAstra(channel("untouched")));
        for (int n = 0; n < 3; ++n) {
            ChannelRecord record = onAstra(channel("c"));
            cases[i].change(record);
            // A channel without video PID is a radio channel.
            ChannelTree& tree = record.videoPid == 0 ? list.radio() : list.television();
            if (tree.empty()) addProvider(tree);
            record.serviceType = tree.serviceType();
            testing::addChannel(tree, tree.topLevelItem(0), record);
        }
        const std::vector<ConversionLoss> losses =
            conversionLosses(ListFormat::Vdr, list.television(), list.radio());
        if (!cases[i].report) {
            EXPECT_TRUE(losses.empty());
            continue;
        }
        ASSERT_EQ(losses.size(), 1u);
        EXPECT_EQ(losses[0].what, cases[i].report);
        EXPECT_EQ(losses[0].records, 3u);
    }

    // A channel that carries its source keeps it, whatever its rotor position.
    ChannelList list;
    TreeItem* provider = addProvider(list.television());
    ChannelRecord sat = channel("Sat");
    sat.videoPid = 1;
    list.television().appendItem(
        provider, TreeItem::makeChannel(sat, makeCarried("vdr", 2, {{"line", "Sat:11494:H:S28.2E:22000:1:2:0:0:1:2:3:0"}})));
    EXPECT_TRUE(conversionLosses(ListFormat::Vdr, list.television(), list.radio()).empty());
}

TEST(ConversionLoss, WinDvbLiveLimitsOnlyTelevisionProviderLnbs) {
    ChannelList list;
    ChannelRecord provider = testing::providerRecord("P", 1);
    provider.lnb = 5;
    TreeItem* item = addProvider(list.television(), provider);
    ChannelRecord limited = channel("c");
    limited.lnb = 5;
    testing::addChannel(list.television(), item, limited);
    ChannelRecord radioProvider = testing::providerRecord("R", 2);
    radioProvider.lnb = 5;
    testing::addChannel(list.radio(), addProvider(list.radio(), radioProvider), asRead(testing::channelRecord("r", 2)));
    const std::vector<ConversionLoss> losses =
        conversionLosses(ListFormat::WinDvbLive, list.television(), list.radio());
    ASSERT_EQ(losses.size(), 1u);
    EXPECT_EQ(losses[0].what, "Television provider LNB numbers above 3 are written as 3");
    EXPECT_EQ(losses[0].records, 1u);
}

// Top-level entries are numbered from 30001 and children from 1 over the whole
// file, in 16 bits: the 35536th top-level entry and the 65536th child pass it.
TEST(ConversionLoss, DvbExtremeNumbersBeyondSixteenBits) {
    ChannelList list;
    TreeItem* first = addProvider(list.television());
    for (int i = 0; i < 65536; ++i) testing::addChannel(list.television(), first, channel("c"));
    for (int i = 1; i < 35537; ++i) addProvider(list.radio());
    const std::vector<ConversionLoss> losses =
        conversionLosses(ListFormat::DvbExtreme, list.television(), list.radio());
    ASSERT_EQ(losses.size(), 2u);
    EXPECT_EQ(losses[0].what, "entry numbers beyond 65535 keep only their low 16 bits");
    EXPECT_EQ(losses[0].records, 1u + 2u);  // channel 65536, providers 65536 and 65537
    // The Radio providers have no channels: the tree builder of every record
    // format drops them on reading; JSON keeps them.
    const ConversionLoss emptyProviders{"providers without channels are not kept by the reader", 35536};
    EXPECT_EQ(losses[1].what, emptyProviders.what);
    EXPECT_EQ(losses[1].records, emptyProviders.records);
    for (const ListFormat format : {ListFormat::Native, ListFormat::WinDvbLive, ListFormat::Dvb98}) {
        const std::vector<ConversionLoss> other = conversionLosses(format, list.television(), list.radio());
        ASSERT_EQ(other.size(), 1u);
        EXPECT_EQ(conversionLossText(other[0]),
                  "providers without channels are not kept by the reader (35536 records)");
    }
    EXPECT_TRUE(conversionLosses(ListFormat::Json, list.television(), list.radio()).empty());
}

// A channel of a test list: its record and what it carries.
struct Source {
    ChannelRecord record;
    CarriedPtr carried;
};

// The channel every Linux channel file holds whole: whole MHz and ksymbols/s,
// no code rate (szap has none), no network IDs (zap has none).
Source survivor() {
    ChannelRecord record = testing::channelRecord("c", 1, 11836000);
    record.symbolRate = 27500000;
    record.videoPid = 101;
    record.audioPid = 102;
    record.serviceId = 28106;
    record.volume = 100;
    return {record, nullptr};
}

// The channel a text of a format reads as.
Source readAs(ListFormat format, std::string_view text) {
    ChannelList list;
    EXPECT_TRUE(testing::readText(format, text, list).ok());
    const TreeItem* item = testing::channelAt(list.television(), 0);
    return {item->record(), item->carried()};
}

// Whether writing in the format and reading back changed an item: a field of
// the record, or what it carried beyond the record.
bool changedOnTheWay(const TreeItem& before, const TreeItem& after) {
    const ChannelRecord& a = before.record();
    const ChannelRecord& b = after.record();
    if (a.nameText() != b.nameText() || a.transponderText() != b.transponderText()) return true;
    const auto fields = [](const ChannelRecord& r) {
        return std::tuple(r.frequency, r.symbolRate, r.videoPid, r.audioPid, r.teletextPid, r.pcrPid, r.pmtPid,
                          r.pmcPid, r.ac3Pid, r.serviceId, r.networkId, r.transportStreamId, r.isScrambled(),
                          r.tvSignal, r.rotorPosition, r.volume, r.qam, r.fec, r.polarity, r.lnb, r.serviceType);
    };
    if (fields(a) != fields(b)) return true;
    // What the item carried must come back; what it did not may be added.
    ChannelExtras was, is;
    if (!describeCarried(before, was)) return false;
    describeCarried(after, is);
    const auto lost = [](const auto& carried, const auto& back) { return carried && carried != back; };
    return lost(was.system, is.system) || lost(was.polarization, is.polarization) ||
           lost(was.modulation, is.modulation) || lost(was.codeRate, is.codeRate) || was.videoPids != is.videoPids ||
           was.audio != is.audio;
}

// Writing a list in dvbv5 or zap reports a loss exactly when reading the file
// back changes an item, and counts exactly the items it changed.
TEST(ConversionLoss, LinuxChannelFilesReportWhatTheirRoundTripChanges) {
    const struct {
        const char* what;
        std::function<Source()> channel;
        bool realProvider = false;
    } cases[] = {
        {"nothing", survivor},
        {"a code rate", [] { Source s = survivor(); s.record.fec = 3; return s; }},
        {"network IDs", [] { Source s = survivor(); s.record.networkId = 1; s.record.transportStreamId = 1101; return s; }},
        {"a teletext PID", [] { Source s = survivor(); s.record.teletextPid = 104; return s; }},
        {"scrambled", [] { Source s = survivor(); s.record.scrambled = 1; return s; }},
        {"a volume", [] { Source s = survivor(); s.record.volume = 50; return s; }},
        {"a rotor position", [] { Source s = survivor(); s.record.rotorPosition = 2; return s; }},
        {"a transponder text", [] { Source s = survivor(); s.record.setTransponderText("19.2E"); return s; }},
        {"an AC-3 PID", [] { Source s = survivor(); s.record.ac3Pid = 103; return s; }},
        {"a ':' in the name", [] { Source s = survivor(); s.record.setName("Sat.1: Gold"); return s; }},
        {"a ']' in the name", [] { Source s = survivor(); s.record.setName("[Test] TV"); return s; }},
        {"a frequency between MHz", [] { Source s = survivor(); s.record.frequency = 11836500; return s; }},
        {"an LNB", [] { Source s = survivor(); s.record.lnb = 3; return s; }},
        {"a DVB-S2 section",
         [] {
             return readAs(ListFormat::Dvbv5,
                           "[c]\n\tSERVICE_ID = 28106\n\tVIDEO_PID = 101\n\tAUDIO_PID = 102\n\tFREQUENCY = 11836000\n"
                           "\tSYMBOL_RATE = 27500000\n\tINNER_FEC = 2/3\n\tMODULATION = PSK/8\n"
                           "\tPOLARIZATION = HORIZONTAL\n\tDELIVERY_SYSTEM = DVBS2\n");
         }},
        {"a circular polarization", [] { return readAs(ListFormat::Zap, "c:11836:L:0:27500:101:102:28106\n"); }},
        {"two audio PIDs", [] { return readAs(ListFormat::Zap, "c:11836:H:0:27500:101:102+103:28106\n"); }},
        {"a provider of its own", survivor, true},
    };
    for (const auto& c : cases) {
        for (const ListFormat format : {ListFormat::Dvbv5, ListFormat::Zap}) {
            SCOPED_TRACE(std::string(c.what) + " in " + std::string(listFormatEntry(format).toolName));
            ChannelList list;
            ChannelRecord providerRecord = testing::providerRecord(c.realProvider ? "ARD" : "channels", 1);
            providerRecord.volume = 100;
            TreeItem* provider = list.television().appendItem(
                nullptr, TreeItem::makeProvider(providerRecord, c.realProvider ? nullptr
                                                                               : makeCarried("zap", 0, {{carried::kMadeUp, "1"}})));
            list.television().appendItem(provider, TreeItem::makeChannel(survivor().record));
            for (int i = 0; i < 3; ++i) {
                const Source source = c.channel();
                list.television().appendItem(provider, TreeItem::makeChannel(source.record, source.carried));
            }
            ChannelList back;
            ASSERT_TRUE(testing::readText(format, testing::writeText(format, list), back).ok());
            ASSERT_EQ(back.television().itemCount(), list.television().itemCount());
            std::size_t changed = back.television().topLevelItem(0)->label() != provider->label() ? 1 : 0;
            for (int row = 0; row < provider->childCount(); ++row)
                if (changedOnTheWay(*provider->child(row), *testing::channelAt(back.television(), row))) ++changed;

            const std::vector<ConversionLoss> losses = conversionLosses(format, list.television(), list.radio());
            EXPECT_EQ(losses.empty(), changed == 0);
            for (const ConversionLoss& loss : losses) EXPECT_EQ(loss.records, changed) << loss.what;
        }
    }
}

// A channel in the tree its video PID does not name comes back in the other
// one from every Linux channel file; what items carry from such a file is
// lost to the binary formats (a made-up provider's mark is no loss).
TEST(ConversionLoss, WrongTreesAndCarriedTextsAreSaid) {
    ChannelList list;
    TreeItem* television = list.television().appendItem(
        nullptr, TreeItem::makeProvider(testing::providerRecord("P", 1), makeCarried("zap", 0, {{carried::kMadeUp, "1"}})));
    TreeItem* radio = list.radio().appendItem(nullptr, TreeItem::makeProvider(testing::providerRecord("P", 2)));
    ChannelRecord fitting = survivor().record;
    list.television().appendItem(television, TreeItem::makeChannel(fitting, makeCarried("zap", 1, {{"line", "c"}})));
    ChannelRecord noVideo = fitting;
    noVideo.videoPid = 0;
    list.television().appendItem(television, TreeItem::makeChannel(noVideo));
    ChannelRecord withVideo = fitting;
    withVideo.serviceType = 2;
    list.radio().appendItem(radio, TreeItem::makeChannel(withVideo));

    for (const ListFormat format : {ListFormat::Vdr, ListFormat::Dvbv5, ListFormat::Zap}) {
        SCOPED_TRACE(std::string(listFormatEntry(format).toolName));
        ChannelList back;
        ASSERT_TRUE(testing::readText(format, testing::writeText(format, list), back).ok());
        EXPECT_EQ(back.television().itemCount() - 1, 2u);  // the fitting one and the radio channel with video
        const std::vector<ConversionLoss> losses = conversionLosses(format, list.television(), list.radio());
        const auto said = std::ranges::find_if(losses, [](const ConversionLoss& loss) {
            return loss.what == "channels whose tree does not match their video PID come back in the other tree";
        });
        ASSERT_NE(said, losses.end());
        EXPECT_EQ(said->records, 2u);
    }
    for (const ListFormat format : {ListFormat::Native, ListFormat::Dvb98, ListFormat::DvbExtreme}) {
        const std::vector<ConversionLoss> losses = conversionLosses(format, list.television(), list.radio());
        const auto said = std::ranges::find_if(
            losses, [](const ConversionLoss& loss) { return loss.what.starts_with("what entries keep from a Linux"); });
        ASSERT_NE(said, losses.end());
        EXPECT_EQ(said->records, 1u);
    }
}

}  // namespace
}  // namespace qvx
