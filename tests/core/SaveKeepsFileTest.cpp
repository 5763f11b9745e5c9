// SPDX-License-Identifier: GPL-3.0-or-later
// A save keeps what the old file had besides its bytes (mode, owner, group,
// access ACL, extended attributes, links), whichever road it takes: checked
// with the real system calls against what stat(2), getfacl(1) and
// getfattr(1) show before and after.
#include <gtest/gtest.h>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <filesystem>

#include "ChildProcess.h"
#include "FailingFileCalls.h"
#include "QvxtoolTestSupport.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::shellQuoted;
using testing::TemporaryFolder;

constexpr uid_t kNobody = 65534;
constexpr gid_t kAdm = 4;
const Bytes kOld = {'o', 'l', 'd'};
constexpr std::size_t kNewSize = 12 + 2 * 172;  // a provider and a channel, native

FileResult saveSmallList(const std::string& path, FileCalls& calls = systemFileCalls()) {
    ChannelList list;
    testing::addChannel(list.television(), testing::addProvider(list.television(), "P"), "c");
    return writeList(path, ListFormat::Native, list, calls);
}

std::string outputOf(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
        ::pclose(pipe);
    }
    return out;
}

// Mode, owner, group and links, the ACL and every attribute the process may see.
std::string looksOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return "gone";
    return std::to_string(status.st_mode) + " " + std::to_string(status.st_uid) + ":" +
           std::to_string(status.st_gid) + " " + std::to_string(status.st_nlink) + "\n" +
           outputOf("getfacl -n -- " + shellQuoted(path) + " 2>&1; getfattr -d -m - -e hex -- " + shellQuoted(path));
}

ino_t inodeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

bool run(const std::string& command, const std::string& path) {
    return testing::runShell(command + " -- " + shellQuoted(path) + " 2>/dev/null") == 0;
}

#define REQUIRE_TOOLS()                                                                          \
    if (testing::runShell("command -v getfacl setfacl getfattr setfattr >/dev/null") != 0) \
    GTEST_SKIP() << "needs getfacl, setfacl, getfattr and setfattr (acl, attr)"

TEST(SaveKeepsFile, ModeOwnerGroupAclAndAttributesAreWhatTheyWere) {
    REQUIRE_TOOLS();
    const struct {
        mode_t mode;
        std::string setup;        // on the file
        std::string folderSetup;  // on the folder, after the file was made
        bool asRoot;              // another owner and group: only root may give them
    } cases[] = {
        {0640, "setfacl -m u:65534:---", "", false},
        {0660, "setfacl -m u:65534:rw-,g:4:r--,m::r--", "", false},
        {0600, "true", "setfacl -d -m u:65534:rwx", false},
        {0640, "setfacl -m u:1000:r--", "setfacl -d -m u:65534:rwx", false},
        {0644, "setfattr -n user.xdg.origin.url -v https://example.org/list.qvx", "", false},
        {0600, "setfattr -n user.blob -v 0x00ff0001", "setfacl -d -m g:4:rw-", false},
        {02664, "chown 1000:4", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setup + " " + c.folderSetup);
        if (c.asRoot && ::geteuid() != 0) continue;
        TemporaryFolder folder;
        const std::string path = folder.file("list.qvx");
        testing::writeFileBytes(path, kOld);
        ASSERT_TRUE(run(c.setup, path));
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        ASSERT_TRUE(c.folderSetup.empty() || run(c.folderSetup, folder.file("")));
        const std::string before = looksOf(path);
        const FileResult result = saveSmallList(path);
        ASSERT_TRUE(result.ok()) << result.messageWithReason();
        EXPECT_EQ(looksOf(path), before);
        EXPECT_EQ(testing::readFileBytes(path).size(), kNewSize);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
}

TEST(SaveKeepsFile, WhatCannotBeGivenToTheNewFileRefusesTheSave) {
    REQUIRE_TOOLS();
    for (const auto& [setup, reason] : {std::pair{"setfacl -m u:65534:---", "its access rights cannot be kept"},
                                        std::pair{"setfattr -n user.a -v b", "its extended attributes cannot be kept"}}) {
        TemporaryFolder folder;
        const std::string path = folder.file("list.qvx");
        testing::writeFileBytes(path, kOld);
        ASSERT_TRUE(run(setup, path));
        const std::string before = looksOf(path);
        FailingFileCalls calls;
        calls.attributeErrno = EPERM;
        EXPECT_EQ(saveSmallList(path, calls).messageWithReason(),
                  "File " + path + " could not be opened. Cause 5: " + reason);
        EXPECT_EQ(testing::readFileBytes(path), kOld);
        EXPECT_EQ(looksOf(path), before);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
}

// As root, a child that became user nobody (with the groups given) saves.
std::string saveAsNobody(const std::string& path, std::vector<gid_t> groups) {
    const testing::ChildOutcome outcome = testing::runInChild([&](std::string& report) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            return 99;
        report = saveSmallList(path).messageWithReason();
        return 0;
    });
    return outcome.exited(0) ? outcome.report : "no child could become user nobody";
}

// A saver who cannot give a new file the old owner or group writes into the
// old file itself; one who can gets a new file with everything of the old one.
TEST(SaveKeepsFile, OwnerAndGroupTheSaverCannotGiveAreKeptByWritingInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make files of other users and to become one";
    REQUIRE_TOOLS();
    const struct {
        uid_t owner;
        gid_t group;
        mode_t mode;
        std::vector<gid_t> saverGroups;
        bool inPlace;
        bool folderOfTheSaver;
    } cases[] = {
        {0, 0, 0666, {}, true, true},                  // another user's file the saver may write
        {kNobody, kAdm, 0640, {}, true, true},         // the saver's, in a group the saver is not in
        {kNobody, kAdm, 0640, {kAdm}, false, true},    // ... in a group the saver is in
        {kNobody, kNobody, 0640, {}, false, true},     // ... in the saver's own group
        {0, 0, 0666, {}, true, false},                 // no folder for the copy of the old list: refused
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.owner) + ":" + std::to_string(c.group));
        TemporaryFolder base;
        ASSERT_EQ(::chmod(base.file("").c_str(), 0755), 0);
        const std::string folder = base.file("lists");
        std::filesystem::create_directory(folder);
        ASSERT_EQ(::chown(folder.c_str(), c.folderOfTheSaver ? kNobody : 0, 0), 0);
        const std::string path = folder + "/list.qvx";
        testing::writeFileBytes(path, kOld);
        ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        ASSERT_TRUE(run("setfacl -m u:1000:r--", path));
        const std::string before = looksOf(path);
        const ino_t inode = inodeOf(path);

        const std::string said = saveAsNobody(path, c.saverGroups);
        EXPECT_EQ(looksOf(path), before);
        EXPECT_EQ(testing::namesIn(folder), std::vector<std::string>{"list.qvx"});
        if (!c.folderOfTheSaver) {
            EXPECT_EQ(said, "File " + path + " could not be opened. Cause 5: Permission denied");
            EXPECT_EQ(testing::readFileBytes(path), kOld);
            continue;
        }
        EXPECT_EQ(said, "");
        EXPECT_EQ(inodeOf(path) == inode, c.inPlace);
        EXPECT_EQ(testing::readFileBytes(path).size(), kNewSize);
    }
}

