// SPDX-License-Identifier: GPL-3.0-or-later
// Times what qvxtool's duplicates, dedupe and diff do beyond reading the
// lists, on lists of 12,500 to 400,000 channels, and reading and writing
// JSON lists against native ones, with the peak memory of each read.
// Prints figures; it never fails on time. Run it from a Release build.
// Times are processor time of this program (the machine may be shared), the
// best of several runs.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ProcessorTime.h"
#include "compare/ListDiff.h"
#include "editing/Duplicates.h"
#include "files/ByteStream.h"
#include "formats/JsonFormat.h"
#include "formats/ListFiles.h"
#include "formats/NativeFormat.h"
#include "model/ChannelList.h"

namespace {

using namespace qvx;

constexpr int kChannelsPerProvider = 100;

template <typename Work>
double best(int runs, Work&& work) {
    double fastest = 1e300;
    for (int i = 0; i < runs; ++i) fastest = std::min(fastest, work());
    return fastest;
}

// A list as scans leave it: names from a pool a tenth of the list's size (so
// most channels have duplicates, some with trailing blanks), tunings and
// Service IDs that repeat with the names, every field filled.
void fillList(ChannelList& list, std::size_t channels, std::uint32_t seed) {
    std::mt19937 random(seed);
    const std::size_t pool = std::max<std::size_t>(channels / 10, 1);
    for (ChannelTree* tree : {&list.television(), &list.radio()}) {
        ChannelTree::BulkChange bulk(*tree);
        const std::size_t count = tree == &list.television() ? channels * 4 / 5 : channels - channels * 4 / 5;
        TreeItem* provider = nullptr;
        for (std::size_t i = 0; i < count; ++i) {
            if (i % kChannelsPerProvider == 0) {
                ChannelRecord record = ChannelRecord::newProvider(tree->serviceType());
                record.setName("Provider " + std::to_string(i / kChannelsPerProvider));
                provider = tree->appendItem(nullptr, TreeItem::makeProvider(record));
            }
            const std::size_t which = random() % pool;
            ChannelRecord record = ChannelRecord::newChannel(tree->serviceType());
            record.setName("Channel " + std::to_string(which) + (random() % 10 == 0 ? "  " : ""));
            record.serviceId = static_cast<std::uint16_t>(which * 7);
            record.frequency = static_cast<std::uint32_t>(10700000 + (which % 400) * 5000);
            record.symbolRate = 27500000;
            record.polarity = static_cast<std::uint8_t>(which & 1);
            record.videoPid = static_cast<std::uint16_t>(random() & 0x1FFF);
            record.audioPid = static_cast<std::uint16_t>(random() & 0x1FFF);
            record.setTransponderText("19.2E " + std::to_string(record.frequency / 1000));
            tree->appendItem(provider, TreeItem::makeChannel(record));
        }
    }
}

// List B: list A with every tenth channel changed in its audio PID and every
// twentieth gone.
void fillChangedCopy(const ChannelList& a, ChannelList& b) {
    for (const TreeKind kind : {TreeKind::Television, TreeKind::Radio}) {
        const ChannelTree& from = kind == TreeKind::Television ? a.television() : a.radio();
        ChannelTree& to = b.tree(kind);
        ChannelTree::BulkChange bulk(to);
        std::size_t number = 0;
        for (const auto& top : from.topLevelItems()) {
            TreeItem* provider = to.appendItem(nullptr, TreeItem::makeProvider(top->record()));
            for (const auto& child : top->children()) {
                ++number;
                if (number % 20 == 0) continue;
                ChannelRecord record = child->record();
                if (number % 10 == 0) record.audioPid = static_cast<std::uint16_t>(record.audioPid + 1);
                to.appendItem(provider, TreeItem::makeChannel(record));
            }
        }
    }
}

void timeDuplicatesAndDiff() {
    std::printf("duplicates, dedupe, diff (--by both), processor time beyond reading, best of 3\n");
    std::printf("%9s %11s %8s %13s %11s %8s %10s %9s\n", "channels", "duplicates", "groups", "dedupe", "removed",
                "diff", "only/chg", "ns/chan");
    for (const std::size_t channels : {12500u, 25000u, 50000u, 100000u, 200000u, 400000u}) {
        ChannelList a, b;
        fillList(a, channels, 1);
        fillChangedCopy(a, b);
        std::size_t groups = 0, removed = 0, findings = 0;
        const double duplicates = best(3, [&] {
            return cpuMilliseconds([&] {
                groups = findDuplicates(a.television(), {}).size() + findDuplicates(a.radio(), {}).size();
            });
        });
        const double dedupe = best(3, [&] {
            ChannelList copy;
            fillList(copy, channels, 1);
            return cpuMilliseconds([&] {
                removed = removeDuplicates(copy.television(), {}).channels + removeDuplicates(copy.radio(), {}).channels;
            });
        });
        const double diff = best(3, [&] {
            return cpuMilliseconds([&] {
                const TreeDiff television = diffTrees(a.television(), b.television(), {});
                const TreeDiff radio = diffTrees(a.radio(), b.radio(), {});
                findings = television.onlyInA.size() + television.changed.size() + radio.onlyInA.size() +
                           radio.changed.size();
            });
        });
        std::printf("%9zu %8.1f ms %8zu %10.1f ms %11zu %5.1f ms %10zu %9.0f\n", channels, duplicates, groups, dedupe,
                    removed, diff, findings, diff * 1e6 / static_cast<double>(channels));
    }
}

long kilobytesOf(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
    return -1;
}

// Run as "tools_bench --read-peak PATH": reads the list and prints how far
// the resident memory rose above what the fresh process held before.
int printReadPeak(const std::string& path) {
    const long before = kilobytesOf("VmRSS:");
    ChannelList list;
    const ListFormatEntry* format = listFormatEntryForExtension(lowerCasedExtension(path));
    if (!format || !readList(path, format->format, list).ok()) return 1;
    std::printf("%ld\n", kilobytesOf("VmHWM:") - before);
    return 0;
}

// The peak of reading `path` in a process of its own, so that memory this
// one already holds does not hide it.
long readPeakKilobytes(const std::string& path) {
    const std::string command = "/proc/" + std::to_string(getpid()) + "/exe --read-peak '" + path + "'";
    std::FILE* pipe = popen(command.c_str(), "r");
    long peak = -1;
    if (pipe) {
        if (std::fscanf(pipe, "%ld", &peak) != 1) peak = -1;
        pclose(pipe);
    }
    return peak;
}

void timeJson() {
    const std::size_t channels = 100000;
    ChannelList list;
    fillList(list, channels, 2);
    MemorySink json, native;
    writeJsonList(json, list);
    writeNativeList(native, list.television(), list.radio(), false);
    const double megabytes = static_cast<double>(json.bytes().size()) / 1e6;

    const double write = best(3, [&] {
        return cpuMilliseconds([&] {
            MemorySink sink;
            writeJsonList(sink, list);
        });
    });
    const double read = best(3, [&] {
        return cpuMilliseconds([&] {
            ChannelList reread;
            MemorySource source(json.bytes());
            readJsonList(source, reread);
        });
    });
    const double nativeRead = best(3, [&] {
        return cpuMilliseconds([&] {
            ChannelList reread;
            MemorySource source(native.bytes());
            readNativeList(source, reread.television(), reread.radio());
        });
    });
    std::printf("\nJSON, %zu channels: %.1f MB of JSON, %.1f MB native\n", channels, megabytes,
                static_cast<double>(native.bytes().size()) / 1e6);
    std::printf("  write %7.1f ms  %6.0f MB/s\n", write, megabytes / write * 1e3);
    std::printf("  read  %7.1f ms  %6.0f MB/s   (native read %.1f ms)\n", read, megabytes / read * 1e3, nativeRead);

    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("tools_bench." + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::string jsonPath = (folder / "list.json").string(), nativePath = (folder / "list.qvx").string();
    writeList(jsonPath, ListFormat::Json, list);
    writeList(nativePath, ListFormat::Native, list);
    const long jsonPeak = readPeakKilobytes(jsonPath);
    const long nativePeak = readPeakKilobytes(nativePath);
    std::printf("  peak memory of reading the file: JSON %ld kB, native %ld kB (%.2fx)\n", jsonPeak, nativePeak,
                static_cast<double>(jsonPeak) / static_cast<double>(nativePeak));
    std::filesystem::remove_all(folder);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--read-peak") return printReadPeak(argv[2]);
    timeDuplicatesAndDiff();
    timeJson();
    return 0;
}
