// SPDX-License-Identifier: GPL-3.0-or-later
// A save keeps everything the old file had besides its bytes: mode, owner,
// group, access ACL, extended attributes and links, whichever road it takes
// (a new file renamed over the old one, or the old file written in place).
// Checked with the real system calls on the test's own folders, against
// what getfacl(1), getfattr(1) and stat(2) show before and after.

#include <gtest/gtest.h>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ChildProcess.h"
#include "FailingFileCalls.h"
#include "FileLooks.h"
#include "FormatTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::FileLooks;
using testing::TemporaryFolder;

constexpr uid_t kNobody = 65534;
constexpr gid_t kAdm = 4;
const Bytes kOld = {'o', 'l', 'd'};
// One provider and one channel: 12 + 2 * 172 bytes in the native format.
constexpr std::size_t kNewSize = 12 + 2 * 172;

FileResult saveSmallList(const std::string& path, FileCalls& calls = systemFileCalls()) {
    ChannelList list(1);
    testing::addChannel(list.television(), testing::addProvider(list.television(), "P"), "c");
    return writeList(path, ListFormat::Native, list, calls);
}

#define REQUIRE_ATTRIBUTE_TOOLS() \
    if (!testing::haveAttributeTools()) GTEST_SKIP() << "needs getfacl, setfacl, getfattr and setfattr (acl, attr)"

