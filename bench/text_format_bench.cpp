// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing speed of the Linux channel files (dvbv5, zap), of SAT>IP
// playlists (VLC's: writing only) and of CSV tables on a list of 100,000
// channels, next to a plain read of the same file, and the
// memory the channels' carried texts take beside the file's size. Prints
// figures; it never fails on time. Build it in Release to measure.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/ByteStream.h"
#include "formats/ListFiles.h"
#include "model/ChannelList.h"

#include "ProcessorTime.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;
constexpr int kChannels = 100000;
constexpr int kPerProvider = 100;

// The best of a few rounds, in seconds of processor time (the machine is shared).
double bestTime(const std::function<void()>& work) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) best = std::min(best, cpuMilliseconds(work) / 1e3);
    return best;
}

// The same in seconds on the clock, for what waits for the disk.
double bestWallTime(const std::function<void()>& work) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// The file's bytes off the page cache through one reused 64 KiB buffer.
std::size_t plainRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return 0;
    static std::vector<std::uint8_t> buffer(64 * 1024);
    std::size_t total = 0;
    for (ssize_t got; (got = ::read(fd, buffer.data(), buffer.size())) > 0;) total += static_cast<std::size_t>(got);
    ::close(fd);
    return total;
}

// 100,000 channels as a native list holds them: every fifth on cable, every
// tenth a radio channel, names of a few words with some outside ASCII.
void fillList(qvx::ChannelList& list) {
    for (int p = 0; p < kChannels / kPerProvider; ++p) {
        for (qvx::ChannelTree* tree : {&list.television(), &list.radio()}) {
            qvx::ChannelRecord provider = qvx::ChannelRecord::newProvider(tree->serviceType());
            provider.setName("Provider " + std::to_string(p));
            qvx::TreeItem* item = tree->appendItem(nullptr, qvx::TreeItem::makeProvider(provider));
            const bool radio = tree == &list.radio();
            for (int c = 0; c < kPerProvider; ++c) {
                if ((c % 10 == 0) != radio) continue;
                qvx::ChannelRecord channel = qvx::ChannelRecord::newChannel(tree->serviceType());
                channel.setName((c % 7 == 0 ? "Sch\xF6nes Programm " : "Channel ") + std::to_string(p) + "-" +
                                std::to_string(c));
                const bool cable = c % 5 == 1;
                channel.qam = cable ? 5 : 0;
                channel.frequency = cable ? static_cast<std::uint32_t>(114000000 + (c % 90) * 8000000)
                                          : static_cast<std::uint32_t>(10714000 + (c * 19500) % 2050000 / 1000 * 1000);
                channel.symbolRate = cable ? 6900000 : (c % 2 ? 27500000 : 22000000);
                channel.polarity = static_cast<std::uint8_t>(c % 2);
                channel.fec = static_cast<std::uint8_t>(c % 9);
                channel.videoPid = radio ? 0 : static_cast<std::uint16_t>(100 + c);
                channel.audioPid = static_cast<std::uint16_t>(200 + c);
                channel.serviceId = static_cast<std::uint16_t>(p * 100 + c);
                channel.networkId = 1;
                channel.transportStreamId = static_cast<std::uint16_t>(1000 + c % 40);
                tree->appendItem(item, qvx::TreeItem::makeChannel(channel));
            }
        }
    }
}

std::size_t carriedBytes(const qvx::ChannelList& list) {
    std::size_t bytes = list.carried() ? list.carried()->memoryBytes() : 0;
    for (const qvx::ChannelTree* tree : {&list.television(), &list.radio()})
        for (const auto& top : tree->topLevelItems()) {
            if (top->carried()) bytes += top->carried()->memoryBytes();
            for (const auto& child : top->children())
                if (child->carried()) bytes += child->carried()->memoryBytes();
        }
    return bytes;
}

double megabytesPerSecond(std::size_t bytes, double seconds) { return static_cast<double>(bytes) / 1e6 / seconds; }

