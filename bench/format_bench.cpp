// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing speed of the list formats on a list of 1,000,000
// entries, next to a plain read of the same file. Prints figures;
// it never fails on time. Build it in Release to measure.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "files/ByteStream.h"
#include "formats/Dvb98Format.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/ListFiles.h"
#include "formats/NativeFormat.h"
#include "model/ChannelList.h"

#include "MillionEntryList.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 3;

// The best of a few rounds, in seconds.
double bestTime(const std::function<void()>& work) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

// The baseline every format is measured against: the file's bytes off the page
// cache through one reused 64 KiB buffer, as the readers take them, with no
// allocation that grows with the file (that cost belongs to no format and made
// the largest file's baseline look slow).
std::size_t plainRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0) return 0;
    static std::vector<std::uint8_t> buffer(64 * 1024);
    std::size_t total = 0;
    std::uint8_t fold = 0;
    for (;;) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got <= 0) break;
        total += static_cast<std::size_t>(got);
        fold = static_cast<std::uint8_t>(fold ^ buffer[static_cast<std::size_t>(got) - 1]);
    }
    ::close(fd);
    volatile std::uint8_t sink = fold;  // keeps the reads from being optimised away
    (void)sink;
    return total;
}

bool writeToMemory(qvx::ByteSink& sink, qvx::ListFormat format, const qvx::ChannelList& list) {
    return qvx::listFormatEntry(format).write(sink, list, {});
}

double megabytesPerSecond(std::size_t bytes, double seconds) { return static_cast<double>(bytes) / 1e6 / seconds; }

}  // namespace

int main() {
    std::string folderPattern = (std::filesystem::temp_directory_path() / "qvx-bench-XXXXXX").string();
    if (!::mkdtemp(folderPattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string folder = folderPattern;

    qvx::ChannelList list;
    const auto buildStart = Clock::now();
    qvx::bench::fillMillionEntryList(list);
    std::printf("list of %zu entries built in %.2f s\n\n", list.television().itemCount() + list.radio().itemCount(),
                std::chrono::duration<double>(Clock::now() - buildStart).count());
    std::printf("%-11s %9s %12s %12s %12s %12s %8s\n", "format", "MB", "plain read", "read", "write mem",
                "save+fsync", "read/plain");

    struct Case {
        const char* extension;
        qvx::ListFormat format;
    };
    for (const Case c : {Case{"qvx", qvx::ListFormat::Native}, Case{"dvb", qvx::ListFormat::Dvb98},
                         Case{"xch", qvx::ListFormat::DvbExtreme}}) {
        const std::string path = folder + "/bench." + c.extension;
        double saveSeconds = bestTime([&] {
            const qvx::FileResult result = qvx::writeList(path, c.format, list);
            if (!result.ok()) std::fprintf(stderr, "%s\n", result.message.c_str());
        });
        std::size_t written = 0;
        const double memorySeconds = bestTime([&] {
            qvx::MemorySink sink;
            writeToMemory(sink, c.format, list);
            written = sink.bytes().size();
        });
        // Both reads run on a file the page cache holds.
        std::size_t size = plainRead(path);
        const double plainSeconds = bestTime([&] { size = plainRead(path); });
        const double readSeconds = bestTime([&] {
            qvx::ChannelList loaded;
            const qvx::FileResult result = qvx::readList(path, c.format, loaded);
            if (!result.ok()) std::fprintf(stderr, "%s\n", result.message.c_str());
        });
        if (written != size) std::fprintf(stderr, "size mismatch: %zu written, %zu on disk\n", written, size);
        std::printf("%-11s %9.1f %7.0f MB/s %7.0f MB/s %7.0f MB/s %7.0f MB/s %7.2fx\n", c.extension,
                    static_cast<double>(size) / 1e6, megabytesPerSecond(size, plainSeconds),
                    megabytesPerSecond(size, readSeconds), megabytesPerSecond(written, memorySeconds),
                    megabytesPerSecond(size, saveSeconds), readSeconds / plainSeconds);
        std::filesystem::remove(path);
    }
    std::printf("\nread: readList into fresh trees (tear-down of the trees included);\n"
                "write mem: formatting into memory; save+fsync: writeList, temporary file, fsync, rename.\n");
    std::filesystem::remove_all(folder);
    return 0;
}
