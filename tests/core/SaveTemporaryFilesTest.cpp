// SPDX-License-Identifier: GPL-3.0-or-later
// The new file of a save while it is written: never readable by more users
// than the final file, gone after a signal or a failure, and cleaned up by the
// next save after a kill -9; never the reason a long legal name fails.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <iostream>
#include <new>

#include "ChildProcess.h"
#include "FailingFileCalls.h"
#include "FormatTestSupport.h"
#include "formats/ListFiles.h"
#include "files/TemporaryFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::TemporaryFolder;

constexpr uid_t kNobody = 65534;

// One provider and 99 channels: 12 + 100 * 172 = 17212 bytes in the native format.
constexpr std::size_t kListSize = 17212;
const ChannelList& largeList() {
    static const ChannelList* list = [] {
        auto* made = new ChannelList();
        TreeItem* provider = testing::addProvider(made->television(), "P");
        for (int i = 0; i < 99; ++i) testing::addChannel(made->television(), provider, "c" + std::to_string(i));
        return made;
    }();
    return *list;
}
const Bytes kOldContents = {'o', 'l', 'd', ' ', 'l', 'i', 's', 't'};

FileResult save(const std::string& path, FileCalls& calls) {
    return writeList(path, ListFormat::Native, largeList(), calls);
}

// Unnamed temporary files where the file system has them, and named ones as elsewhere.
struct Kind {
    const char* name;
    bool unnamed;
};
constexpr Kind kKinds[] = {{"unnamed temporary file", true}, {"named temporary file", false}};

// Records the widest permissions the new file had at each step of a save.
class ModeWatchingCalls final : public FailingFileCalls {
public:
    mode_t widest = 0;
    int looks = 0;

    int createUnnamed(int folder, mode_t mode) override {
        return watched(FailingFileCalls::createUnnamed(folder, mode));
    }
    int createNamed(int folder, const char* name, mode_t mode) override {
        return watched(FailingFileCalls::createNamed(folder, name, mode));
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        watched(fd);
        return FailingFileCalls::write(fd, data, size);
    }
    int fsync(int fd) override {
        watched(fd);
        return FailingFileCalls::fsync(fd);
    }
    int rename(int folder, const char* from, const char* to, unsigned flags) override {
        struct stat status {};
        if (::fstatat(folder, from, &status, AT_SYMLINK_NOFOLLOW) == 0) note(status);
        return FailingFileCalls::rename(folder, from, to, flags);
    }

private:
    int watched(int fd) {
        struct stat status {};
        if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) note(status);
        return fd;
    }
    void note(const struct stat& status) {
        widest |= status.st_mode & 07777;
        ++looks;
    }
};

TEST(SaveTemporaryFiles, TheNewFileIsNeverReadableByMoreThanTheFinalOne) {
    struct Case {
        mode_t umask;
        int existingMode;  // -1: a new file
        mode_t finalMode;
    };
    const Case cases[] = {{0, 0600, 0600}, {0, 0640, 0640}, {0, 0400, 0400}, {0, 0604, 0604},
                          {022, 0600, 0600}, {077, -1, 0600}, {022, -1, 0644}, {0, -1, 0666}};
    for (const Kind& kind : kKinds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + " umask " + std::to_string(c.umask) + " mode " +
                         std::to_string(c.existingMode));
            TemporaryFolder folder;
            const std::string path = folder.file("private.qvx");
            if (c.existingMode >= 0) {
                testing::writeFileBytes(path, kOldContents);
                ASSERT_EQ(::chmod(path.c_str(), static_cast<mode_t>(c.existingMode)), 0);
            }
            ModeWatchingCalls calls;
            calls.unnamedFiles = kind.unnamed;
            calls.chunkSize = 4096;
            const mode_t previous = ::umask(c.umask);
            const FileResult result = save(path, calls);
            ::umask(previous);
            ASSERT_TRUE(result.ok()) << result.message;
            struct stat status {};
            ASSERT_EQ(::stat(path.c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 07777, c.finalMode);
            EXPECT_GE(calls.looks, 7);  // at creation, 5 writes, the flush to disk
            EXPECT_EQ(calls.widest & ~c.finalMode, 0u) << "seen " << std::oct << calls.widest;
        }
    }
}

