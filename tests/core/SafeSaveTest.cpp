// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "FormatTestSupport.h"
#include "FailingFileCalls.h"
#include "documents/ListDocument.h"
#include "files/FileError.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::TemporaryFolder;

// 1 provider + 99 channels: 12 + 100 * 172 = 17212 bytes.
void fillList(ChannelList& list, int channels = 99) {
    TreeItem* provider = testing::addProvider(list.television(), "P");
    for (int i = 0; i < channels; ++i)
        testing::addChannel(list.television(), provider, "c" + std::to_string(i));
}

const Bytes kOldContents = {'o', 'l', 'd', ' ', 'l', 'i', 's', 't'};

TEST(SafeSave, WriteFailureAtAnyCallLeavesTheOldFileAndNoTemporaryFile) {
    ChannelList list;
    fillList(list);
    struct Case {
        int errorNumber;
        const char* message;
    };
    const Case cases[] = {{ENOSPC, "Disk full while accessing %."},
                          {EIO, "A hardware I/O error was reported while accessing %."},
                          {EACCES, "Access to % was denied."}};
    for (const Case& c : cases) {
        for (int failAt = 1; failAt <= 18; ++failAt) {  // 17212 bytes in chunks of 1000: 18 write calls
            TemporaryFolder folder;
            const std::string path = folder.file("list.qvx");
            testing::writeFileBytes(path, kOldContents);
            FailingFileCalls calls;
            calls.chunkSize = 1000;
            calls.failWriteAt = failAt;
            calls.writeErrno = c.errorNumber;
            const FileResult result = writeList(path, ListFormat::Native, list, calls);
            SCOPED_TRACE("errno " + std::to_string(c.errorNumber) + " at call " + std::to_string(failAt));
            EXPECT_FALSE(result.ok());
            EXPECT_EQ(result.cause, causeForErrno(c.errorNumber));
            std::string expected = c.message;
            expected.replace(expected.find('%'), 1, path);
            EXPECT_EQ(result.message, expected);
            EXPECT_EQ(testing::readFileBytes(path), kOldContents);
            EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
            EXPECT_EQ(calls.writeCalls, failAt);
        }
    }
}

TEST(SafeSave, EveryByteIsWrittenThroughTheChunks) {
    ChannelList list;
    fillList(list);
    TemporaryFolder folder;
    FailingFileCalls calls;
    calls.chunkSize = 1000;
    ASSERT_TRUE(writeList(folder.file("a.qvx"), ListFormat::Native, list, calls).ok());
    EXPECT_EQ(calls.writeCalls, 18);
    ASSERT_TRUE(writeList(folder.file("b.qvx"), ListFormat::Native, list).ok());
    EXPECT_EQ(testing::readFileBytes(folder.file("a.qvx")), testing::readFileBytes(folder.file("b.qvx")));
    EXPECT_EQ(testing::readFileBytes(folder.file("a.qvx")).size(), 17212u);
}

TEST(SafeSave, FailedFlushOrRenameLeavesTheOldFile) {
    ChannelList list;
    fillList(list);
    for (int which = 0; which < 2; ++which) {
        TemporaryFolder folder;
        const std::string path = folder.file("list.xch");
        testing::writeFileBytes(path, kOldContents);
        FailingFileCalls calls;
        (which == 0 ? calls.fsyncErrno : calls.renameErrno) = EIO;
        const FileResult result = writeList(path, ListFormat::DvbExtreme, list, calls);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.cause, 10);
        EXPECT_EQ(result.message, "A hardware I/O error was reported while accessing " + path + ".");
        EXPECT_EQ(testing::readFileBytes(path), kOldContents);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.xch"});
    }
}

TEST(SafeSave, FailedSaveOfANewFileCreatesNothing) {
    ChannelList list;
    fillList(list);
    TemporaryFolder folder;
    FailingFileCalls calls;
    calls.failWriteAt = 1;
    EXPECT_FALSE(writeList(folder.file("new.dvb"), ListFormat::Dvb98, list, calls).ok());
    EXPECT_TRUE(folder.names().empty());
}