// Where a playlist's channels are streamed from.
qvx::FormatOptions writeOptions() {
    qvx::FormatOptions options;
    options.satipUrl = "rtsp://192.168.178.1:554/";
    return options;
}

std::size_t writeToMemory(qvx::ListFormat format, const qvx::ChannelList& list) {
    qvx::MemorySink sink;
    qvx::listFormatEntry(format).write(sink, list, writeOptions());
    return sink.bytes().size();
}

}  // namespace

// text_format_bench [FORMAT]: every format, or the one named (dvbv5, zap, satip, vlc, csv).
int main(int argc, char** argv) {
    std::string folderPattern = (std::filesystem::temp_directory_path() / "qvx-bench-XXXXXX").string();
    if (!::mkdtemp(folderPattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = folderPattern;
    qvx::ChannelList list;
    fillList(list);
    std::printf("%d channels\n\n%-6s %7s %11s %11s %11s %11s %11s %10s\n", kChannels, "format", "MB", "plain read",
                "read", "write", "write new", "save+fsync", "carried");
    for (const qvx::ListFormat format : {qvx::ListFormat::Dvbv5, qvx::ListFormat::Zap, qvx::ListFormat::Satip,
                                          qvx::ListFormat::Csv}) {
        if (argc > 1 && qvx::listFormatEntry(format).toolName != argv[1]) continue;
        const std::string path = folder + "/bench." + std::string(qvx::listFormatEntry(format).extension);
        // A new file: every channel composed from its record.
        std::size_t size = 0;
        const double composeSeconds = bestTime([&] { size = writeToMemory(format, list); });
        if (!qvx::writeList(path, format, list, writeOptions()).ok()) return 1;
        plainRead(path);
        const double plainSeconds = bestTime([&] { plainRead(path); });
        qvx::ChannelList loaded;
        const double readSeconds = bestTime([&] {
            qvx::ChannelList fresh;
            const qvx::FileResult result = qvx::readList(path, format, fresh);
            if (!result.ok()) std::fprintf(stderr, "%s\n", result.message.c_str());
        });
        qvx::readList(path, format, loaded);
        // The list read back: every channel checked against its line, and written as it was.
        std::size_t written = 0;
        const double writeSeconds = bestTime([&] { written = writeToMemory(format, loaded); });
        if (written != size) std::fprintf(stderr, "size mismatch: %zu read back, %zu written\n", written, size);
        const double saveSeconds = bestWallTime([&] { qvx::writeList(path, format, loaded, writeOptions()); });
        std::printf("%-6s %7.1f %6.0f MB/s %6.0f MB/s %6.0f MB/s %6.0f MB/s %6.0f MB/s %9.2fx\n",
                    std::string(qvx::listFormatEntry(format).toolName).c_str(), static_cast<double>(size) / 1e6,
                    megabytesPerSecond(size, plainSeconds), megabytesPerSecond(size, readSeconds),
                    megabytesPerSecond(size, writeSeconds), megabytesPerSecond(size, composeSeconds),
                    megabytesPerSecond(size, saveSeconds),
                    static_cast<double>(carriedBytes(loaded)) / static_cast<double>(size));
        std::filesystem::remove(path);
    }
    if (argc <= 1 || std::string_view(argv[1]) == "vlc") {
        std::size_t size = 0;
        const double seconds = bestTime([&] { size = writeToMemory(qvx::ListFormat::Vlc, list); });
        std::printf("%-6s %7.1f %11s %11s %11s %6.0f MB/s\n", "vlc", static_cast<double>(size) / 1e6, "-", "-", "-",
                    megabytesPerSecond(size, seconds));
    }
    std::printf("\nProcessor time, best of %d rounds, but save+fsync (clock time).\n"
                "read: readList into a fresh list (tear-down included); write: the list read back, into memory;\n"
                "write new: a list without carried texts (every line composed), into memory;\n"
                "save+fsync: writeList of the list read back; carried: the carried texts' memory / file size.\n",
                kRounds);
    std::filesystem::remove_all(folder);
    return 0;
}
