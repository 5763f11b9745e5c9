// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fcntl.h>

#include "FormatTestSupport.h"
#include "LockHolder.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::LockHolder;

const Bytes kOldContents = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

TEST(FileLock, SaveOverAFileAnotherProcessHoldsIsASharingViolation) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOldContents);
    ChannelList list;
    testing::addChannel(list.television(), testing::addProvider(list.television(), "P"), "A");
    for (short type : {F_RDLCK, F_WRLCK}) {  // a reader blocks a save as much as a writer
        LockHolder holder(path, type);
        ASSERT_TRUE(holder.locked());
        const FileResult result = writeList(path, ListFormat::Native, list);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.cause, 11);
        EXPECT_EQ(result.message, "File " + path + " could not be opened. Cause 11");
        EXPECT_EQ(testing::readFileBytes(path), kOldContents);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"list.qvx"});
    }
    // Once the other process lets go, the save goes through.
    EXPECT_TRUE(writeList(path, ListFormat::Native, list).ok());
    EXPECT_EQ(testing::readFileBytes(path).size(), 12 + 2 * kRecordSize);
}

TEST(FileLock, ReadingAFileBeingWrittenCannotOpenItButReadersShare) {
    testing::TemporaryFolder folder;
    const std::string path = folder.file("list.qvx");
    testing::writeFileBytes(path, kOldContents);
    ChannelList list;
    testing::addProvider(list.television(), "untouched");
    {
        LockHolder writer(path, F_WRLCK);
        ASSERT_TRUE(writer.locked());
        const FileResult result = readList(path, ListFormat::Native, list);
        EXPECT_EQ(result.outcome, FileOutcome::CannotOpen);
        EXPECT_EQ(result.message, "Can't open file " + path);
        EXPECT_EQ(testing::shapeOf(list.television()), "untouched");
    }
    LockHolder reader(path, F_RDLCK);
    ASSERT_TRUE(reader.locked());
    EXPECT_EQ(readList(path, ListFormat::Native, list).outcome, FileOutcome::Done);
    EXPECT_TRUE(list.television().empty());
}

}  // namespace
}  // namespace qvx
