// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place road (here: a file with two links): a failing write at any
// step, or a signal that ends the program, leaves the old list on every name
// and no copy; only kill -9 in the middle of the rewrite, or a copy that
// cannot be written back, leaves the copy of the old list beside the file.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>

#include "ChildProcess.h"
#include "FailingFileCalls.h"
#include "FormatTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;

// In chunks of 4096 bytes the new list (17212 bytes) takes write calls 1-5
// into the new file, the copy of the old list (10000 bytes) 6-8, the new list
// over the old one 9-13.
constexpr int kFirstRewrite = 9;
constexpr int kLastRewrite = 13;
const Bytes kOld(10000, 'o');

// Writes the list through `calls`, whose write call `at` does `hook` first.
template <typename Hook>
FileResult saveLargeList(const std::string& path, int at, Hook hook, int errorNumber = 0) {
    struct HookedCalls final : FailingFileCalls {
        int at;
        Hook hook;
        int errorNumber;
        HookedCalls(int a, Hook h, int e) : at(a), hook(h), errorNumber(e) { chunkSize = 4096; }
        ssize_t write(int fd, const void* data, std::size_t size) override {
            if (++writeCalls == at) hook();
            if (errorNumber != 0 && writeCalls >= at) return fail(errorNumber);
            return FileCalls::write(fd, data, size);
        }
    } calls(at, hook, errorNumber);
    ChannelList list;
    TreeItem* provider = testing::addProvider(list.television(), "P");
    for (int i = 0; i < 99; ++i) testing::addChannel(list.television(), provider, "c" + std::to_string(i));
    return writeList(path, ListFormat::Native, list, calls);
}

struct LinkedFile {
    testing::TemporaryFolder folder;
    std::string path = folder.file("list.qvx");
    LinkedFile() {
        testing::writeFileBytes(path, kOld);
        EXPECT_EQ(::link(path.c_str(), folder.file("second.qvx").c_str()), 0);
    }
    void expectOldListEverywhere() const {
        EXPECT_EQ(testing::readFileBytes(path), kOld);
        EXPECT_EQ(testing::readFileBytes(folder.file("second.qvx")), kOld);
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"list.qvx", "second.qvx"}));
    }
    // The one name besides the two links: the kept copy.
    std::string keptCopy() const {
        const std::vector<std::string> names = folder.names();
        EXPECT_EQ(names.size(), 3u);
        EXPECT_TRUE(names[0].starts_with(".qvxold-") && names[0].ends_with("-list.qvx")) << names[0];
        return folder.file(names[0]);
    }
};

TEST(SaveInPlace, AFailingWriteAtAnyStepLeavesTheOldListOnEveryName) {
    for (int at = 1; at <= kLastRewrite; ++at) {
        SCOPED_TRACE("write " + std::to_string(at));
        LinkedFile file;
        // Only this one write fails; the old contents then go back.
        FailingFileCalls calls;
        calls.chunkSize = 4096;
        calls.failWriteAt = at;
        ChannelList list;
        TreeItem* provider = testing::addProvider(list.television(), "P");
        for (int i = 0; i < 99; ++i) testing::addChannel(list.television(), provider, "c" + std::to_string(i));
        EXPECT_EQ(writeList(file.path, ListFormat::Native, list, calls).message,
                  "Disk full while accessing " + file.path + ".");
        file.expectOldListEverywhere();
    }
    // Every write from the second of the rewrite on fails: the old list cannot go back.
    LinkedFile file;
    const FileResult result = saveLargeList(file.path, kFirstRewrite + 1, [] {}, EIO);
    const std::string copy = file.keptCopy();
    EXPECT_EQ(testing::readFileBytes(copy), kOld);
    EXPECT_EQ(result.messageWithReason(), "A hardware I/O error was reported while accessing " + file.path +
                                              ". Input/output error; its old contents are kept in " + copy);
}

TEST(SaveInPlace, ASignalThatEndsTheProgramPutsTheOldListBackKillMinus9LeavesTheCopy) {
    for (const int at : {kFirstRewrite - 1, kFirstRewrite, kLastRewrite}) {
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGKILL}) {
            SCOPED_TRACE("signal " + std::to_string(signalNumber) + " at write " + std::to_string(at));
            LinkedFile file;
            const testing::ChildOutcome outcome = testing::runInChild([&](std::string& report) {
                report = saveLargeList(file.path, at, [&] { ::raise(signalNumber); }).message;
                return 0;
            });
            EXPECT_TRUE(outcome.killedBy(signalNumber)) << outcome.status << " " << outcome.report;
            if (signalNumber != SIGKILL || at < kFirstRewrite) {
                file.expectOldListEverywhere();
                continue;
            }
            // Killed while rewriting: the copy stays, and the next save into the folder leaves it alone.
            const std::string copy = file.keptCopy();
            EXPECT_EQ(testing::readFileBytes(copy), kOld);
            EXPECT_TRUE(saveLargeList(file.folder.file("other.qvx"), 0, [] {}).ok());
            EXPECT_EQ(testing::readFileBytes(copy), kOld);
        }
    }
}

}  // namespace
}  // namespace qvx
