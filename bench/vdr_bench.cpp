// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing speed of VDR's channels.conf on a file of 100,000
// channels, and the memory the carried lines take beside the file's size.
// Prints figures; it never fails on time. Build it in Release to measure.
// Times are processor time, the best of a few rounds, so that other work on
// a shared machine does not count.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "files/ByteStream.h"
#include "formats/ListFiles.h"
#include "formats/VdrFormat.h"
#include "model/ChannelList.h"

#include "ProcessorTime.h"

namespace {

constexpr std::uint32_t kChannels = 100'000;
constexpr std::uint32_t kChannelsPerGroup = 100;
constexpr int kRounds = 5;

// Seconds.
double bestTime(const std::function<void()>& work) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) best = std::min(best, cpuMilliseconds(work) / 1e3);
    return best;
}

double megabytesPerSecond(std::size_t bytes, double seconds) { return static_cast<double>(bytes) / 1e6 / seconds; }

// A file as VDR writes one for a large satellite, cable and terrestrial
// setup: groups of 100, short names, providers, several audio PIDs with
// languages and types, Dolby and subtitle PIDs, CA lists, DVB-S2.
std::string makeFile() {
    std::mt19937 random(42);
    const char* providers[] = {"ARD", "ZDFvision", "ProSiebenSat.1", "Sky Deutschland", "ORF", "SRG SSR", "Canal+"};
    const char* languages[] = {"deu", "eng", "fra", "ita", "mis", "spa"};
    const auto number = [](std::uint32_t value) { return std::to_string(value); };
    std::string text;
    text.reserve(static_cast<std::size_t>(kChannels) * 120);
    for (std::uint32_t i = 0; i < kChannels; ++i) {
        if (i % kChannelsPerGroup == 0) {
            text += ":@";
            text += number(i + 1);
            text += " Gruppe ";
            text += number(i / kChannelsPerGroup);
            text += '\n';
        }
        const bool radio = random() % 4 == 0;
        const std::uint32_t kind = random() % 3;
        const std::uint32_t pid = 100 + random() % 7000;
        text += "Sender ";
        text += number(i);
        if (random() % 5 == 0) {
            text += ",S";
            text += number(i % 1000);
        }
        text += ';';
        text += providers[random() % std::size(providers)];
        text += ':';
        if (kind == 0) {
            text += number(10700 + random() % 2000);
            text += random() % 2 ? ":H" : ":V";
            text += random() % 2 ? "C23M5O35S1:S19.2E:22000" : "C34M2S0:S19.2E:27500";
        } else if (kind == 1) {
            text += number(114000 + 8000 * (random() % 90));
            text += ":M256:C:6900";
        } else {
            text += number(474000 + 8000 * (random() % 40));
            text += ":B8C23D0G19128M256S1T32Y0:T:27500";
        }
        text += ':';
        if (radio) {
            text += '0';
        } else {
            text += number(pid);
            text += "=27";
        }
        text += ':';
        text += number(pid + 1);
        text += '=';
        text += languages[random() % std::size(languages)];
        text += "@3";
        if (random() % 2) {
            text += ',';
            text += number(pid + 2);
            text += '=';
            text += languages[random() % std::size(languages)];
            text += "@3";
        }
        if (random() % 3 == 0) {
            text += ';';
            text += number(pid + 3);
            text += "=deu@106";
        }
        text += ':';
        text += number(pid + 4);
        if (random() % 3 == 0) {
            text += ';';
            text += number(pid + 5);
            text += "=deu";
        }
        text += random() % 3 == 0 ? ":1702,1722,1833:" : ":0:";
        text += number(random() % 65536);
        text += ":1:";
        text += number(1000 + random() % 100);
        text += ":0\n";
    }
    return text;
}

// The memory of every distinct carried text of the list (a group's two
// providers share theirs).
std::size_t carriedBytes(const qvx::ChannelList& list) {
    std::unordered_set<const qvx::Carried*> seen;
    std::size_t bytes = 0;
    const auto count = [&](const qvx::CarriedPtr& carried) {
        if (carried && seen.insert(carried.get()).second) bytes += carried->memoryBytes();
    };
    for (const qvx::ChannelTree* tree : {&list.television(), &list.radio()})
        for (const auto& top : tree->topLevelItems()) {
            count(top->carried());
            for (const auto& child : top->children()) count(child->carried());
        }
    count(list.carried());
    return bytes;
}

}  // namespace

int main() {
    std::string folderPattern = (std::filesystem::temp_directory_path() / "qvx-vdr-bench-XXXXXX").string();
    if (!::mkdtemp(folderPattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = folderPattern;
    const std::string path = folder + "/channels.conf";
    const std::string text = makeFile();
    std::ofstream(path, std::ios::binary) << text;
    std::printf("channels.conf of %u channels: %.1f MB\n\n", kChannels, static_cast<double>(text.size()) / 1e6);

    qvx::ChannelList list;
    const double readSeconds = bestTime([&] {
        qvx::ChannelList loaded;
        const qvx::FileResult result = qvx::readList(path, qvx::ListFormat::Vdr, loaded);
        if (!result.ok()) std::fprintf(stderr, "%s\n", result.message.c_str());
    });
    qvx::readList(path, qvx::ListFormat::Vdr, list);

    std::size_t written = 0;
    bool same = false;
    const double writeSeconds = bestTime([&] {
        qvx::MemorySink sink;
        qvx::writeVdrList(sink, list, {});
        written = sink.bytes().size();
        same = written == text.size() && std::equal(sink.bytes().begin(), sink.bytes().end(), text.begin());
    });
    const double saveSeconds = bestTime([&] {
        const qvx::FileResult result = qvx::writeList(folder + "/copy.conf", qvx::ListFormat::Vdr, list);
        if (!result.ok()) std::fprintf(stderr, "%s\n", result.message.c_str());
    });

    // Two channels in a hundred renamed: those lines are composed anew.
    for (qvx::ChannelTree* tree : {&list.television(), &list.radio()})
        for (const auto& top : tree->topLevelItems())
            for (int row = 0; row < top->childCount(); row += static_cast<int>(kChannelsPerGroup / 2)) {
                qvx::TreeItem* channel = top->child(row);
                qvx::ChannelRecord record = channel->record();
                record.setName("Umbenannt");
                tree->replaceRecord(channel, record);
            }
    std::size_t editedSize = 0;
    const double editedSeconds = bestTime([&] {
        qvx::MemorySink sink;
        qvx::writeVdrList(sink, list, {});
        editedSize = sink.bytes().size();
    });

    const std::size_t carried = carriedBytes(list);
    std::printf("%-34s %8.0f MB/s   (at least 50)\n", "read (readList into a fresh list)",
                megabytesPerSecond(text.size(), readSeconds));
    std::printf("%-34s %8.0f MB/s   (at least 100)%s\n", "write unchanged (to memory)",
                megabytesPerSecond(written, writeSeconds), same ? ", byte for byte the file" : ", DIFFERS from the file");
    std::printf("%-34s %8.0f MB/s\n", "write with 2% renamed (to memory)", megabytesPerSecond(editedSize, editedSeconds));
    std::printf("%-34s %8.0f MB/s   (processor time only)\n", "save (temporary file, fsync, rename)",
                megabytesPerSecond(written, saveSeconds));
    std::printf("%-34s %8.1f MB = %.2f x the file   (at most 2)\n", "carried texts in memory",
                static_cast<double>(carried) / 1e6, static_cast<double>(carried) / static_cast<double>(text.size()));
    std::filesystem::remove_all(folder);
    return 0;
}
