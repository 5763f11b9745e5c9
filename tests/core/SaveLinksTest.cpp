// SPDX-License-Identifier: GPL-3.0-or-later
// Saves through symbolic links: followed as the kernel follows them, refused
// where a stranger's link in a shared folder (like /tmp) would choose the file
// we replace or create, and refused past 40 links. A refused save changes
// nothing anywhere: the link, the file it points to, both folders.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "FormatTestSupport.h"
#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::TemporaryFolder;

constexpr uid_t kNobody = 65534;
const Bytes kOldContents = {'o', 'l', 'd'};

// One provider and one channel: 12 + 2 * 172 bytes in the native format.
constexpr std::size_t kNewSize = 12 + 2 * 172;
FileResult saveSmallList(const std::string& path) {
    ChannelList list;
    testing::addChannel(list.television(), testing::addProvider(list.television(), "P"), "c");
    return writeList(path, ListFormat::Native, list);
}

std::string refusal(const std::string& path, int cause) {
    return "File " + path + " could not be opened. Cause " + std::to_string(cause);
}

// base/shared: the shared folder with the link; base/victim: where it points.
struct SharedFolder {
    TemporaryFolder base;
    std::string shared = base.file("shared");
    std::string victimFolder = base.file("victim");
    std::string victim = base.file("victim/list.qvx");
    std::string link = base.file("shared/list.qvx");

    SharedFolder(mode_t sharedMode, uid_t sharedOwner) {
        std::filesystem::create_directory(shared);
        std::filesystem::create_directory(victimFolder);
        EXPECT_EQ(::chown(shared.c_str(), sharedOwner, sharedOwner), 0);
        EXPECT_EQ(::chmod(shared.c_str(), sharedMode), 0);
    }
    // A link in the shared folder owned by `owner`, as if that user had made it.
    void makeLink(const std::string& target, uid_t owner, const std::string& at) const {
        std::filesystem::create_symlink(target, at);
        EXPECT_EQ(::lchown(at.c_str(), owner, owner), 0);
    }
};

TEST(SaveLinks, InASharedFolderOnlyTheSaversOrTheFolderOwnersLinkIsFollowed) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a link and a folder to user nobody";
    const uid_t self = ::geteuid();
    struct Case {
        const char* what;
        mode_t sharedMode;
        uid_t sharedOwner;
        uid_t linkOwner;
        bool followed;
    };
    const Case cases[] = {
        {"a stranger's link in a sticky world-writable folder", 01777, self, kNobody, false},
        {"the folder owner's link there", 01777, kNobody, kNobody, true},
        {"our own link in a stranger's sticky folder", 01777, kNobody, self, true},
        {"a stranger's link in a folder that is not sticky", 0777, self, kNobody, true},
        {"a stranger's link in a sticky folder not everyone may write", 01775, self, kNobody, true},
    };
    for (const Case& c : cases) {
        for (const bool targetExists : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (targetExists ? ", to a file" : ", dangling"));
            SharedFolder folders(c.sharedMode, c.sharedOwner);
            if (targetExists) testing::writeFileBytes(folders.victim, kOldContents);
            folders.makeLink(folders.victim, c.linkOwner, folders.link);

            const FileResult result = saveSmallList(folders.link);
            EXPECT_EQ(result.ok(), c.followed);
            EXPECT_TRUE(std::filesystem::is_symlink(folders.link));
            EXPECT_EQ(testing::namesIn(folders.shared), std::vector<std::string>{"list.qvx"});
            if (c.followed) {
                EXPECT_EQ(testing::readFileBytes(folders.victim).size(), kNewSize);
                continue;
            }
            EXPECT_EQ(result.cause, 5);
            EXPECT_EQ(result.message, refusal(folders.link, 5));
            if (targetExists) {
                EXPECT_EQ(testing::readFileBytes(folders.victim), kOldContents);
                EXPECT_EQ(testing::namesIn(folders.victimFolder), std::vector<std::string>{"list.qvx"});
            } else {
                EXPECT_TRUE(testing::namesIn(folders.victimFolder).empty());  // nothing created anywhere
            }
        }
    }
}

