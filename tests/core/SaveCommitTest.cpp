// SPDX-License-Identifier: GPL-3.0-or-later
// The moment a save puts its list in place: a file that another program put
// there meanwhile is never overwritten, and two saves go in both or neither,
// on every road (an atomic exchange, a plain rename where the file system has
// no exchange, a new file, a file written in place).

#include <gtest/gtest.h>

#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FailingFileCalls.h"
#include "FormatTestSupport.h"
#include "formats/ListFiles.h"
#include "formats/NativeFormat.h"
#include "files/SafeSave.h"

namespace qvx {
namespace {

using testing::Bytes;
using testing::TemporaryFolder;

const Bytes kOld = {'o', 'l', 'd'};
const Bytes kTheirs = {'t', 'h', 'e', 'i', 'r', 's'};

bool writeSmallList(ByteSink& sink) {
    ChannelList list;
    testing::addChannel(list.television(), testing::addProvider(list.television(), "P"), "c");
    return writeNativeList(sink, list.television(), list.radio(), false);
}
constexpr std::size_t kNewSize = 12 + 2 * 172;

enum class Road { Exchange, PlainRename, InPlace };

struct RoadCase {
    const char* what;
    Road road;
    bool exists;
};
constexpr RoadCase kRoads[] = {
    {"replacing by an exchange", Road::Exchange, true},
    {"replacing by a plain rename", Road::PlainRename, true},
    {"writing in place (a second link)", Road::InPlace, true},
    {"a new file, guarded rename", Road::Exchange, false},
    {"a new file, plain rename", Road::PlainRename, false},
};

// The target of one case: list.qvx in a fresh folder, with its old list and,
// for the in-place road, a second link.
struct Target {
    TemporaryFolder folder;
    std::string path = folder.file("list.qvx");
    std::vector<std::string> names;

    explicit Target(const RoadCase& c) {
        if (c.exists) {
            testing::writeFileBytes(path, kOld);
            names.push_back("list.qvx");
        }
        if (c.road == Road::InPlace) {
            EXPECT_EQ(::link(path.c_str(), folder.file("second.qvx").c_str()), 0);
            names.push_back("second.qvx");
        }
    }
};

// Another program moves its own file onto the target at the last moment:
// right before the save's first rename (or, on the in-place road, before its
// first flush of the new file, the step before the rewrite).
struct RacingCalls final : FailingFileCalls {
    std::string theirs;
    std::string target;
    bool onFlush = false;
    bool raced = false;

    void race() {
        if (!raced) raced = ::rename(theirs.c_str(), target.c_str()) == 0;
    }
    int rename(int folder, const char* from, const char* to, unsigned flags) override {
        race();
        return FailingFileCalls::rename(folder, from, to, flags);
    }
    int fsync(int fd) override {
        if (onFlush) race();
        return FailingFileCalls::fsync(fd);
    }
};

TEST(SaveCommit, AFileAnotherProgramPutInPlaceMeanwhileIsNeverOverwritten) {
    for (const RoadCase& c : kRoads) {
        SCOPED_TRACE(c.what);
        Target target(c);
        RacingCalls calls;
        calls.theirs = target.folder.file("theirs");
        calls.target = target.path;
        calls.onFlush = c.road == Road::InPlace;
        calls.renameFlags = c.road != Road::PlainRename;
        testing::writeFileBytes(calls.theirs, kTheirs);

        const FileResult result = saveFileSafely(target.path, writeSmallList, calls);
        ASSERT_TRUE(calls.raced);
        EXPECT_EQ(result.outcome, FileOutcome::CannotCreate);
        EXPECT_EQ(result.messageWithReason(),
                  "File " + target.path + " could not be opened. Cause 11: another program " +
                      (c.exists ? "replaced" : "created") + " it while the list was written");
        EXPECT_EQ(testing::readFileBytes(target.path), kTheirs);
        if (c.road == Road::InPlace) {
            EXPECT_EQ(testing::readFileBytes(target.folder.file("second.qvx")), kOld);
            EXPECT_EQ(target.folder.names(), (std::vector<std::string>{"list.qvx", "second.qvx"}));
        } else {
            EXPECT_EQ(target.folder.names(), std::vector<std::string>{"list.qvx"});
        }
    }
}

// Two saves, the second of which cannot be put in place (EBUSY, EXDEV, EIO
// from its rename): the first one's old file is back, on every road.
TEST(SaveCommit, WhenTheSecondSaveCannotGoInTheFirstOneIsTakenBack) {
    for (const RoadCase& c : kRoads) {
        for (const int errorNumber : {EXDEV, EIO}) {
            SCOPED_TRACE(std::string(c.what) + ", errno " + std::to_string(errorNumber));
            Target first(c);
            TemporaryFolder other;
            const std::string second = other.file("b.qvx");
            testing::writeFileBytes(second, kOld);
            FailingFileCalls firstCalls;
            firstCalls.renameFlags = c.road != Road::PlainRename;
            FailingFileCalls secondCalls;
            secondCalls.renameErrno = errorNumber;
            PreparedSave saveA(first.path, firstCalls);
            PreparedSave saveB(second, secondCalls);
            ASSERT_TRUE(saveA.prepare(writeSmallList).ok());
            ASSERT_TRUE(saveB.prepare(writeSmallList).ok());

            const PairCommit outcome = commitBoth(saveA, saveB);
            EXPECT_TRUE(outcome.first.ok());
            EXPECT_EQ(outcome.second.outcome, FileOutcome::WriteFailed);
            EXPECT_TRUE(outcome.undone.ok()) << outcome.undone.messageWithReason();
            for (const std::string& name : first.names) EXPECT_EQ(testing::readFileBytes(first.folder.file(name)), kOld);
            EXPECT_EQ(first.folder.names(), first.names);
            EXPECT_EQ(testing::readFileBytes(second), kOld);
            EXPECT_EQ(other.names(), std::vector<std::string>{"b.qvx"});
        }
    }
}

// When even taking the first save back fails, its old contents stay under a
// hidden name, and the result says which.
TEST(SaveCommit, AFirstSaveThatCannotBeTakenBackSaysWhereItsOldContentsAre) {
    TemporaryFolder folder;
    const std::string a = folder.file("a.qvx");
    const std::string b = folder.file("b.qvx");
    testing::writeFileBytes(a, kOld);
    FailingFileCalls firstCalls;
    firstCalls.renameErrno = EIO;
    firstCalls.failRenameAt = 2;  // the rename that would take it back
    FailingFileCalls secondCalls;
    secondCalls.renameErrno = EXDEV;
    PreparedSave saveA(a, firstCalls);
    PreparedSave saveB(b, secondCalls);
    ASSERT_TRUE(saveA.prepare(writeSmallList).ok());
    ASSERT_TRUE(saveB.prepare(writeSmallList).ok());
    const PairCommit outcome = commitBoth(saveA, saveB);
    EXPECT_FALSE(outcome.undone.ok());
    std::vector<std::string> names = folder.names();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[1], "a.qvx");
    // Not a temporary file that a later save would clean up.
    EXPECT_TRUE(names[0].starts_with(".qvxold-")) << names[0];
    EXPECT_EQ(testing::readFileBytes(folder.file(names[0])), kOld);
    EXPECT_EQ(testing::readFileBytes(a).size(), kNewSize);
    EXPECT_EQ(outcome.undone.messageWithReason(), "A hardware I/O error was reported while accessing " + a +
                                                      ". Input/output error; its old contents are kept in " +
                                                      folder.file(names[0]));
}

}  // namespace
}  // namespace qvx