TEST(SafeSave, OpenFailureNamesThePathAndTheCause) {
    ChannelList list;
    TemporaryFolder folder;
    const std::string path = folder.file("missing/list.qvx");
    const FileResult result = writeList(path, ListFormat::Native, list);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.cause, 2);
    EXPECT_EQ(result.message, "File " + path + " could not be opened. Cause 2");

    // A lock that cannot be had is a sharing violation, and nothing is written.
    const std::string existing = folder.file("list.chl");
    testing::writeFileBytes(existing, kOldContents);
    FailingFileCalls calls;
    calls.lockErrno = EAGAIN;
    const FileResult locked = writeList(existing, ListFormat::WinDvbLive, list, calls);
    EXPECT_EQ(locked.cause, 11);
    EXPECT_EQ(locked.message, "File " + existing + " could not be opened. Cause 11");
    EXPECT_EQ(calls.writeCalls, 0);
    EXPECT_EQ(testing::readFileBytes(existing), kOldContents);
}

TEST(SafeSave, UnknownExtensionWritesNothing) {
    ChannelList list;
    fillList(list, 3);
    ListDocument document(list);
    TemporaryFolder folder;
    const std::string path = folder.file("list.txt");
    testing::writeFileBytes(path, kOldContents);
    EXPECT_TRUE(document.saveAs(path).ok());
    EXPECT_EQ(testing::readFileBytes(path), kOldContents);
    EXPECT_TRUE(document.saveAs(folder.file("other")).ok());
    EXPECT_EQ(folder.names(), std::vector<std::string>{"list.txt"});
}

TEST(SafeSave, ModeOfAnExistingFileIsKept) {
    ChannelList list;
    fillList(list, 2);
    TemporaryFolder folder;
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOldContents);
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(writeList(path, ListFormat::Native, list).ok());
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(testing::readFileBytes(path).size(), 12 + 3 * kRecordSize);
}

TEST(SafeSave, SymbolicLinkIsFollowedAndStays) {
    ChannelList list;
    fillList(list, 2);
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.file("real"));
    const std::string real = folder.file("real/list.dvb");
    testing::writeFileBytes(real, kOldContents);
    const std::string link = folder.file("link.dvb");
    std::filesystem::create_symlink("real/list.dvb", link);  // relative to the link's folder

    ASSERT_TRUE(writeList(link, ListFormat::Dvb98, list).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(testing::readFileBytes(real).size(), 3 * 64u);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"link.dvb", "real"}));
}

TEST(FileError, OneTableMapsErrnoToCause) {
    EXPECT_EQ(causeForErrno(0), 0);
    EXPECT_EQ(causeForErrno(ENOENT), 2);
    EXPECT_EQ(causeForErrno(ENOTDIR), 3);
    EXPECT_EQ(causeForErrno(EMFILE), 4);
    EXPECT_EQ(causeForErrno(EACCES), 5);
    EXPECT_EQ(causeForErrno(EBADF), 6);
    EXPECT_EQ(causeForErrno(EIO), 10);
    EXPECT_EQ(causeForErrno(EAGAIN), 11);
    EXPECT_EQ(causeForErrno(ENOLCK), 12);
    EXPECT_EQ(causeForErrno(ENOSPC), 13);
    EXPECT_EQ(causeForErrno(EDQUOT), 13);
    EXPECT_EQ(causeForErrno(123456), 1);
}

TEST(FileError, TextsFillInTheName) {
    EXPECT_EQ(fileErrorText(0, "x"), "No error occurred.");
    EXPECT_EQ(fileErrorText(1, "an unnamed file"),
              "An unknown error occurred while accessing an unnamed file.");
    EXPECT_EQ(fileErrorText(2, "/a/b.qvx"), "/a/b.qvx was not found.");
    EXPECT_EQ(fileErrorText(4, "f"), "f could not be opened because there are too many open files.");
    EXPECT_EQ(fileErrorText(7, "f"), "f could not be removed because it is the current directory.");
    EXPECT_EQ(fileErrorText(8, "f"), "f could not be created because the directory is full.");
    EXPECT_EQ(fileErrorText(9, "f"), "Seek failed on f");
    EXPECT_EQ(fileErrorText(11, "f"), "A sharing violation occurred while accessing f.");
    EXPECT_EQ(fileErrorText(12, "f"), "A locking violation occurred while accessing f.");
    EXPECT_EQ(fileErrorText(14, "f"), "An attempt was made to access f past its end.");
}

}  // namespace
}  // namespace qvx