// A save whose third write call gets `signalNumber` from outside; the child
// reports how its save ended when the signal did not end it.
testing::ChildOutcome saveHitBySignal(const std::string& path, bool unnamed, int signalNumber,
                                      void (*disposition)(int)) {
    return testing::runInChild([&](std::string& report) {
        ::signal(signalNumber, disposition);
        struct RaisingCalls final : FailingFileCalls {
            int signalToRaise = 0;
            ssize_t write(int fd, const void* data, std::size_t size) override {
                if (writeCalls == 2) ::raise(signalToRaise);
                return FailingFileCalls::write(fd, data, size);
            }
        } calls;
        calls.signalToRaise = signalNumber;
        calls.unnamedFiles = unnamed;
        calls.chunkSize = 4096;
        report = save(path, calls).message;
        return 0;
    });
}

TEST(SaveTemporaryFiles, ASignalThatEndsTheProgramMidSaveLeavesTheOldFileAndNothingElse) {
    for (const Kind& kind : kKinds) {
        for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
            SCOPED_TRACE(std::string(kind.name) + " signal " + std::to_string(signalNumber));
            TemporaryFolder folder;
            const std::string path = folder.file("list.qvx");
            testing::writeFileBytes(path, kOldContents);
            const testing::ChildOutcome outcome = saveHitBySignal(path, kind.unnamed, signalNumber, SIG_DFL);
            EXPECT_TRUE(outcome.killedBy(signalNumber)) << "status " << outcome.status;
            EXPECT_EQ(testing::readFileBytes(path), kOldContents);
            EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
        }
    }
}

TEST(SaveTemporaryFiles, ASignalTheProgramIgnoresLetsTheSaveFinish) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TemporaryFolder folder;
        const std::string path = folder.file("list.qvx");
        testing::writeFileBytes(path, kOldContents);
        const testing::ChildOutcome outcome = saveHitBySignal(path, kind.unnamed, SIGHUP, SIG_IGN);
        EXPECT_TRUE(outcome.exited(0));
        EXPECT_EQ(outcome.report, "");
        EXPECT_EQ(testing::readFileBytes(path).size(), kListSize);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
}

