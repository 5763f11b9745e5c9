// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <new>

#include "ChildProcess.h"
#include "FormatTestSupport.h"
#include "FailingFileCalls.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

TEST(ListFormat, OnlyTheFourLowerCasedExtensionsSelectAFormat) {
    EXPECT_EQ(listFormatForExtension("qvx"), ListFormat::Native);
    EXPECT_EQ(listFormatForExtension("chl"), ListFormat::WinDvbLive);
    EXPECT_EQ(listFormatForExtension("dvb"), ListFormat::Dvb98);
    EXPECT_EQ(listFormatForExtension("xch"), ListFormat::DvbExtreme);
    EXPECT_EQ(listFormatForExtension("QVX"), std::nullopt);  // callers lower-case first
    EXPECT_EQ(listFormatForExtension(""), std::nullopt);
    EXPECT_EQ(listFormatForExtension("qvx2"), std::nullopt);
    EXPECT_EQ(listFormatForExtension(lowerCasedExtension("/x/CHANNELS.CHL")), ListFormat::WinDvbLive);
}

TEST(ListFiles, FileThatCannotBeOpenedLeavesTheTreesAlone) {
    testing::TemporaryFolder folder;
    ChannelList list;
    testing::addProvider(list.radio(), "kept");
    for (const std::string& path : {folder.file("missing.dvb"), folder.file(""), std::string("/dev/zero")}) {
        for (ListFormat format : {ListFormat::Native, ListFormat::Dvb98, ListFormat::DvbExtreme}) {
            const FileResult result = readList(path, format, list);
            EXPECT_EQ(result.outcome, FileOutcome::CannotOpen);
            EXPECT_EQ(result.message, "Can't open file " + path);
            EXPECT_EQ(testing::shapeOf(list.radio()), "kept");
        }
    }
}

// 1 provider and 2999 channels: more than 64 KiB in every format.
std::string writeLargeList(const testing::TemporaryFolder& folder, std::string_view extension) {
    ChannelList list;
    TreeItem* provider = testing::addProvider(list.television(), "P");
    for (int i = 0; i < 2999; ++i) testing::addChannel(list.television(), provider, "c");
    const std::string path = folder.file("large." + std::string(extension));
    EXPECT_TRUE(writeList(path, *listFormatForExtension(extension), list).ok());
    return path;
}

TEST(ListFiles, ReadFailureInsideTheFileEndsTheLoadWithItsCause) {
    testing::TemporaryFolder folder;
    struct Case {
        std::string_view extension;
        ListFormat format;
    };
    for (const Case& c : {Case{"qvx", ListFormat::Native}, Case{"dvb", ListFormat::Dvb98},
                          Case{"xch", ListFormat::DvbExtreme}}) {
        const std::string path = writeLargeList(folder, c.extension);
        ChannelList list;
        FailingFileCalls calls;
        calls.failReadAt = 2;
        calls.readErrno = EIO;
        const FileResult result = readList(path, c.format, list, calls);
        SCOPED_TRACE(std::string(c.extension));
        EXPECT_EQ(result.outcome, FileOutcome::ReadFailed);
        EXPECT_EQ(result.message, "A hardware I/O error was reported while accessing an unnamed file.");
        // What came before the failure stays; nothing after it.
        ASSERT_EQ(list.television().topLevelCount(), 1);
        EXPECT_GT(list.television().topLevelItem(0)->childCount(), 100);
        EXPECT_LT(list.television().topLevelItem(0)->childCount(), 2999);
    }

    // A failure already on the header of a native file changes nothing.
    const std::string path = writeLargeList(folder, "qvx");
    ChannelList list;
    testing::addProvider(list.television(), "kept");
    FailingFileCalls calls;
    calls.failReadAt = 1;
    calls.readErrno = EIO;
    EXPECT_EQ(readList(path, ListFormat::Native, list, calls).outcome,
              FileOutcome::ReadFailed);
    EXPECT_EQ(testing::shapeOf(list.television()), "kept");
}

TEST(ListFiles, ChlFileLoadsLikeTheSameBytesAsQvx) {
    testing::TemporaryFolder folder;
    const std::string qvx = writeLargeList(folder, "qvx");
    const std::string chl = folder.file("large.chl");
    testing::writeFileBytes(chl, testing::readFileBytes(qvx));
    ChannelList a, b;
    ASSERT_EQ(readList(qvx, ListFormat::Native, a).outcome, FileOutcome::Done);
    ASSERT_EQ(readList(chl, ListFormat::WinDvbLive, b).outcome, FileOutcome::Done);
    EXPECT_EQ(testing::shapeOf(a.television()), testing::shapeOf(b.television()));
    EXPECT_EQ(a.television().itemCount(), 3000u);
}

}  // namespace
}  // namespace qvx