TEST(SaveLinks, TheRuleHoldsAtEveryLinkOfAChainAndForFolders) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a link to user nobody";
    SharedFolder folders(01777, ::geteuid());
    testing::writeFileBytes(folders.victim, kOldContents);

    // Our own link elsewhere leads to the stranger's link in the shared folder.
    folders.makeLink(folders.victim, kNobody, folders.link);
    const std::string ours = folders.base.file("ours.qvx");
    std::filesystem::create_symlink(folders.link, ours);
    // A stranger's link to a folder, used as a folder of the path.
    const std::string folderLink = folders.base.file("shared/dir");
    folders.makeLink(folders.victimFolder, kNobody, folderLink);

    for (const std::string& path : {ours, folderLink + "/list.qvx", folderLink + "/new.qvx"}) {
        SCOPED_TRACE(path);
        const FileResult result = saveSmallList(path);
        EXPECT_EQ(result.message, refusal(path, 5));
        EXPECT_EQ(testing::readFileBytes(folders.victim), kOldContents);
        EXPECT_EQ(testing::namesIn(folders.victimFolder), std::vector<std::string>{"list.qvx"});
        EXPECT_EQ(testing::namesIn(folders.shared), (std::vector<std::string>{"dir", "list.qvx"}));
    }
}

// link0 -> link1 -> ... -> link<count-1> -> list.qvx
std::string chainOf(const TemporaryFolder& folder, int count) {
    for (int i = 0; i < count; ++i) {
        const std::string next = i + 1 < count ? "link" + std::to_string(i + 1) : "list.qvx";
        std::filesystem::create_symlink(next, folder.file("link" + std::to_string(i)));
    }
    return folder.file("link0");
}

TEST(SaveLinks, AChainOfFortyLinksIsFollowedAndALongerOneOrALoopIsRefusedAsItIs) {
    struct Case {
        int links;
        bool followed;
    };
    for (const Case c : {Case{1, true}, Case{40, true}, Case{41, false}, Case{60, false}}) {
        SCOPED_TRACE(std::to_string(c.links) + " links");
        TemporaryFolder folder;
        testing::writeFileBytes(folder.file("list.qvx"), kOldContents);
        const std::string start = chainOf(folder, c.links);
        const FileResult result = saveSmallList(start);
        EXPECT_EQ(result.ok(), c.followed);
        EXPECT_EQ(testing::readFileBytes(folder.file("list.qvx")).size(),
                  c.followed ? kNewSize : kOldContents.size());
        if (!c.followed) {
            EXPECT_EQ(result.message, refusal(start, 3));
        }
        // No link of the chain became a file, and nothing was added.
        for (int i = 0; i < c.links; ++i)
            EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link" + std::to_string(i)))) << i;
        EXPECT_EQ(folder.names().size(), static_cast<std::size_t>(c.links) + 1);
    }

    TemporaryFolder folder;
    std::filesystem::create_symlink("b.qvx", folder.file("a.qvx"));
    std::filesystem::create_symlink("a.qvx", folder.file("b.qvx"));
    EXPECT_EQ(saveSmallList(folder.file("a.qvx")).message, refusal(folder.file("a.qvx"), 3));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("a.qvx")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("b.qvx")));
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.qvx", "b.qvx"}));
}

