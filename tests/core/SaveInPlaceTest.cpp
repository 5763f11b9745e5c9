// SPDX-License-Identifier: GPL-3.0-or-later
// The in-place road of a save (here: a file with two links): every failure
// and every signal that ends the program leaves the old list on every name
// and no copy behind; only kill -9 in the middle of the rewrite leaves the
// copy of the old list beside the file, and nothing removes it.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ChildProcess.h"
#include "FailingFileCalls.h"
#include "FormatTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::TemporaryFolder;

// Written in chunks of 4096 bytes: the new list (17212 bytes) takes write
// calls 1-5 into the new file; the copy of the old list (10000 bytes) calls
// 6-8; the new list over the old file calls 9-13.
constexpr std::size_t kChunk = 4096;
constexpr int kFirstCopyWrite = 6;
constexpr int kFirstRewrite = 9;
constexpr int kLastRewrite = 13;
const Bytes kOld(10000, 'o');

FileResult saveLargeList(const std::string& path, FileCalls& calls) {
    ChannelList list(1);
    TreeItem* provider = testing::addProvider(list.television(), "P");
    for (int i = 0; i < 99; ++i) testing::addChannel(list.television(), provider, "c" + std::to_string(i));
    return writeList(path, ListFormat::Native, list, calls);
}

// list.qvx and its second link second.qvx, with the old list.
struct LinkedFile {
    TemporaryFolder folder;
    std::string path = folder.file("list.qvx");
    std::string second = folder.file("second.qvx");
    ino_t inode = 0;

    LinkedFile() {
        testing::writeFileBytes(path, kOld);
        EXPECT_EQ(::link(path.c_str(), second.c_str()), 0);
        struct stat status {};
        EXPECT_EQ(::stat(path.c_str(), &status), 0);
        inode = status.st_ino;
    }
    void expectOldListEverywhere() const {
        EXPECT_EQ(testing::readFileBytes(path), kOld);
        EXPECT_EQ(testing::readFileBytes(second), kOld);
        struct stat status {};
        EXPECT_EQ(::stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_ino, inode);
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"list.qvx", "second.qvx"}));
    }
};

TEST(SaveInPlace, AFailingWriteAtAnyStepLeavesTheOldListOnEveryName) {
    for (const int errorNumber : {ENOSPC, EIO}) {
        for (int failAt = 1; failAt <= kLastRewrite; ++failAt) {
            SCOPED_TRACE("errno " + std::to_string(errorNumber) + " at write " + std::to_string(failAt));
            LinkedFile file;
            FailingFileCalls calls;
            calls.chunkSize = kChunk;
            calls.failWriteAt = failAt;
            calls.writeErrno = errorNumber;
            const FileResult result = saveLargeList(file.path, calls);
            EXPECT_EQ(result.outcome, FileOutcome::WriteFailed);
            EXPECT_EQ(result.message, errorNumber == ENOSPC
                                          ? "Disk full while accessing " + file.path + "."
                                          : "A hardware I/O error was reported while accessing " + file.path + ".");
            file.expectOldListEverywhere();
        }
    }
}

TEST(SaveInPlace, WhenTheOldListCannotBeWrittenBackItsCopyStaysAndTheMessageSaysWhere) {
    LinkedFile file;
    struct BrokenDiskCalls final : FailingFileCalls {
        ssize_t write(int fd, const void* data, std::size_t size) override {
            if (++writeCalls >= kFirstRewrite + 1) return fail(EIO);
            return FileCalls::write(fd, data, size);
        }
    } calls;
    calls.chunkSize = kChunk;
    const FileResult result = saveLargeList(file.path, calls);
    EXPECT_EQ(result.outcome, FileOutcome::WriteFailed);
    const std::vector<std::string> names = file.folder.names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_TRUE(names[0].starts_with(".qvxold-") && names[0].ends_with("-list.qvx")) << names[0];
    EXPECT_EQ(testing::readFileBytes(file.folder.file(names[0])), kOld);
    EXPECT_EQ(result.messageWithReason(), "A hardware I/O error was reported while accessing " + file.path +
                                              ". Input/output error; its old contents are kept in " +
                                              file.folder.file(names[0]));
}

// A save whose write call `at` raises `signalNumber`.
testing::ChildOutcome saveHitBySignal(const std::string& path, int at, int signalNumber) {
    return testing::runInChild([&](std::string& report) {
        struct RaisingCalls final : FailingFileCalls {
            int at = 0;
            int signalToRaise = 0;
            ssize_t write(int fd, const void* data, std::size_t size) override {
                if (writeCalls + 1 == at) ::raise(signalToRaise);
                return FailingFileCalls::write(fd, data, size);
            }
        } calls;
        calls.at = at;
        calls.signalToRaise = signalNumber;
        calls.chunkSize = kChunk;
        report = saveLargeList(path, calls).message;
        return 0;
    });
}

TEST(SaveInPlace, ASignalThatEndsTheProgramPutsTheOldListBack) {
    for (const int at : {kFirstCopyWrite + 1, kFirstRewrite, kLastRewrite}) {
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
            SCOPED_TRACE("signal " + std::to_string(signalNumber) + " at write " + std::to_string(at));
            LinkedFile file;
            const testing::ChildOutcome outcome = saveHitBySignal(file.path, at, signalNumber);
            EXPECT_TRUE(outcome.killedBy(signalNumber)) << "status " << outcome.status << " " << outcome.report;
            file.expectOldListEverywhere();
        }
    }
}

TEST(SaveInPlace, KillMinus9WhileRewritingLeavesTheCopyOfTheOldListBesideTheFile) {
    LinkedFile file;
    int inside[2];
    ASSERT_EQ(::pipe(inside), 0);
    const testing::ChildOutcome outcome = testing::runInChild(
        [&](std::string&) {
            struct StallingCalls final : FailingFileCalls {
                int tell = -1;
                ssize_t write(int fd, const void* data, std::size_t size) override {
                    if (writeCalls + 1 == kFirstRewrite + 2) {
                        (void)::write(tell, "x", 1);
                        for (;;) ::pause();
                    }
                    return FailingFileCalls::write(fd, data, size);
                }
            } calls;
            calls.tell = inside[1];
            calls.chunkSize = kChunk;
            saveLargeList(file.path, calls);
            return 0;
        },
        [&](pid_t child) {
            char byte = 0;
            ::close(inside[1]);
            EXPECT_EQ(::read(inside[0], &byte, 1), 1);
            ::kill(child, SIGKILL);
        });
    ::close(inside[0]);
    EXPECT_TRUE(outcome.killedBy(SIGKILL));
    std::vector<std::string> names = file.folder.names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_TRUE(names[0].starts_with(".qvxold-")) << names[0];
    EXPECT_EQ(testing::readFileBytes(file.folder.file(names[0])), kOld);
    EXPECT_NE(testing::readFileBytes(file.path), kOld);  // torn

    // The next save into the folder cleans up after killed saves, but never this copy.
    FailingFileCalls calls;
    ASSERT_TRUE(saveLargeList(file.folder.file("other.qvx"), calls).ok());
    EXPECT_EQ(file.folder.names().front(), names[0]);
}

}  // namespace
}  // namespace qvx