namespace qvx {
namespace {

// A plain file whose read waits for ever: /proc/kmsg waits for the next
// kernel message. The load gives up with the read-error text.
TEST(ListFiles, AFileWhoseReadNeverEndsFailsWithinSeconds) {
    const int probe = ::open("/proc/kmsg", O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) GTEST_SKIP() << "/proc/kmsg cannot be read here (needs root and the kernel log)";
    ::close(probe);
    testing::TemporaryFolder folder;
    const std::string link = folder.file("kmsg.dvb");
    std::filesystem::create_symlink("/proc/kmsg", link);
    ChannelList list;
    const auto start = std::chrono::steady_clock::now();
    const FileResult result = readList(link, ListFormat::Dvb98, list);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(result.outcome, FileOutcome::ReadFailed);
    EXPECT_EQ(result.message, "A hardware I/O error was reported while accessing an unnamed file.");
    EXPECT_LT(waited, std::chrono::seconds(10));  // a bound on the hang, not a speed target
}

TEST(ListFiles, RunningOutOfMemoryEndsTheLoadLikeAReadError) {
    testing::TemporaryFolder folder;
    struct Case {
        std::string_view extension;
        ListFormat format;
    };
    struct OutOfMemoryCalls final : FailingFileCalls {
        ssize_t read(int fd, void* data, std::size_t size) override {
            if (readCalls == 1) throw std::bad_alloc();  // on the second call
            return FailingFileCalls::read(fd, data, size);
        }
    };
    for (const Case& c : {Case{"qvx", ListFormat::Native}, Case{"dvb", ListFormat::Dvb98},
                          Case{"xch", ListFormat::DvbExtreme}}) {
        SCOPED_TRACE(std::string(c.extension));
        const std::string path = writeLargeList(folder, c.extension);
        ChannelList list;
        OutOfMemoryCalls calls;
        const FileResult result = readList(path, c.format, list, calls);
        EXPECT_EQ(result.outcome, FileOutcome::ReadFailed);
        EXPECT_EQ(result.message, "Out of memory while reading " + path);
        // The first 64 KiB were read into the trees and stay there.
        ASSERT_EQ(list.television().topLevelCount(), 1);
        EXPECT_GT(list.television().topLevelItem(0)->childCount(), 100);
        EXPECT_LT(list.television().topLevelItem(0)->childCount(), 2999);
    }
}

}  // namespace
}  // namespace qvx

namespace qvx {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;  // reserves terabytes of address space: no limit fits
#else
constexpr bool kAddressSanitizer = false;
#endif

long addressSpaceInUse() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmSize:")) return std::stol(line.substr(7)) * 1024;
    return 0;
}

// Real memory exhaustion: a child that may use only 40 MB more address space
// loads a DVB98 list of 400,000 channels (25.6 MB of file, far more as trees).
TEST(ListFiles, ALoadThatRunsOutOfMemoryIsAnErrorNotAnAbort) {
    if (kAddressSanitizer) GTEST_SKIP() << "AddressSanitizer cannot run under an address-space limit";
    testing::TemporaryFolder folder;
    const std::string sample = writeLargeList(folder, "dvb");  // a provider and 2999 channels
    const testing::Bytes records = testing::readFileBytes(sample);
    const std::string path = folder.file("huge.dvb");
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(records.data()), 64);
        for (int copy = 0; copy < 134; ++copy)  // 134 * 2999 channels
            out.write(reinterpret_cast<const char*>(records.data()) + 64,
                      static_cast<std::streamsize>(records.size() - 64));
    }
    const testing::ChildOutcome outcome = testing::runInChild([&](std::string& report) {
        rlimit limit {};
        limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(addressSpaceInUse() + 40L * 1024 * 1024);
        if (::setrlimit(RLIMIT_AS, &limit) != 0) return 3;
        ChannelList list;
        const FileResult result = readList(path, ListFormat::Dvb98, list);
        report = std::string(result.outcome == FileOutcome::ReadFailed ? "read failed" : "other") + "|" +
                 result.messageWithReason();
        return 0;
    });
    ASSERT_TRUE(outcome.exited(0)) << "status " << outcome.status;
    EXPECT_EQ(outcome.report, "read failed|Out of memory while reading " + path + ": Cannot allocate memory");
}

}  // namespace
}  // namespace qvx
