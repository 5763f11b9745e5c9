// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that fail on purpose, in every format: at each write call with each
// kind of failure, under another process's lock, into a folder that cannot be
// written, through symbolic links. After each failure the old file must be
// byte for byte what it was, with no temporary file left beside it, and the
// message must name the path and the cause.

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <optional>

#include "FormatTestSupport.h"
#include "LockHolder.h"
#include "FailingFileCalls.h"
#include "files/FileError.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::TemporaryFolder;

struct Format {
    const char* extension;
    std::size_t headerSize;
    std::size_t recordSize;

    ListFormat listFormat() const { return *listFormatForExtension(extension); }
};

const Format kFormats[] = {{"qvx", 12, 172}, {"chl", 12, 172}, {"dvb", 0, 64}, {"xch", 0, 89}};

// Small chunks make every writer issue many write calls.
constexpr std::size_t kChunkSize = 1024;

// Two television providers of 40 channels and a radio provider of 30: 113 entries.
constexpr std::size_t kEntries = 113;
void fillList(ChannelList& list) {
    for (int p = 0; p < 2; ++p) {
        TreeItem* provider = testing::addProvider(list.television(), "TV " + std::to_string(p));
        for (int c = 0; c < 40; ++c)
            testing::addChannel(list.television(), provider, "tv" + std::to_string(c));
    }
    TreeItem* provider = testing::addProvider(list.radio(), "Radio");
    for (int c = 0; c < 30; ++c) testing::addChannel(list.radio(), provider, "r" + std::to_string(c));
}

std::size_t fileSize(const Format& format) { return format.headerSize + kEntries * format.recordSize; }
int writeCallsFor(const Format& format) {
    return static_cast<int>((fileSize(format) + kChunkSize - 1) / kChunkSize);
}

// An earlier save of a different list in the same format: what must survive.
Bytes oldFileAt(const std::string& path, const Format& format) {
    ChannelList old;
    testing::addChannel(old.television(), testing::addProvider(old.television(), "Old"), "kept");
    EXPECT_TRUE(writeList(path, format.listFormat(), old).ok());
    return testing::readFileBytes(path);
}

std::string withPath(std::string text, const std::string& path) {
    return text.replace(text.find('%'), 1, path);
}

// What a failed save must leave: the old file as it was and nothing beside it.
void expectOldFileKept(const std::string& path, const Bytes& old, const testing::TemporaryFolder& folder,
                       const std::string& name) {
    EXPECT_EQ(testing::readFileBytes(path), old);
    EXPECT_EQ(folder.names(), std::vector<std::string>{name});
}

void reportCases(int count, const char* what) {
    std::cout << "[ cases    ] " << count << ' ' << what << '\n';
}

TEST(SaveFaultInjection, EveryWriteCallFailsWithEachKindInEveryFormat) {
    ChannelList list;
    fillList(list);
    struct Kind {
        int errorNumber;
        const char* message;
    };
    const Kind kinds[] = {{ENOSPC, "Disk full while accessing %."},
                          {EIO, "A hardware I/O error was reported while accessing %."},
                          {EACCES, "Access to % was denied."}};
    int cases = 0;
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.extension);
        // A save that goes through makes exactly the expected number of calls.
        {
            TemporaryFolder folder;
            const std::string path = folder.file(std::string("whole.") + format.extension);
            FailingFileCalls calls;
            calls.chunkSize = kChunkSize;
            ASSERT_TRUE(writeList(path, format.listFormat(), list, calls).ok());
            ASSERT_EQ(testing::readFileBytes(path).size(), fileSize(format));
            ASSERT_EQ(calls.writeCalls, writeCallsFor(format));
            ASSERT_GE(calls.writeCalls, 8);
        }
        for (const Kind& kind : kinds) {
            for (int failAt = 1; failAt <= writeCallsFor(format); ++failAt) {
                for (const bool fileExists : {true, false}) {
                    SCOPED_TRACE("errno " + std::to_string(kind.errorNumber) + " at write call " +
                                 std::to_string(failAt) + (fileExists ? " over a file" : " of a new file"));
                    TemporaryFolder folder;
                    const std::string name = std::string("list.") + format.extension;
                    const std::string path = folder.file(name);
                    const Bytes old = fileExists ? oldFileAt(path, format) : Bytes{};
                    FailingFileCalls calls;
                    calls.chunkSize = kChunkSize;
                    calls.failWriteAt = failAt;
                    calls.writeErrno = kind.errorNumber;
                    const FileResult result =
                        writeList(path, format.listFormat(), list, calls);
                    ++cases;
                    EXPECT_FALSE(result.ok());
                    EXPECT_EQ(result.cause, causeForErrno(kind.errorNumber));
                    EXPECT_EQ(result.message, withPath(kind.message, path));
                    EXPECT_EQ(calls.writeCalls, failAt);
                    if (fileExists) {
                        expectOldFileKept(path, old, folder, name);
                    } else {
                        EXPECT_TRUE(folder.names().empty());
                    }
                }
            }
        }
    }
    reportCases(cases, "saves failed at a write call");
}