bool unnamedFilesWorkIn(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// kill -9 while the save is inside its third write call.
void killSaveMidWay(const std::string& path, bool unnamed) {
    int inside[2];
    ASSERT_EQ(::pipe(inside), 0);
    const testing::ChildOutcome outcome = testing::runInChild(
        [&](std::string&) {
            struct StallingCalls final : FailingFileCalls {
                int tell = -1;
                ssize_t write(int fd, const void* data, std::size_t size) override {
                    if (writeCalls == 2) {
                        (void)::write(tell, "x", 1);
                        for (;;) ::pause();
                    }
                    return FailingFileCalls::write(fd, data, size);
                }
            } calls;
            calls.tell = inside[1];
            calls.unnamedFiles = unnamed;
            calls.chunkSize = 4096;
            save(path, calls);
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
}

TEST(SaveTemporaryFiles, KillMinus9LeavesNothingWithAnUnnamedFileAndTheNextSaveCleansUpANamedOne) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TemporaryFolder folder;
        if (kind.unnamed && !unnamedFilesWorkIn(folder.file(""))) {
            std::cout << "[ skipped  ] the file system of " << folder.file("") << " has no unnamed files\n";
            continue;
        }
        const std::string path = folder.file("list.qvx");
        testing::writeFileBytes(path, kOldContents);
        killSaveMidWay(path, kind.unnamed);
        EXPECT_EQ(testing::readFileBytes(path), kOldContents);
        const std::vector<std::string> left = folder.names();
        if (kind.unnamed) {
            EXPECT_EQ(left, std::vector<std::string>{"list.qvx"});
        } else {
            ASSERT_EQ(left.size(), 2u);
            EXPECT_TRUE(left[0].starts_with(".qvxsave-")) << left[0];
        }
        // The next save into the folder, of another file, removes what the killed one left.
        FailingFileCalls calls;
        ASSERT_TRUE(save(folder.file("other.qvx"), calls).ok());
        EXPECT_EQ(folder.names(), (std::vector<std::string>{"list.qvx", "other.qvx"}));
    }
}

pid_t deadProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(SaveTemporaryFiles, OnlyStaleTemporaryFilesOfOursAreRemoved) {
    const std::string dead = std::to_string(deadProcess());
    const std::string alive = std::to_string(::getppid());
    struct Case {
        std::string name;
        bool directory;
        bool stranger;  // owned by user nobody (needs root)
        bool removed;
    };
    const std::vector<Case> cases = {
        {".qvxsave-" + dead + "-0badf00d-list.qvx", false, false, true},
        {".qvxsave-" + dead + "-0badf00d-", false, false, true},
        {".qvxsave-" + alive + "-0badf00d-list.qvx", false, false, false},
        {".qvxsave-" + dead + "-0badf00d-dir", true, false, false},
        {".qvxsave-" + dead + "-0badf00d-theirs.qvx", false, true, false},
        {".qvxsave-" + dead + "x-0badf00d-list.qvx", false, false, false},
        {".qvxsave--1-0badf00d-list.qvx", false, false, false},
        {"list.qvx.qvxsave-" + dead, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.stranger && ::geteuid() != 0) continue;  // only root can make another user's file
        TemporaryFolder folder;
        const std::string path = folder.file(c.name);
        if (c.directory) {
            std::filesystem::create_directory(path);
        } else {
            testing::writeFileBytes(path, kOldContents);
        }
        if (c.stranger) {
            ASSERT_EQ(::chown(path.c_str(), kNobody, kNobody), 0);
        }
        FailingFileCalls calls;
        calls.unnamedFiles = false;
        ASSERT_TRUE(save(folder.file("list.qvx"), calls).ok());
        const std::vector<std::string> expected =
            c.removed ? std::vector<std::string>{"list.qvx"} : std::vector<std::string>{c.name, "list.qvx"};
        std::vector<std::string> sorted = expected;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(folder.names(), sorted);
    }
}

bool isWholeUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (length == 0 || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

TEST(SaveTemporaryFiles, TemporaryNamesFitTheLimitAndCutNoCharacter) {
    std::string umlauts;
    for (int i = 0; i < 127; ++i) umlauts += "\xC3\xBC";  // 254 bytes of "ü"
    for (const std::string& target : {std::string("list.qvx"), std::string(255, 'n'), umlauts + "x", umlauts}) {
        for (const std::size_t limit : {std::size_t{255}, std::size_t{64}, std::size_t{30}}) {
            SCOPED_TRACE(std::to_string(target.size()) + " bytes, limit " + std::to_string(limit));
            const std::string name = temporaryName(target, limit);
            EXPECT_LE(name.size(), limit);
            EXPECT_TRUE(name.starts_with(".qvxsave-" + std::to_string(::getpid()) + "-")) << name;
            EXPECT_TRUE(isWholeUtf8(name)) << name;
            EXPECT_NE(name, temporaryName(target, limit));  // a fresh one each time
        }
    }
}

TEST(SaveTemporaryFiles, ANameOf255BytesAndAPathAtTheSystemLimitSave) {
    TemporaryFolder folder;
    // Folders of 200 bytes until the path is as long as the system allows.
    std::string deep = folder.file("");
    deep.pop_back();
    const std::string name = std::string(251, 'n') + ".qvx";
    while (deep.size() + 1 + 201 + 1 + name.size() < PATH_MAX - 1) {
        deep += "/" + std::string(200, 'd');
        ASSERT_TRUE(std::filesystem::create_directory(deep));
    }
    const std::size_t rest = PATH_MAX - 1 - deep.size() - 1 - 1 - name.size();
    deep += "/" + std::string(rest, 'e');
    ASSERT_TRUE(std::filesystem::create_directory(deep));
    const std::string longest = deep + "/" + name;
    ASSERT_EQ(longest.size(), static_cast<std::size_t>(PATH_MAX - 1));

    for (const Kind& kind : kKinds) {
        for (const std::string& path : {folder.file(name), longest}) {
            SCOPED_TRACE(std::string(kind.name) + ", path of " + std::to_string(path.size()) + " bytes");
            FailingFileCalls calls;
            calls.unnamedFiles = kind.unnamed;
            const FileResult result = save(path, calls);
            EXPECT_TRUE(result.ok()) << result.message;
            EXPECT_EQ(testing::readFileBytes(path).size(), kListSize);
            ChannelList back;
            EXPECT_EQ(readList(path, ListFormat::Native, back).outcome, FileOutcome::Done);
            EXPECT_EQ(back.television().itemCount(), 100u);
        }
    }
}

// In a child process only: a 16 KiB tmpfs at `where`, seen by this process
// alone (its own mount namespace) and gone when it ends. Needs root.
bool mountSmallTmpfs(const std::string& where) {
    return ::unshare(CLONE_NEWNS) == 0 && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", where.c_str(), "tmpfs", 0, "size=16k") == 0;
}

// A disk that fills up half-way, for real: a 16 KiB tmpfs in a mount
// namespace of a child process (root only), and a file size limit (anyone).
TEST(SaveTemporaryFiles, ADiskFullHalfWayLeavesTheOldFileAndNothingElse) {
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        TemporaryFolder folder;
        const std::string mountPoint = folder.file("small");
        std::filesystem::create_directory(mountPoint);
        const std::string path = mountPoint + "/list.qvx";
        const testing::ChildOutcome outcome = testing::runInChild([&](std::string& report) {
            if (!mountSmallTmpfs(mountPoint)) return 77;
            testing::writeFileBytes(path, kOldContents);
            FailingFileCalls calls;
            calls.unnamedFiles = kind.unnamed;
            report = save(path, calls).message;
            report += testing::readFileBytes(path) == kOldContents ? "|old file whole" : "|old file changed";
            for (const auto& entry : std::filesystem::directory_iterator(mountPoint))
                report += "|" + entry.path().filename().string();
            return 0;
        });
        if (outcome.exited(77)) GTEST_SKIP() << "no tmpfs can be mounted here (needs root)";
        ASSERT_TRUE(outcome.exited(0));
        EXPECT_EQ(outcome.report, "Disk full while accessing " + path + ".|old file whole|list.qvx");
    }

    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(std::string(kind.name) + ", file size limit");
        TemporaryFolder folder;
        const std::string path = folder.file("list.qvx");
        testing::writeFileBytes(path, kOldContents);
        const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit previous {};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit small = previous;
        small.rlim_cur = 5000;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
        FailingFileCalls calls;
        calls.unnamedFiles = kind.unnamed;
        calls.chunkSize = 4096;
        const FileResult result = save(path, calls);
        ::setrlimit(RLIMIT_FSIZE, &previous);
        ::signal(SIGXFSZ, previousHandler);
        EXPECT_EQ(calls.writeCalls, 3);  // the second chunk is cut short, the third refused
        EXPECT_EQ(result.message, "Disk full while accessing " + path + ".");
        EXPECT_EQ(testing::readFileBytes(path), kOldContents);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
}

// An unnamed file is given its name through /proc; where /proc is missing
// the save must take a named file from the start rather than fail at the end.
TEST(SaveTemporaryFiles, WithoutProcTheSaveTakesANamedFile) {
    TemporaryFolder folder;
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOldContents);
    const testing::ChildOutcome outcome = testing::runInChild([&](std::string& report) {
        if (!mountSmallTmpfs("/proc")) return 77;
        struct NameWatchingCalls final : FailingFileCalls {
            int named = 0;
            int createNamed(int folder, const char* name, mode_t mode) override {
                ++named;
                return FailingFileCalls::createNamed(folder, name, mode);
            }
        } calls;
        const FileResult result = save(path, calls);
        report = (result.ok() ? "saved" : result.message) + " after " + std::to_string(calls.named) + " named";
        return 0;
    });
    if (outcome.exited(77)) GTEST_SKIP() << "/proc cannot be hidden here (needs root)";
    ASSERT_TRUE(outcome.exited(0));
    EXPECT_EQ(outcome.report, "saved after 1 named");
    EXPECT_EQ(testing::readFileBytes(path).size(), kListSize);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
}