TEST(SaveKeepsFile, ModeOwnerGroupAclAndAttributesAreWhatTheyWere) {
    REQUIRE_ATTRIBUTE_TOOLS();
    struct Case {
        const char* what;
        mode_t mode;
        const char* folderDefaultAcl;  // given to the folder after the file exists
        const char* fileAcl;
        const char* attributes;        // setfattr arguments, or none
        bool asRoot;                   // another owner and group: only root may give them
    };
    const Case cases[] = {
        {"a deny entry for one user", 0640, nullptr, "u:65534:---", nullptr, false},
        {"named entries under a narrow mask", 0660, nullptr, "u:65534:rw-,g:4:r--,m::r--", nullptr, false},
        {"no ACL in a folder whose default ACL grants a user", 0600, "u:65534:rwx", nullptr, nullptr, false},
        {"its own ACL in a folder with another default ACL", 0640, "u:65534:rwx", "u:1000:r--", nullptr, false},
        {"user attributes, one of them binary", 0644, nullptr, nullptr,
         "-n user.xdg.origin.url -v https://example.org/list.qvx", false},
        {"a binary attribute and an ACL", 0600, nullptr, "g:4:rw-", "-n user.blob -v 0x00ff0001", false},
        {"another owner and group with the set-group-id bit", 02664, nullptr, nullptr, nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.asRoot && ::geteuid() != 0) {
            std::cout << "[ skipped  ] " << c.what << ": needs root\n";
            continue;
        }
        TemporaryFolder folder;
        const std::string path = folder.file("list.qvx");
        testing::writeFileBytes(path, kOld);
        if (c.asRoot) {
            ASSERT_EQ(::chown(path.c_str(), 1000, kAdm), 0);
        }
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        if (c.fileAcl) {
            ASSERT_TRUE(testing::runOn(std::string("setfacl -m ") + c.fileAcl, path));
        }
        if (c.attributes) {
            ASSERT_TRUE(testing::runOn(std::string("setfattr ") + c.attributes, path));
        }
        if (c.folderDefaultAcl) {
            ASSERT_TRUE(testing::runOn(std::string("setfacl -d -m ") + c.folderDefaultAcl, folder.file("")));
        }
        const FileLooks before = testing::looksOf(path);

        const FileResult result = saveSmallList(path);
        ASSERT_TRUE(result.ok()) << result.messageWithReason();
        EXPECT_EQ(testing::looksOf(path), before);
        EXPECT_EQ(testing::readFileBytes(path).size(), kNewSize);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
}

TEST(SaveKeepsFile, WhatCannotBeGivenToTheNewFileRefusesTheSave) {
    REQUIRE_ATTRIBUTE_TOOLS();
    const struct {
        const char* setup;
        const char* reason;
    } cases[] = {
        {"setfacl -m u:65534:---", "its access rights cannot be kept"},
        {"setfattr -n user.xdg.origin.url -v https://example.org/", "its extended attributes cannot be kept"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setup);
        TemporaryFolder folder;
        const std::string path = folder.file("list.qvx");
        testing::writeFileBytes(path, kOld);
        ASSERT_TRUE(testing::runOn(c.setup, path));
        const FileLooks before = testing::looksOf(path);
        FailingFileCalls calls;
        calls.attributeErrno = EPERM;
        const FileResult result = saveSmallList(path, calls);
        EXPECT_EQ(result.outcome, FileOutcome::CannotCreate);
        EXPECT_EQ(result.messageWithReason(), "File " + path + " could not be opened. Cause 5: " + c.reason);
        EXPECT_EQ(calls.writeCalls, 0);
        EXPECT_EQ(testing::readFileBytes(path), kOld);
        EXPECT_EQ(testing::looksOf(path), before);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
}

// A brand-new list gets what touch(1) gives a new file in the same folder:
// the umask, or the folder's default ACL.
TEST(SaveKeepsFile, ANewFileGetsWhatAnyNewFileThereGets) {
    REQUIRE_ATTRIBUTE_TOOLS();
    const struct {
        mode_t umask;
        const char* folderDefaultAcl;
    } cases[] = {{022, nullptr}, {077, nullptr}, {0, nullptr}, {022, "u:65534:rw-"}, {077, "u:65534:r--,g:4:rw-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.umask) + (c.folderDefaultAcl ? c.folderDefaultAcl : ""));
        TemporaryFolder folder;
        if (c.folderDefaultAcl) {
            ASSERT_TRUE(testing::runOn(std::string("setfacl -d -m ") + c.folderDefaultAcl, folder.file("")));
        }
        const mode_t previous = ::umask(c.umask);
        const FileResult result = saveSmallList(folder.file("new.qvx"));
        const int touched = testing::runShell("touch -- " + testing::shellQuoted(folder.file("touched")));
        ::umask(previous);
        ASSERT_TRUE(result.ok()) << result.messageWithReason();
        ASSERT_EQ(touched, 0);
        FileLooks ours = testing::looksOf(folder.file("new.qvx"));
        FileLooks touch = testing::looksOf(folder.file("touched"));
        // Only the names differ in what the tools print.
        for (FileLooks* looks : {&ours, &touch}) {
            looks->acl = looks->acl.substr(looks->acl.find('\n'));
            looks->attributes = looks->attributes.empty() ? "" : looks->attributes.substr(looks->attributes.find('\n'));
        }
        EXPECT_EQ(ours, touch);
    }
}

// Every name of a file with several links shows the new list: the file is
// written in place, whichever name or link the save went through.
TEST(SaveKeepsFile, EveryHardLinkShowsTheNewList) {
    for (const bool throughSymbolicLink : {false, true}) {
        SCOPED_TRACE(throughSymbolicLink ? "through a symbolic link" : "by one of its names");
        TemporaryFolder folder;
        std::filesystem::create_directory(folder.file("other"));
        const std::string path = folder.file("list.qvx");
        const std::vector<std::string> names = {path, folder.file("second.qvx"), folder.file("other/third.qvx")};
        testing::writeFileBytes(path, kOld);
        ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
        for (std::size_t i = 1; i < names.size(); ++i) ASSERT_EQ(::link(path.c_str(), names[i].c_str()), 0);
        std::string target = names[2];
        if (throughSymbolicLink) {
            target = folder.file("link.qvx");
            std::filesystem::create_symlink("other/third.qvx", target);
        }
        const FileLooks before = testing::looksOf(path);

        const FileResult result = saveSmallList(target);
        ASSERT_TRUE(result.ok()) << result.messageWithReason();
        const Bytes written = testing::readFileBytes(path);
        EXPECT_EQ(written.size(), kNewSize);
        for (const std::string& name : names) {
            EXPECT_EQ(testing::readFileBytes(name), written) << name;
            EXPECT_EQ(testing::looksOf(name).inode, before.inode) << name;
        }
        EXPECT_EQ(testing::looksOf(path).status, before.status);
        EXPECT_EQ(testing::namesIn(folder.file("other")), std::vector<std::string>{"third.qvx"});
    }
}

// As root, a child that has become user nobody (with the supplementary
// groups given) saves; its result comes back as "CAUSE MESSAGE: REASON".
std::string saveAsNobody(const std::string& path, std::vector<gid_t> groups) {
    const testing::ChildOutcome outcome = testing::runInChild([&](std::string& report) {
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            return 99;
        const FileResult result = saveSmallList(path);
        report = std::to_string(result.cause) + " " + result.messageWithReason();
        return 0;
    });
    return outcome.exited(0) ? outcome.report : "no child could become user nobody";
}

// A saver who cannot give a new file the old owner or group writes the
// list into the old file itself, so nobody gains or loses access; one who
// can gets a new file with everything of the old one.
TEST(SaveKeepsFile, OwnerAndGroupTheSaverCannotGiveAreKeptByWritingInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make files of other users and to become one";
    REQUIRE_ATTRIBUTE_TOOLS();
    const struct {
        const char* what;
        uid_t owner;
        gid_t group;
        mode_t mode;
        std::vector<gid_t> saverGroups;
        bool inPlace;
    } cases[] = {
        {"another user's file the saver may write", 0, 0, 0666, {}, true},
        {"the saver's file in a group the saver is not in", kNobody, kAdm, 0640, {}, true},
        {"the saver's file in a group the saver is in", kNobody, kAdm, 0640, {kAdm}, false},
        {"the saver's file in the saver's own group", kNobody, kNobody, 0640, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryFolder base;
        ASSERT_EQ(::chmod(base.file("").c_str(), 0755), 0);
        const std::string folder = base.file("lists");
        std::filesystem::create_directory(folder);
        ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
        const std::string path = folder + "/list.qvx";
        testing::writeFileBytes(path, kOld);
        ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        ASSERT_TRUE(testing::runOn("setfacl -m u:1000:r--", path));
        const FileLooks before = testing::looksOf(path);

        EXPECT_EQ(saveAsNobody(path, c.saverGroups), "0 ");
        const FileLooks after = testing::looksOf(path);
        EXPECT_EQ(after, before);
        EXPECT_EQ(after.inode == before.inode, c.inPlace);
        EXPECT_EQ(testing::readFileBytes(path).size(), kNewSize);
        EXPECT_EQ(testing::namesIn(folder), std::vector<std::string>{"list.qvx"});
    }

    // Writing in place needs a copy of the old list beside it: without a
    // folder the saver may write, the save is refused and nothing changes.
    TemporaryFolder folder;
    ASSERT_EQ(::chmod(folder.file("").c_str(), 0755), 0);
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOld);
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(saveAsNobody(path, {}), "5 File " + path + " could not be opened. Cause 5: Permission denied");
    EXPECT_EQ(testing::readFileBytes(path), kOld);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
}

// A single file mounted onto another one (as into a container) cannot be
// renamed over: the list is written into it, and the file it comes from
// shows the new list. In a mount namespace of its own, so nothing outside
// the test sees the mount.
TEST(SaveKeepsFile, ABindMountedFileIsWrittenInPlace) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root for a mount namespace of its own";
    TemporaryFolder folder;
    const std::string source = folder.file("source.qvx");
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
    ASSERT_TRUE(outcome.exited(0));
    EXPECT_EQ(outcome.report, "");
    EXPECT_EQ(testing::readFileBytes(source).size(), kNewSize);
    EXPECT_EQ(testing::readFileBytes(mounted), Bytes{'x'});  // outside the namespace: untouched
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"mounted.qvx", "source.qvx"}));
}

}  // namespace
}  // namespace qvx