// Every name of a file with several links shows the new list, and a file
// bind-mounted onto another (as into a container), which cannot be renamed
// over, is written into: both by the in-place road.
TEST(SaveKeepsFile, HardLinksAndBindMountsAreWrittenInPlace) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.file("other"));
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOld);
    ASSERT_EQ(::link(path.c_str(), folder.file("other/second.qvx").c_str()), 0);
    std::filesystem::create_symlink("other/second.qvx", folder.file("link.qvx"));
    const std::string before = looksOf(path);
    ASSERT_TRUE(saveSmallList(folder.file("link.qvx")).ok());
    EXPECT_EQ(testing::readFileBytes(path).size(), kNewSize);
    EXPECT_EQ(testing::readFileBytes(folder.file("other/second.qvx")), testing::readFileBytes(path));
    EXPECT_EQ(looksOf(path), before);
    EXPECT_EQ(testing::namesIn(folder.file("other")), std::vector<std::string>{"second.qvx"});

    if (::geteuid() != 0) GTEST_SKIP() << "the bind mount needs root for a mount namespace of its own";
    const std::string source = folder.file("source.qvx");  // one link only
    const std::string mounted = folder.file("mounted.qvx");
    testing::writeFileBytes(source, kOld);
    testing::writeFileBytes(mounted, Bytes{'x'});
    const testing::ChildOutcome outcome = testing::runInChild([&](std::string& report) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount(source.c_str(), mounted.c_str(), nullptr, MS_BIND, nullptr) != 0)
            return 99;
        report = saveSmallList(mounted).messageWithReason();
        return 0;
    });
    if (outcome.exited(99)) GTEST_SKIP() << "no mount namespace could be made here";
    EXPECT_EQ(outcome.report, "");
    EXPECT_EQ(testing::readFileBytes(source).size(), kNewSize);
    EXPECT_EQ(testing::readFileBytes(mounted), Bytes{'x'});  // outside the namespace: untouched
    EXPECT_EQ(folder.names(),
              (std::vector<std::string>{"link.qvx", "list.qvx", "mounted.qvx", "other", "source.qvx"}));
}

}  // namespace
}  // namespace qvx