TEST(SaveTemporaryFiles, RunningOutOfMemoryIsAFailedSaveThatChangesNothing) {
    struct OutOfMemoryCalls final : FailingFileCalls {
        ssize_t write(int fd, const void* data, std::size_t size) override {
            if (writeCalls == 1) throw std::bad_alloc();
            return FailingFileCalls::write(fd, data, size);
        }
    };
    for (const Kind& kind : kKinds) {
        for (const bool exists : {true, false}) {
            SCOPED_TRACE(std::string(kind.name) + (exists ? " over a file" : " of a new file"));
            TemporaryFolder folder;
            const std::string path = folder.file("list.qvx");
            if (exists) testing::writeFileBytes(path, kOldContents);
            OutOfMemoryCalls calls;
            calls.unnamedFiles = kind.unnamed;
            calls.chunkSize = 4096;
            const FileResult result = save(path, calls);
            EXPECT_FALSE(result.ok());
            EXPECT_EQ(result.message, "Out of memory while writing " + path);
            const std::vector<std::string> expected =
                exists ? std::vector<std::string>{"list.qvx"} : std::vector<std::string>{};
            EXPECT_EQ(folder.names(), expected);
            if (exists) {
                EXPECT_EQ(testing::readFileBytes(path), kOldContents);
            }
        }
    }
}

}  // namespace
}  // namespace qvx
