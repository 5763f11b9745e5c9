// SPDX-License-Identifier: GPL-3.0-or-later
// What scripts rely on: every command takes file names after "--", and the
// exit status says what became of the command's result, whatever happens to
// standard output and standard error.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

testing::Bytes operator+(testing::Bytes a, const testing::Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

using testing::Bytes;
using testing::qvxtoolCommand;
using testing::runShell;
using testing::shellQuoted;

// Television P[A, B, A]: a duplicate, names out of order, and a name of 24
// characters that DVB98 cuts (a warning).
void writeList(const std::string& path) {
    ChannelList list;
    TreeItem* provider = testing::addProvider(list.television(), "P");
    for (const char* name : {"B", "A", "A", "a name of twenty-four ch"}) testing::addChannel(list.television(), provider, name);
    testing::settleAsNativeRead(list);
    ASSERT_TRUE(qvx::writeList(path, ListFormat::Native, list).ok());
}

TEST(QvxtoolExit, EveryCommandTakesFileNamesAfterTwoDashes) {
    testing::TemporaryFolder folder;
    writeList(folder.file("--in.qvx"));
    writeList(folder.file("--help.qvx"));
    const struct {
        std::vector<std::string_view> arguments;
        const char* written;  // a file the command writes, or none
    } cases[] = {
        {{"convert", "--", "--in.qvx", "--out.dvb"}, "--out.dvb"},
        {{"dump", "--json", "--", "--in.qvx"}, nullptr},
        {{"info", "--", "--help.qvx"}, nullptr},
        {{"compare", "--by", "name", "--", "--in.qvx", "--help.qvx", "--a.qvx", "--b.qvx"}, "--b.qvx"},
        {{"duplicates", "--", "--in.qvx"}, nullptr},
        {{"dedupe", "--", "--in.qvx", "--deduped.qvx"}, "--deduped.qvx"},
        {{"diff", "--by", "sid", "--", "--in.qvx", "--help.qvx"}, nullptr},
        {{"sort", "--by", "name", "--", "--in.qvx", "--sorted.qvx"}, "--sorted.qvx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.arguments.front()));
        std::string command = "cd " + shellQuoted(folder.file("")) + " && " + shellQuoted(QVXTOOL_PATH);
        for (const std::string_view argument : c.arguments) command += " " + shellQuoted(argument);
        EXPECT_EQ(runShell(command + " >/dev/null 2>&1"), 0);
        if (c.written) {
            EXPECT_FALSE(testing::readFileBytes(folder.file(c.written)).empty());
        }
        // Without "--" the same names are options that no command knows.
        std::string withoutDashes = command;
        withoutDashes.erase(withoutDashes.find(" '--' "), 5);
        EXPECT_EQ(runShell(withoutDashes + " >/dev/null 2>&1"), 2);
    }
}

// Runs qvxtool with its standard output or error made to fail in one way; a
// "pipe" is one whose reader has gone (EPIPE, and SIGPIPE unless ignored).
int runWithBrokenOutput(std::initializer_list<std::string_view> arguments, const std::string& broken,
                        const std::string& statusFile) {
    if (broken != "pipe") return runShell(qvxtoolCommand(arguments) + broken);
    runShell("(sleep 0.3; " + qvxtoolCommand(arguments) + " 2>&1; echo $? >" + shellQuoted(statusFile) + ") | true");
    return std::stoi("0" + testing::contentsOf(statusFile));
}

TEST(QvxtoolExit, TheStatusSaysWhatBecameOfTheResultWhateverHappensToTheOutput) {
    testing::TemporaryFolder folder;
    const std::string in = folder.file("in.qvx");
    writeList(in);
    const std::string other = folder.file("other.qvx");
    ChannelList empty;
    ASSERT_TRUE(qvx::writeList(other, ListFormat::Native, empty).ok());
    const std::string out = folder.file("out.dvb");
    const std::string outA = folder.file("a.qvx");
    const std::string outB = folder.file("b.qvx");
    const std::string deduped = folder.file("d.qvx");
    const std::string sorted = folder.file("s.qvx");
    const char* brokenOutputs[] = {" >/dev/full 2>/dev/null", " >&- 2>/dev/null", " 2>/dev/full >/dev/null",
                                   " 2>&- >/dev/null", "pipe"};
    const struct {
        std::initializer_list<std::string_view> arguments;
        int status;
        const std::string* written;
    } cases[] = {
        // The lists written are the result: once in place, status 0.
        {{"convert", in, out}, 0, &out},  // with a warning on stderr
        {{"dedupe", in, deduped}, 0, &deduped},
        {{"sort", in, sorted, "--by", "name"}, 0, &sorted},
        {{"compare", in, other, outA, outB}, 0, &outB},
        // diff(1): trouble, never "different".
        {{"diff", in, other}, 2, nullptr},
    };
    for (const auto& c : cases) {
        for (const char* broken : brokenOutputs) {
            SCOPED_TRACE(std::string(*c.arguments.begin()) + broken);
            if (c.written) std::remove(c.written->c_str());
            const int status = runWithBrokenOutput(c.arguments, broken, folder.file("status"));
            // diff prints nothing on a broken standard error; only its output counts.
            const bool outputBroken = std::string(broken).starts_with(" >") || std::string(broken) == "pipe";
            const int expected = c.status == 2 && !outputBroken ? 1 : c.status;
            EXPECT_EQ(status, expected);
            if (c.written) {
                EXPECT_FALSE(testing::readFileBytes(*c.written).empty());
            }
        }
    }
}

// A command whose output is its input does not write back a list whose read
// left something out, unless --force; what every native read resets is no
// reason to refuse.
TEST(QvxtoolExit, AnInputWrittenOverItselfIsRefusedWhenItsReadLeftSomethingOut) {
    const Bytes junk(5, 'j');
    const struct {
        const char* what;
        bool junk;           // 5 bytes after the list, which no read keeps
        bool volumesReset;   // records of volume 0, which the native read resets
        std::vector<std::string> arguments;  // run in the list's folder
        int status;
        bool written;
    } cases[] = {
        {"sort onto itself", true, false, {"sort", "l.qvx", "l.qvx", "--by", "name"}, 1, false},
        {"sort onto itself, forced", true, false, {"sort", "l.qvx", "l.qvx", "--by", "name", "--force"}, 0, true},
        {"dedupe onto another spelling of itself", true, false, {"dedupe", "l.qvx", "./l.qvx"}, 1, false},
        {"convert onto a link to itself", true, false, {"convert", "l.qvx", "link.qvx"}, 1, false},
        {"compare onto A", true, false, {"compare", "l.qvx", "o.qvx", "l.qvx", "out.qvx"}, 1, false},
        {"compare onto A, forced", true, false, {"compare", "--force", "l.qvx", "o.qvx", "l.qvx", "out.qvx"}, 0, true},
        {"sort onto another file", true, false, {"sort", "l.qvx", "copy.qvx", "--by", "name"}, 0, false},
        {"sort onto itself, only volumes reset", false, true, {"sort", "l.qvx", "l.qvx", "--by", "name"}, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testing::TemporaryFolder folder;
        const std::string list = folder.file("l.qvx");
        ChannelList source;
        TreeItem* provider = testing::addProvider(source.television(), "P");
        for (const char* name : {"B", "A"}) testing::addChannel(source.television(), provider, name);
        if (!c.volumesReset) testing::settleAsNativeRead(source);
        ASSERT_TRUE(qvx::writeList(list, ListFormat::Native, source).ok());
        if (c.junk) testing::writeFileBytes(list, testing::readFileBytes(list) + junk);
        writeList(folder.file("o.qvx"));
        std::filesystem::create_symlink("l.qvx", folder.file("link.qvx"));
        const Bytes before = testing::readFileBytes(list);

        std::string command = "cd " + shellQuoted(folder.file("")) + " && " + shellQuoted(QVXTOOL_PATH);
        for (const std::string& argument : c.arguments) command += " " + shellQuoted(argument);
        const std::string err = folder.file("err");
        EXPECT_EQ(runShell(command + " 2>" + shellQuoted(err)), c.status);
        EXPECT_EQ(testing::readFileBytes(list) != before, c.written);
        const std::string said = testing::contentsOf(err);
        const std::string refusal = ": not written over, as reading it left out what it holds (see the warnings above); "
                                    "--force writes it all the same\n";
        EXPECT_EQ(said.find(refusal) != std::string::npos, c.status == 1) << said;
        if (c.junk) {
            EXPECT_NE(said.find("qvxtool: warning: l.qvx: bytes at the end that form no whole record were not read "
                                "(5 bytes)\n"),
                      std::string::npos)
                << said;
        }
    }
}

}  // namespace
}  // namespace qvx