TEST(SaveLinks, RelativeLinksAndDotDotAreFollowedAsTheKernelDoes) {
    TemporaryFolder folder;
    std::filesystem::create_directories(folder.file("a/b"));
    std::filesystem::create_directory(folder.file("real"));
    testing::writeFileBytes(folder.file("real/list.qvx"), kOldContents);
    std::filesystem::create_symlink("../../real/list.qvx", folder.file("a/b/rel.qvx"));
    std::filesystem::create_symlink("b", folder.file("a/blink"));
    ASSERT_TRUE(saveSmallList(folder.file("a/blink/rel.qvx")).ok());
    EXPECT_EQ(testing::readFileBytes(folder.file("real/list.qvx")).size(), kNewSize);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("a/b/rel.qvx")));
    EXPECT_EQ(testing::namesIn(folder.file("a/b")), std::vector<std::string>{"rel.qvx"});

    // ".." after a folder link goes up from where the link led (base/real/.. is
    // base), not back over the link's name (a/far/.. would be a).
    std::filesystem::create_symlink("../real", folder.file("a/far"));
    ASSERT_TRUE(saveSmallList(folder.file("a/far/../a/b/new.qvx")).ok());
    EXPECT_EQ(testing::readFileBytes(folder.file("a/b/new.qvx")).size(), kNewSize);

    const std::string dangling = folder.file("a/dangling.qvx");
    std::filesystem::create_symlink("../real/created.qvx", dangling);
    ASSERT_TRUE(saveSmallList(dangling).ok());  // our own dangling link outside a shared folder creates
    EXPECT_EQ(testing::readFileBytes(folder.file("real/created.qvx")).size(), kNewSize);
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
}

TEST(SaveLinks, WhatIsNoPlainFileIsRefusedBeforeItIsOpened) {
    TemporaryFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe.qvx").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.file("folder.qvx"));
    std::filesystem::create_symlink("/dev/null", folder.file("null.qvx"));
    for (const char* name : {"pipe.qvx", "folder.qvx", "null.qvx"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.file(name);
        EXPECT_EQ(saveSmallList(path).message, refusal(path, 5));
    }
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"folder.qvx", "null.qvx", "pipe.qvx"}));
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("pipe.qvx")));
}

// Folders reached through links whose whole path is longer than PATH_MAX:
// the kernel opens such a file (each link is short), so the save must too.
TEST(SaveLinks, AChainLongerThanPathMaxAsAWholeIsSavedWhereItCanBeRead) {
    TemporaryFolder folder;
    const std::string a(200, 'a');
    const std::string b(200, 'b');
    constexpr int kLevels = 12;  // 2 x 12 x 201 bytes of folders: past 4096
    // Makes kLevels folders `name`, one in the other, below `at`; opens the deepest.
    auto descend = [](int at, const std::string& name) {
        for (int level = 0; level < kLevels; ++level) {
            EXPECT_EQ(::mkdirat(at, name.c_str(), 0700), 0);
            const int next = ::openat(at, name.c_str(), O_PATH | O_DIRECTORY);
            ::close(at);
            at = next;
        }
        return at;
    };
    std::string hop1Text;
    std::string hop2Text;
    for (int level = 0; level < kLevels; ++level) hop1Text += a + "/", hop2Text += b + "/";
    int deep = descend(::open(folder.file("").c_str(), O_PATH | O_DIRECTORY), a);
    ASSERT_EQ(::symlinkat((hop2Text + "list.qvx").c_str(), deep, "hop2"), 0);
    deep = descend(deep, b);
    const int old = ::openat(deep, "list.qvx", O_WRONLY | O_CREAT, 0644);
    ASSERT_EQ(::write(old, kOldContents.data(), kOldContents.size()), static_cast<ssize_t>(kOldContents.size()));
    ::close(old);
    ::close(deep);
    const std::string start = folder.file("hop1");
    std::filesystem::create_symlink(hop1Text + "hop2", start);

    ASSERT_EQ(testing::readFileBytes(start), kOldContents);  // the kernel reads it
    const FileResult result = saveSmallList(start);
    EXPECT_TRUE(result.ok()) << result.messageWithReason();
    EXPECT_EQ(testing::readFileBytes(start).size(), kNewSize);
    EXPECT_TRUE(std::filesystem::is_symlink(start));
    // remove_all works on whole paths, too long here.
    testing::runShell("rm -rf -- " + testing::shellQuoted(folder.file("")));
}

}  // namespace
}  // namespace qvx
