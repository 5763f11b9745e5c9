// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "FormatTestSupport.h"
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
    addProvider(list.radio(), radioProvider);
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
    ASSERT_EQ(losses.size(), 1u);
    EXPECT_EQ(losses[0].what, "entry numbers beyond 65535 keep only their low 16 bits");
    EXPECT_EQ(losses[0].records, 1u + 2u);  // channel 65536, providers 65536 and 65537
    EXPECT_TRUE(conversionLosses(ListFormat::Native, list.television(), list.radio()).empty());
}

}  // namespace
}  // namespace qvx
