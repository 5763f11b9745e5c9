// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the bundled sample list (a few providers of the 19.2°E position) in
// all four formats: make_sample OUTPUT_FOLDER. The contents are fixed, so the
// files come out the same byte for byte on every run.
#include <cstdint>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "formats/ListFiles.h"
#include "model/ChannelList.h"

namespace {

using qvx::ChannelRecord;
using qvx::ChannelTree;
using qvx::TreeItem;

constexpr std::uint8_t kHorizontal = 0;
constexpr std::uint8_t kVertical = 1;
constexpr std::uint8_t kFec34 = 3;
constexpr std::uint8_t kFec56 = 5;

struct Channel {
    const char* name;
    std::uint32_t frequencyKhz;
    std::uint8_t polarity;
    std::uint32_t symbolRate;
    std::uint16_t serviceId;
    std::uint16_t transportStreamId;
    std::uint16_t networkId;
    std::uint16_t pmtPid;
    std::uint16_t videoPid;  // 0 for radio
    std::uint16_t audioPid;
    std::uint16_t teletextPid;
    bool scrambled;
};

struct Provider {
    const char* name;
    std::vector<Channel> channels;
};

TreeItem* addProvider(ChannelTree& tree, const char* name) {
    ChannelRecord record = ChannelRecord::newProvider(tree.serviceType());
    record.setName(name);
    record.volume = 100;  // as every record read from a native list
    return tree.appendItem(nullptr, TreeItem::makeProvider(record));
}

void addChannel(ChannelTree& tree, TreeItem* provider, const Channel& c) {
    ChannelRecord record = ChannelRecord::newChannel(tree.serviceType());
    record.setName(c.name);
    const std::string transponder =
        "19.2E " + std::to_string(c.frequencyKhz / 1000) + (c.polarity == kHorizontal ? " H" : " V");
    record.setTransponderText(transponder);
    record.frequency = c.frequencyKhz;
    record.symbolRate = c.symbolRate;
    record.polarity = c.polarity;
    record.fec = c.symbolRate == 22000000 ? kFec56 : kFec34;
    record.serviceId = c.serviceId;
    record.transportStreamId = c.transportStreamId;
    record.networkId = c.networkId;
    record.pmtPid = c.pmtPid;
    record.videoPid = c.videoPid;
    record.audioPid = c.audioPid;
    record.pcrPid = c.videoPid != 0 ? c.videoPid : c.audioPid;
    record.teletextPid = c.teletextPid;
    record.scrambled = c.scrambled ? 1 : 0;
    record.volume = 100;
    tree.appendItem(provider, TreeItem::makeChannel(record));
}

const Provider kTelevision[] = {
    {"ARD",
     {
         {"Das Erste", 11836000, kHorizontal, 27500000, 28106, 1101, 1, 100, 101, 102, 104, false},
         {"BR Fernsehen S\xFC"
          "d",
          11836000, kHorizontal, 27500000, 28107, 1101, 1, 200, 201, 202, 204, false},
         {"hr-fernsehen", 11836000, kHorizontal, 27500000, 28108, 1101, 1, 300, 301, 302, 304, false},
         {"SWR BW", 11836000, kHorizontal, 27500000, 28113, 1101, 1, 800, 801, 802, 804, false},
         {"Das Erste HD", 11494000, kHorizontal, 22000000, 10301, 1019, 1, 5100, 5101, 5102, 5104, false},
     }},
    {"ZDFvision",
     {
         {"ZDF", 11953000, kHorizontal, 27500000, 28006, 1079, 1, 100, 110, 120, 130, false},
         {"3sat", 11953000, kHorizontal, 27500000, 28007, 1079, 1, 200, 210, 220, 230, false},
         {"KiKA", 11953000, kHorizontal, 27500000, 28008, 1079, 1, 300, 310, 320, 330, false},
         {"ZDFinfo", 11953000, kHorizontal, 27500000, 28011, 1079, 1, 600, 610, 620, 630, false},
         {"ZDFneo", 11953000, kHorizontal, 27500000, 28014, 1079, 1, 660, 670, 680, 690, false},
     }},
    {"ORF",
     {
         {"ORF1 HD", 11302000, kHorizontal, 22000000, 4911, 1003, 1, 1010, 1011, 1012, 1013, true},
         {"ORF2W HD", 11302000, kHorizontal, 22000000, 4912, 1003, 1, 1020, 1021, 1022, 1023, true},
         {"ORF III", 12692000, kHorizontal, 22000000, 13101, 1115, 1, 1200, 1201, 1202, 1203, false},
     }},
    {"SRG SSR",
     {
         {"SRF 1 HD", 10971000, kHorizontal, 22000000, 17500, 1051, 1, 2100, 2101, 2102, 2104, true},
         {"SRF zwei HD", 10971000, kHorizontal, 22000000, 17501, 1051, 1, 2200, 2201, 2202, 2204, true},
         {"RTS 1 HD", 10971000, kHorizontal, 22000000, 17502, 1051, 1, 2300, 2301, 2302, 2304, true},
         {"RSI LA 1 HD", 10971000, kHorizontal, 22000000, 17503, 1051, 1, 2400, 2401, 2402, 2404, true},
     }},
    {"Canal+",
     {
         {"CANAL+", 11856000, kVertical, 27500000, 8201, 1072, 1, 1030, 160, 80, 1031, true},
         {"CANAL+ CIN\xC9MA", 11856000, kVertical, 27500000, 8202, 1072, 1, 1040, 161, 81, 1041, true},
         {"CANAL+ SPORT", 11856000, kVertical, 27500000, 8203, 1072, 1, 1050, 162, 82, 1051, true},
     }},
    {"Sky Deutschland",
     {
         {"Sky One", 11797000, kHorizontal, 27500000, 10, 2, 133, 97, 255, 256, 32, true},
         {"Sky Cinema Premiere", 11797000, kHorizontal, 27500000, 11, 2, 133, 98, 511, 512, 32, true},
         {"Sky Sport Bundesliga 1", 11915000, kHorizontal, 27500000, 17, 4, 133, 99, 767, 768, 32, true},
         {"Sky Krimi", 11797000, kHorizontal, 27500000, 23, 2, 133, 100, 1279, 1280, 32, true},
     }},
};

const Provider kRadio[] = {
    {"ARD",
     {
         {"Bayern 1", 12265000, kHorizontal, 27500000, 28400, 1093, 1, 2000, 0, 2001, 0, false},
         {"hr1", 12265000, kHorizontal, 27500000, 28419, 1093, 1, 2100, 0, 2101, 0, false},
         {"SWR1 BW", 12265000, kHorizontal, 27500000, 28420, 1093, 1, 2200, 0, 2201, 0, false},
         {"NDR 2", 12109000, kHorizontal, 27500000, 28437, 1073, 1, 2300, 0, 2301, 0, false},
     }},
    {"Deutschlandradio",
     {
         {"Deutschlandfunk", 12265000, kHorizontal, 27500000, 28431, 1093, 1, 2400, 0, 2401, 0, false},
         {"Deutschlandfunk Kultur", 12265000, kHorizontal, 27500000, 28432, 1093, 1, 2500, 0, 2501, 0, false},
     }},
    {"ORF",
     {
         {"\xD6" "1", 12692000, kHorizontal, 22000000, 13120, 1115, 1, 3000, 0, 3001, 0, false},
         {"Hitradio \xD6" "3", 12692000, kHorizontal, 22000000, 13121, 1115, 1, 3100, 0, 3101, 0, false},
     }},
};

void fill(ChannelTree& tree, std::span<const Provider> providers) {
    for (const Provider& p : providers) {
        TreeItem* provider = addProvider(tree, p.name);
        for (const Channel& channel : p.channels) addChannel(tree, provider, channel);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "Usage: make_sample OUTPUT_FOLDER\n";
        return 2;
    }
    qvx::ChannelList list;
    fill(list.television(), kTelevision);
    fill(list.radio(), kRadio);
    const std::string folder = argv[1];
    // One sample per format, JSON included (qvxtool's; the fuzz target of its reader starts from it).
    // The playlists' channels are streamed from a router's SAT>IP server.
    qvx::FormatOptions options;
    options.satipUrl = "rtsp://192.168.178.1:554/";
    for (const qvx::ListFormatEntry& format : qvx::listFormats()) {
        // A format's second extension (".m3u8") writes what its first one does.
        if (&qvx::listFormatEntry(format.format) != &format) continue;
        // Formats their extension does not name (the Linux channel files, all
        // ".conf"; the playlists) get their name in front of it: sample.vdr.conf.
        const std::string stem = format.toolName != format.extension
                                      ? "/sample." + std::string(format.toolName) + "."
                                      : std::string("/sample.");
        const std::string path = folder + stem + std::string(format.extension);
        const qvx::FileResult result = qvx::writeList(path, format.format, list, options);
        if (!result.ok()) {
            std::cerr << result.message << "\n";
            return 1;
        }
    }
    return 0;
}