TEST(SaveFaultInjection, FailedFlushToDiskOrRenameInEveryFormat) {
    ChannelList list;
    fillList(list);
    int cases = 0;
    for (const Format& format : kFormats) {
        for (const int errorNumber : {EIO, ENOSPC}) {
            for (const bool atRename : {false, true}) {
                SCOPED_TRACE(std::string(format.extension) + (atRename ? " rename " : " fsync ") +
                             std::to_string(errorNumber));
                TemporaryFolder folder;
                const std::string name = std::string("list.") + format.extension;
                const std::string path = folder.file(name);
                const Bytes old = oldFileAt(path, format);
                FailingFileCalls calls;
                (atRename ? calls.renameErrno : calls.fsyncErrno) = errorNumber;
                const FileResult result =
                    writeList(path, format.listFormat(), list, calls);
                ++cases;
                EXPECT_FALSE(result.ok());
                EXPECT_EQ(result.message, fileErrorText(causeForErrno(errorNumber), path));
                expectOldFileKept(path, old, folder, name);
            }
        }
    }
    reportCases(cases, "saves failed at the flush or the rename");
}

TEST(SaveFaultInjection, ALockOfAnotherProcessStopsTheSaveInEveryFormat) {
    ChannelList list;
    fillList(list);
    int cases = 0;
    for (const Format& format : kFormats) {
        for (const short type : {F_RDLCK, F_WRLCK}) {
            SCOPED_TRACE(std::string(format.extension) + (type == F_RDLCK ? " read lock" : " write lock"));
            TemporaryFolder folder;
            const std::string name = std::string("list.") + format.extension;
            const std::string path = folder.file(name);
            const Bytes old = oldFileAt(path, format);
            testing::LockHolder holder(path, type);
            ASSERT_TRUE(holder.locked());
            FailingFileCalls calls;
            const FileResult result =
                writeList(path, format.listFormat(), list, calls);
            ++cases;
            EXPECT_FALSE(result.ok());
            EXPECT_EQ(result.cause, kCauseSharingViolation);
            EXPECT_EQ(result.message, "File " + path + " could not be opened. Cause 11");
            EXPECT_EQ(calls.writeCalls, 0);
            expectOldFileKept(path, old, folder, name);
        }
    }
    reportCases(cases, "saves over a file another process holds locked");
}

// Writes that take only part of what they are given, and calls interrupted by
// a signal: the file must still come out whole.
class GrudgingFileCalls final : public FileCalls {
public:
    int calls = 0;
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (++calls % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return FileCalls::write(fd, data, size < 100 ? size : 100);
    }
};

TEST(SaveFaultInjection, ShortAndInterruptedWritesStillWriteEveryByte) {
    ChannelList list;
    fillList(list);
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.extension);
        TemporaryFolder folder;
        GrudgingFileCalls grudging;
        ASSERT_TRUE(
            writeList(folder.file("a"), format.listFormat(), list, grudging).ok());
        ASSERT_TRUE(writeList(folder.file("b"), format.listFormat(), list).ok());
        EXPECT_GT(grudging.calls, static_cast<int>(fileSize(format) / 100));
        EXPECT_EQ(testing::readFileBytes(folder.file("a")), testing::readFileBytes(folder.file("b")));
        EXPECT_EQ(testing::readFileBytes(folder.file("a")).size(), fileSize(format));
    }
}

constexpr uid_t kNobody = 65534;

// A save by a user who may not write the folder. Root may write anywhere, so
// as root a child process that has become user nobody saves. None when no
// such user can be had.
std::optional<FileResult> saveAsOrdinaryUser(const std::string& path, const Format& format,
                                              const ChannelList& list) {
    if (::geteuid() != 0) return writeList(path, format.listFormat(), list);
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(3);
        const FileResult result = writeList(path, format.listFormat(), list);
        const std::string answer = std::to_string(result.cause) + ' ' + result.message;
        const bool sent =
            ::write(channel[1], answer.data(), answer.size()) == static_cast<ssize_t>(answer.size());
        ::_exit(sent ? 0 : 4);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[512];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, buffer + got);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    const auto blank = answer.find(' ');
    const int cause = std::stoi(answer.substr(0, blank));
    const FileOutcome outcome = cause == 0 ? FileOutcome::Done : FileOutcome::CannotCreate;
    return FileResult{outcome, cause, answer.substr(blank + 1), {}};
}

