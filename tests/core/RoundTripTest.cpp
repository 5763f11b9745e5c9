// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <tuple>

#include "FormatTestSupport.h"
#include "formats/ListFiles.h"
#include "model/EntryWalk.h"

namespace qvx {
namespace {

// The fields a conversion may change, as one comparable value.
struct Seen {
    std::string name, transponder;
    int isChannel, frequency, symbolRate, lnb, ac3Pid, qam, tvSignal, rotorPosition, volume;
    int extra1, extra2, extra3, extra4, scrambled, serviceId, pmtPid, videoPid, audioPid, pcrPid;
    int teletextPid, pmcPid, transportStreamId, networkId, fec, auxTuning, polarity;
    bool televisionProvider;

    auto tie() const {
        return std::tie(name, transponder, isChannel, frequency, symbolRate, lnb, ac3Pid, qam, tvSignal,
                        rotorPosition, volume, extra1, extra2, extra3, extra4, scrambled, serviceId, pmtPid,
                        videoPid, audioPid, pcrPid, teletextPid, pmcPid, transportStreamId, networkId, fec,
                        auxTuning, polarity);
    }
    bool operator==(const Seen& other) const { return tie() == other.tie(); }
};

std::ostream& operator<<(std::ostream& out, const Seen& s) {
    return out << "{'" << s.name << "' tp '" << s.transponder << "' f " << s.frequency << " sr "
               << s.symbolRate << " lnb " << s.lnb << " ac3 " << s.ac3Pid << " qam " << s.qam << " tv "
               << s.tvSignal << " rotor " << s.rotorPosition << " vol " << s.volume << " x " << s.extra1
               << "," << s.extra2 << "," << s.extra3 << "," << s.extra4 << " scr " << s.scrambled << "}";
}

Seen seen(const ChannelRecord& r, bool televisionProvider) {
    return {std::string(r.nameText()),
            std::string(r.transponderText()),
            r.isChannel,
            static_cast<int>(r.frequency),
            static_cast<int>(r.symbolRate),
            r.lnb,
            r.ac3Pid,
            r.qam,
            r.tvSignal,
            r.rotorPosition,
            r.volume,
            r.dvbxExtra1,
            r.dvbxExtra2,
            r.dvbxExtra3,
            r.dvbxExtra4,
            r.scrambled,
            r.serviceId,
            r.pmtPid,
            r.videoPid,
            r.audioPid,
            r.pcrPid,
            r.teletextPid,
            r.pmcPid,
            r.transportStreamId,
            r.networkId,
            r.fec,
            r.auxTuning,
            r.polarity,
            televisionProvider};
}

// What writing in a format and reading back leaves of an entry.
Seen afterNative(Seen s, bool winDvbLive) {
    s.volume = 100;
    s.rotorPosition = 0;
    s.extra1 = s.extra2 = s.extra3 = s.extra4 = 0;
    if (winDvbLive && s.televisionProvider) s.lnb = std::min(s.lnb, 3);
    return s;
}

Seen afterForeign(Seen s) {
    s.transponder.clear();
    s.frequency = s.frequency / 1000 * 1000;
    s.symbolRate = s.symbolRate / 1000 * 1000;
    s.lnb = std::min(s.lnb, 3);
    s.qam = 0;
    s.tvSignal = 0;
    s.extra3 = s.extra4 = 0;
    s.scrambled = s.scrambled != 0 ? 1 : 0;
    return s;
}

Seen afterDvb98(Seen s) {
    s = afterForeign(s);
    std::string name;
    for (const char c : s.name.substr(0, 23))
        if (static_cast<unsigned char>(c) < 0x80) name += c;
    s.name = name;
    s.ac3Pid = 0;
    s.rotorPosition = 0;
    s.volume = 100;
    s.extra1 = s.extra2 = 0;
    return s;
}

Seen afterDvbExtreme(Seen s) {
    s = afterForeign(s);
    s.name.resize(24, ' ');  // written as 24 blank-padded characters, read as 23
    s.name.resize(23);
    return s;
}

Seen after(std::string_view extension, const Seen& s) {
    if (extension == "qvx") return afterNative(s, false);
    if (extension == "chl") return afterNative(s, true);
    if (extension == "dvb") return afterDvb98(s);
    return afterDvbExtreme(s);
}

void buildRichList(ChannelList& list) {
    ChannelRecord p1 = testing::providerRecord("Premiere Provider", 1);
    p1.lnb = 7;
    TreeItem* provider = list.television().appendItem(nullptr, TreeItem::makeProvider(p1));
    ChannelRecord a = testing::channelRecord("Caf\xE9 Cr\xE8me Channel Numero Uno", 1, 11836123);
    a.setTransponderText("T1");
    a.symbolRate = 27500999;
    a.lnb = 7;
    a.ac3Pid = 105;
    a.qam = 2;
    a.tvSignal = 1;
    a.rotorPosition = 5;
    a.volume = 80;
    a.dvbxExtra1 = 1;
    a.dvbxExtra2 = 2;
    a.dvbxExtra3 = 3;
    a.dvbxExtra4 = 4;
    a.scrambled = 2;
    a.serviceId = 28106;
    a.pmtPid = 100;
    a.videoPid = 101;
    a.audioPid = 102;
    a.pcrPid = 103;
    a.teletextPid = 104;
    a.pmcPid = 106;
    a.transportStreamId = 1101;
    a.networkId = 1;
    a.fec = 3;
    a.auxTuning = 0x12;
    a.polarity = 1;
    list.television().appendItem(provider, TreeItem::makeChannel(a));
    testing::addChannel(list.television(), provider, "B");
    testing::addProvider(list.television(), "Empty");  // gone after any reread
    ChannelRecord r1 = testing::providerRecord("Radio", 2);
    r1.lnb = 7;
    TreeItem* radio = list.radio().appendItem(nullptr, TreeItem::makeProvider(r1));
    ChannelRecord c = testing::channelRecord("C", 2, 12265000);
    c.lnb = 9;
    list.radio().appendItem(radio, TreeItem::makeChannel(c));
}

std::vector<Seen> entriesOf(const ChannelList& list) {
    std::vector<Seen> out;
    walkEntries(list.television(), list.radio(), [&](const Entry& entry) {
        out.push_back(seen(entry.item.record(), entry.topLevel && &entry.tree == &list.television()));
    });
    return out;
}

void saveAndLoad(const ChannelList& from, ChannelList& to, const std::string& path) {
    const std::string extension = lowerCasedExtension(path);
    ASSERT_TRUE(writeList(path, *listFormatForExtension(extension), from).ok());
    ASSERT_TRUE(readList(path, *listFormatForExtension(extension), to).ok());
}

TEST(RoundTrip, EveryPairOfFormatsLosesExactlyWhatEachCannotHold) {
    const char* extensions[] = {"qvx", "chl", "dvb", "xch"};
    ChannelList original;
    buildRichList(original);
    std::vector<Seen> start = entriesOf(original);
    start.erase(start.begin() + 3);  // the provider without channels
    for (const char* first : extensions) {
        for (const char* second : extensions) {
            SCOPED_TRACE(std::string(first) + " then " + second);
            testing::TemporaryFolder folder;
            ChannelList middle, last;
            saveAndLoad(original, middle, folder.file(std::string("a.") + first));
            saveAndLoad(middle, last, folder.file(std::string("b.") + second));
            std::vector<Seen> expected;
            for (const Seen& s : start) expected.push_back(after(second, after(first, s)));
            EXPECT_EQ(entriesOf(last), expected);
            EXPECT_EQ(last.television().itemCount(), 3u);
            EXPECT_EQ(last.radio().itemCount(), 2u);
        }
    }
}

TEST(RoundTrip, NativeFileWrittenAgainDiffersOnlyInTheFieldsReadingResets) {
    ChannelList original;
    buildRichList(original);
    original.television().removeItem(original.television().topLevelItem(1));
    testing::TemporaryFolder folder;
    ASSERT_TRUE(writeList(folder.file("a.qvx"), ListFormat::Native, original).ok());
    ChannelList reread;
    ASSERT_EQ(readList(folder.file("a.qvx"), ListFormat::Native, reread).outcome,
              FileOutcome::Done);
    ASSERT_TRUE(writeList(folder.file("b.qvx"), ListFormat::Native, reread).ok());
    testing::Bytes a = testing::readFileBytes(folder.file("a.qvx"));
    const testing::Bytes b = testing::readFileBytes(folder.file("b.qvx"));
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t at = 12; at < a.size(); at += kRecordSize) {
        a[at + 149] = 100;  // volume
        for (std::size_t offset : {114, 115, 116, 117, 148, 150, 151}) a[at + offset] = 0;
    }
    EXPECT_EQ(a, b);
}

TEST(RoundTrip, ForeignFormatsTellProvidersByFrequency) {
    // A channel below one MHz is written with frequency 0 and so comes back as
    // a provider entry, whose radio copy then takes the following channel.
    for (const char* extension : {"dvb", "xch"}) {
        ChannelList list;
        TreeItem* p = testing::addProvider(list.radio(), "P");
        testing::addChannel(list.radio(), p, testing::channelRecord("low", 2, 999));
        testing::addChannel(list.radio(), p, testing::channelRecord("next", 2));
        testing::TemporaryFolder folder;
        ChannelList reread;
        saveAndLoad(list, reread, folder.file(std::string("x.") + extension));
        const std::string low = std::string(extension) == "xch" ? "low" + std::string(20, ' ') : "low";
        const std::string next = std::string(extension) == "xch" ? "next" + std::string(19, ' ') : "next";
        EXPECT_EQ(testing::shapeOf(reread.radio()), low + "[" + next + "]") << extension;
    }
}

}  // namespace
}  // namespace qvx
