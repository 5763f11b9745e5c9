// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "ChildProcess.h"
#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::addChannel;
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
        ChannelList list1;
        TreeItem* p = addProvider(list1.television(), "P");
        addChannelWithId(list1.television(), p, "X", 1);
        addChannelWithId(list1.television(), p, "Y", 2);
        addChannelWithId(list1.television(), addProvider(list1.television(), "Q"), "Z", 3);
        addChannelWithId(list1.radio(), addProvider(list1.radio(), "R"), "M", 5);
        ChannelList list2;
        TreeItem* s = addProvider(list2.television(), "S");
        addChannelWithId(list2.television(), s, "Y", 2);
        addChannelWithId(list2.television(), s, "X", 9);
        addChannelWithId(list2.radio(), addProvider(list2.radio(), "T"), "M", 5);
        testing::settleAsNativeRead(list1);
        testing::settleAsNativeRead(list2);
        ASSERT_TRUE(writeList(a, ListFormat::Native, list1).ok());
        ASSERT_TRUE(writeList(b, ListFormat::WinDvbLive, list2).ok());
    }

    // "television | radio" of a written result.
    std::string read(const std::string& path, ListFormat format) {
        ChannelList list;
        const FileResult result = readList(path, format, list);
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

TEST_F(CompareCommand, OneFileUnderTwoNamesIsRefusedBeforeAnythingIsWritten) {
    const std::string out = folder.file("o.qvx");
    const testing::Bytes old = {9, 9, 9};
    std::filesystem::create_directory(folder.file("sub"));
    std::filesystem::create_directory_symlink(folder.file("sub"), folder.file("via"));
    const struct {
        const char* title;
        std::string outA;
        std::string outB;
        std::function<void()> prepare;
    } cases[] = {
        {"dot", out, folder.file("./o.qvx"), [] {}},
        {"dot-dot", folder.file("sub/new.qvx"), folder.file("sub/../sub/new.qvx"), [] {}},
        {"folder link", folder.file("sub/new.qvx"), folder.file("via/new.qvx"), [] {}},
        {"symbolic link", out, folder.file("link.qvx"),
         [&] { std::filesystem::create_symlink(out, folder.file("link.qvx")); }},
        {"hard link", folder.file("hard.chl"), out,
         [&] { std::filesystem::create_hard_link(out, folder.file("hard.chl")); }},
        {"dangling link", folder.file("later.qvx"), folder.file("dangling.qvx"),
         [&] { std::filesystem::create_symlink(folder.file("later.qvx"), folder.file("dangling.qvx")); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        testing::writeFileBytes(out, old);
        c.prepare();
        const std::vector<std::string> before = folder.names();
        const ToolRun run = qvxtool(folder, {"compare", a, b, c.outA, c.outB});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("qvxtool: compare: OUT_A and OUT_B must be different files\n", 0), 0u) << run.err;
        EXPECT_EQ(folder.names(), before);
        EXPECT_EQ(testing::readFileBytes(out), old);
        EXPECT_FALSE(std::filesystem::exists(folder.file("sub/new.qvx")));
        std::filesystem::remove(folder.file("link.qvx"));
        std::filesystem::remove(folder.file("hard.chl"));
        std::filesystem::remove(folder.file("dangling.qvx"));
    }
    // Two names in one folder are two files.
    EXPECT_EQ(qvxtool(folder, {"compare", a, b, out, folder.file("p.qvx")}).status, 0);
}

constexpr int kNoSuchUser = 99;
constexpr int kOutOfReach = 98;

// Runs `command` (a qvxtool command line built for the program `tool`) as
// user nobody where the tests run as root, so that a folder without write
// permission stops it; as anyone else, directly. The built program may lie
// where nobody cannot go (a checkout in a home folder of mode 0700), so
// `tool` is a copy in the test's own folder, which the caller opens to all.
int runAsOrdinaryUser(const std::string& tool, const std::string& command) {
    if (::geteuid() != 0) return testing::runShell(command);
    const testing::ChildOutcome outcome = testing::runInChild([&](std::string&) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) return kNoSuchUser;
        if (::access(tool.c_str(), X_OK) != 0) return kOutOfReach;
        return testing::runShell(command);
    });
    return WIFEXITED(outcome.status) ? WEXITSTATUS(outcome.status) : -1;
}

// A copy of the built qvxtool at `copy`, that anyone may run.
void copyTool(const std::string& copy) {
    std::filesystem::copy_file(QVXTOOL_PATH, copy);
    ::chmod(copy.c_str(), 0755);
}