TEST(SaveFaultInjection, AFolderThatCannotBeWrittenKeepsTheFile) {
    ChannelList list;
    fillList(list);
    int cases = 0;
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.extension);
        TemporaryFolder folder;
        const std::string name = std::string("list.") + format.extension;
        const std::string path = folder.file(name);
        const Bytes old = oldFileAt(path, format);
        const std::string folderPath = std::filesystem::path(path).parent_path().string();
        // The file itself may be written (it belongs to whoever saves); its folder may not.
        if (::geteuid() == 0) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        }
        ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
        ASSERT_EQ(::chmod(folderPath.c_str(), 0555), 0);
        const std::optional<FileResult> result = saveAsOrdinaryUser(path, format, list);
        ::chmod(folderPath.c_str(), 0755);
        if (!result) GTEST_SKIP() << "running as root and no child could become user nobody";
        ++cases;
        // Replacing the file takes a new name in the folder: refused before a byte is written.
        EXPECT_FALSE(result->ok());
        EXPECT_EQ(result->message, "File " + path + " could not be opened. Cause 5");
        expectOldFileKept(path, old, folder, name);
    }
    reportCases(cases, "saves into a folder that cannot be written");
}

TEST(SaveFaultInjection, SymbolicLinksStayAndTheirTargetIsReplacedOrKept) {
    ChannelList list;
    fillList(list);
    int cases = 0;
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.extension);
        const std::string name = std::string("list.") + format.extension;
        TemporaryFolder reference;
        ASSERT_TRUE(writeList(reference.file(name), format.listFormat(), list).ok());
        const Bytes expected = testing::readFileBytes(reference.file(name));

        for (const bool fail : {false, true}) {
            // links/near -> links/far -> ../real/list.EXT: a chain across two folders.
            TemporaryFolder folder;
            std::filesystem::create_directory(folder.file("real"));
            std::filesystem::create_directory(folder.file("links"));
            const std::string real = folder.file("real/" + name);
            const Bytes old = oldFileAt(real, format);
            std::filesystem::create_symlink("../real/" + name, folder.file("links/far"));
            std::filesystem::create_symlink("far", folder.file("links/near"));
            const std::string link = folder.file("links/near");
            FailingFileCalls calls;
            calls.chunkSize = kChunkSize;
            calls.failWriteAt = fail ? 2 : 0;
            const FileResult result =
                writeList(link, format.listFormat(), list, calls);
            ++cases;
            EXPECT_EQ(result.ok(), !fail);
            if (fail) {
                EXPECT_EQ(result.message, "Disk full while accessing " + link + ".");
            }
            EXPECT_TRUE(std::filesystem::is_symlink(folder.file("links/near")));
            EXPECT_TRUE(std::filesystem::is_symlink(folder.file("links/far")));
            EXPECT_EQ(testing::readFileBytes(real), fail ? old : expected);
            EXPECT_EQ(folder.names(), (std::vector<std::string>{"links", "real"}));
            EXPECT_EQ(testing::namesIn(folder.file("real")), std::vector<std::string>{name});
            EXPECT_EQ(testing::namesIn(folder.file("links")), (std::vector<std::string>{"far", "near"}));
        }
    }
    reportCases(cases, "saves through symbolic links");
}

TEST(SaveFaultInjection, ModeAndOwnerOfTheFileAreKept) {
    ChannelList list;
    fillList(list);
    int cases = 0;
    for (const Format& format : kFormats) {
        for (const mode_t mode : {0640, 0600, 0604, 0664, 02640}) {
            SCOPED_TRACE(std::string(format.extension) + " mode " + std::to_string(mode));
            TemporaryFolder folder;
            const std::string path = folder.file(std::string("list.") + format.extension);
            oldFileAt(path, format);
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            const bool root = ::geteuid() == 0;
            if (root) {
                ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
            }
            ASSERT_TRUE(writeList(path, format.listFormat(), list).ok());
            ++cases;
            struct stat status {};
            ASSERT_EQ(::stat(path.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 07777, mode);
            if (root) {
                EXPECT_EQ(status.st_uid, kNobody);
                EXPECT_EQ(status.st_gid, kNobody);
            }
            EXPECT_EQ(testing::readFileBytes(path).size(), fileSize(format));
        }
        // A new file gets what any new file of the user gets.
        TemporaryFolder folder;
        const std::string path = folder.file(std::string("new.") + format.extension);
        const mode_t mask = ::umask(022);
        ASSERT_TRUE(writeList(path, format.listFormat(), list).ok());
        ::umask(mask);
        ++cases;
        struct stat status {};
        ASSERT_EQ(::stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0644u);
    }
    reportCases(cases, "saves keeping mode and owner");
}

}  // namespace
}  // namespace qvx
