#include <gtest/gtest.h>

#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::addChannelWithId;
using testing::addProvider;
using testing::qvxtool;
using testing::shapeOf;
using testing::ToolRun;

// List 1: Television P[X 1, Y 2] Q[Z 3], Radio R[M 5]; list 2: Television S[Y 2, X 9], Radio T[M 5].
class CompareCommand : public ::testing::Test {
protected:
    testing::TemporaryFolder folder;
    std::string a = folder.file("a.qvx");
    std::string b = folder.file("b.chl");

    void SetUp() override {
        ChannelList list1(1);
        TreeItem* p = addProvider(list1.television(), "P");
        addChannelWithId(list1.television(), p, "X", 1);
        addChannelWithId(list1.television(), p, "Y", 2);
        addChannelWithId(list1.television(), addProvider(list1.television(), "Q"), "Z", 3);
        addChannelWithId(list1.radio(), addProvider(list1.radio(), "R"), "M", 5);
        ChannelList list2(2);
        TreeItem* s = addProvider(list2.television(), "S");
        addChannelWithId(list2.television(), s, "Y", 2);
        addChannelWithId(list2.television(), s, "X", 9);
        addChannelWithId(list2.radio(), addProvider(list2.radio(), "T"), "M", 5);
        ASSERT_TRUE(writeList(a, ListFormat::Native, list1.television(), list1.radio()).ok());
        ASSERT_TRUE(writeList(b, ListFormat::WinDvbLive, list2.television(), list2.radio()).ok());
    }

    // "television | radio" of a written result.
    std::string read(const std::string& path, ListFormat format) {
        ChannelList list(1);
        const FileResult result = readList(path, format, list.television(), list.radio());
        EXPECT_EQ(result.outcome, FileOutcome::Done) << result.message;
        return shapeOf(list.television()) + " | " + shapeOf(list.radio());
    }
};

TEST_F(CompareCommand, ByNameAndServiceIdUnlessToldOtherwise) {
    const std::string outA = folder.file("onlyA.chl");
    const std::string outB = folder.file("onlyB.qvx");
    ToolRun run = qvxtool(folder, {"compare", a, b, outA, outB});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(read(outA, ListFormat::WinDvbLive), "P[X] Q[Z] | ");
    EXPECT_EQ(read(outB, ListFormat::Native), "S[X] | ");

    run = qvxtool(folder, {"compare", "--by", "name", a, b, outA, outB});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(read(outA, ListFormat::WinDvbLive), "Q[Z] | ");
    EXPECT_EQ(read(outB, ListFormat::Native), " | ");

    run = qvxtool(folder, {"compare", a, b, outA, outB, "--by", "sid"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(read(outA, ListFormat::WinDvbLive), "P[X] Q[Z] | ");
    EXPECT_EQ(read(outB, ListFormat::Native), "S[X] | ");
    // The inputs stay as they were.
    EXPECT_EQ(read(a, ListFormat::Native), "P[X,Y] Q[Z] | R[M]");
}

TEST_F(CompareCommand, WrongArgumentsWriteNothing) {
    const std::string outA = folder.file("outA.qvx");
    const std::string outB = folder.file("outB.qvx");
    for (auto arguments : {std::initializer_list<std::string_view>{"compare", a, b, outA},
                           std::initializer_list<std::string_view>{"compare", a, b, outA, outB, "--by"},
                           std::initializer_list<std::string_view>{"compare", a, b, outA, outB, "--by", "id"},
                           std::initializer_list<std::string_view>{"compare", a, b, outA, outA},
                           std::initializer_list<std::string_view>{"compare", a, b, outA, "outB.txt"}}) {
        const ToolRun run = qvxtool(folder, arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err, "");
    }
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.qvx", "b.chl"}));
}

TEST_F(CompareCommand, UnreadableListWritesNothing) {
    const std::string missing = folder.file("missing.dvb");
    const ToolRun run = qvxtool(folder, {"compare", a, missing, folder.file("x.qvx"), folder.file("y.qvx")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qvxtool: Can't open file " + missing + ": No such file or directory\n");
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.qvx", "b.chl"}));
}

}  // namespace
}  // namespace qvx