TEST_F(CompareCommand, WhenOutBCannotBeWrittenOutAStaysAsItWas) {
    const testing::Bytes old = {1, 2, 3, 4};
    // OUT_B in a folder that does not exist.
    const std::string outA = folder.file("kept.qvx");
    testing::writeFileBytes(outA, old);
    const std::string nowhere = folder.file("no/such/b.qvx");
    ToolRun run = qvxtool(folder, {"compare", a, b, outA, nowhere});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "qvxtool: File " + nowhere + " could not be opened. Cause 2: No such file or directory\n");
    EXPECT_EQ(testing::readFileBytes(outA), old);
    EXPECT_EQ(folder.names(), (std::vector<std::string>{"a.qvx", "b.chl", "kept.qvx"}));

    // OUT_B in a folder its user may not write; OUT_A's folder and file are theirs.
    const std::string writable = folder.file("writable"), locked = folder.file("locked");
    std::filesystem::create_directory(writable);
    std::filesystem::create_directory(locked);
    const std::string ownA = writable + "/a.qvx";
    testing::writeFileBytes(ownA, old);
    ::chmod(folder.file("").c_str(), 0755);
    ::chmod(locked.c_str(), 0555);
    ::chmod(writable.c_str(), 0777);
    ::chmod(ownA.c_str(), 0666);
    std::filesystem::create_directory(folder.file("logs"));
    ::chmod(folder.file("logs").c_str(), 0777);
    const std::string err = folder.file("logs/err");
    const std::string tool = folder.file("logs/qvxtool");
    copyTool(tool);
    const int status = runAsOrdinaryUser(
        tool, testing::qvxtoolCommandAt(tool, {"compare", a, b, ownA, locked + "/b.qvx"}) + " 2>" +
                  testing::shellQuoted(err));
    ASSERT_NE(status, kNoSuchUser) << "no child could become user nobody";
    if (status == kOutOfReach) {
        ::chmod(locked.c_str(), 0755);
        GTEST_SKIP() << "user nobody cannot reach the test folder " << folder.file("")
                     << " (a temporary folder inside one that only its owner may enter)";
    }
    EXPECT_EQ(status, 1);
    EXPECT_EQ(testing::contentsOf(err),
              "qvxtool: File " + locked + "/b.qvx could not be opened. Cause 5: Permission denied\n");
    EXPECT_EQ(testing::readFileBytes(ownA), old);
    EXPECT_EQ(std::filesystem::directory_iterator(writable)->path().filename(), "a.qvx");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(writable), {}), 1);
    ::chmod(locked.c_str(), 0755);
}

// What convert says of a list that the target format cannot hold whole.
TEST_F(CompareCommand, ConvertWarnsOfEachLossWithItsCount) {
    const std::string out = folder.file("out.dvb");
    ChannelList list;
    TreeItem* provider = addProvider(list.television(), "P");
    for (const char* name : {"short", "a name of twenty-four ch", "Gr\xFC\xDF", "\xC4rger"})
        addChannel(list.television(), provider, name);
    ChannelRecord far = testing::channelRecord("far", 1, 70000000);
    far.lnb = 9;
    addChannel(list.television(), provider, far);
    // The DVBextreme file holds volume and rotor position 0, as the list does.
    const std::string xch = folder.file("in.xch");
    ASSERT_TRUE(writeList(xch, ListFormat::DvbExtreme, list).ok());
    const std::string in = folder.file("in.qvx");
    testing::settleAsNativeRead(list);  // what the native read of in.qvx resets changes nothing
    ASSERT_TRUE(writeList(in, ListFormat::Native, list).ok());
    ToolRun run = qvxtool(folder, {"convert", in, out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "qvxtool: warning: " + out + ": names longer than 23 characters are cut (1 record)\n"
              "qvxtool: warning: " + out + ": names hold characters above 127, which the DVB98 reader drops "
              "(2 records)\n"
              "qvxtool: warning: " + out + ": frequencies above 65535 MHz cannot be held (1 record)\n"
              "qvxtool: warning: " + out + ": LNB numbers above 3 are written as 3 (1 record)\n");
    // The DVBextreme reader keeps volume and rotor position as they are (0 here).
    run = qvxtool(folder, {"convert", xch, folder.file("out.qvx")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "qvxtool: warning: " + folder.file("out.qvx") +
                           ": volume and rotor positions are reset by the native reader (6 records)\n");

    // Files in which the reader finds no record at all; a native header that
    // announces none is an empty list, not a loss.
    const struct {
        const char* name;
        testing::Bytes bytes;
        bool warned;
    } files[] = {
        {"junk.xch", {1, 2, 3}, true},
        {"junk.dvb", testing::Bytes(63, 'x'), true},
        {"empty.qvx", testing::Bytes(12, 0), false},
        {"tail.qvx", testing::Bytes(13, 0), true},
        {"nothing.dvb", {}, false},
    };
    for (const auto& file : files) {
        const std::string path = folder.file(file.name);
        testing::writeFileBytes(path, file.bytes);
        run = qvxtool(folder, {"convert", path, folder.file("empty.chl")});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, file.warned ? "qvxtool: warning: " + path +
                                             ": no record recognised in a file that is not empty\n"
                                       : "")
            << file.name;
    }
}

}  // namespace
}  // namespace qvx
