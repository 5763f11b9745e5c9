// SPDX-License-Identifier: GPL-3.0-or-later
// What qvxtool does when its output cannot be written, what it lets reach the
// terminal, and how it ends when memory runs out.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>

#include "ChildProcess.h"
#include "QvxtoolTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx {
namespace {

using testing::contentsOf;
using testing::qvxtool;
using testing::qvxtoolCommand;
using testing::runShell;
using testing::shellQuoted;
using testing::ToolRun;

// One provider with `channels` channels: dumped, far more than a pipe holds.
std::string savedList(const testing::TemporaryFolder& folder, const std::string& name, int channels) {
    ChannelList list;
    TreeItem* provider = testing::addProvider(list.television(), "P");
    for (int i = 0; i < channels; ++i) testing::addChannel(list.television(), provider, "channel");
    const std::string path = folder.file(name);
    testing::settleAsNativeRead(list);
    EXPECT_TRUE(writeList(path, ListFormat::Native, list).ok());
    return path;
}

TEST(QvxtoolOutput, OutputThatCannotBeWrittenIsAnErrorWithItsReason) {
    testing::TemporaryFolder folder;
    const std::string list = savedList(folder, "list.qvx", 3000);
    const std::string err = folder.file("err");
    const struct {
        const char* redirection;
        std::string expected;
    } outputs[] = {
        {" >/dev/full", "qvxtool: write error: No space left on device\n"},
        {" >&-", "qvxtool: write error: Bad file descriptor\n"},
    };
    for (const auto& output : outputs) {
        for (const auto& arguments : {std::initializer_list<std::string_view>{"info", list},
                                      std::initializer_list<std::string_view>{"dump", list},
                                      std::initializer_list<std::string_view>{"dump", list, "--json"},
                                      std::initializer_list<std::string_view>{"--help"}}) {
            SCOPED_TRACE(std::string(*arguments.begin()) + output.redirection);
            const int status = runShell(qvxtoolCommand(arguments) + output.redirection + " 2>" + shellQuoted(err));
            EXPECT_EQ(status, 1);
            EXPECT_EQ(contentsOf(err), output.expected);
        }
    }
}

TEST(QvxtoolOutput, AReaderThatGoesAwayEndsTheDumpQuietly) {
    testing::TemporaryFolder folder;
    const std::string list = savedList(folder, "list.qvx", 3000);
    const std::string err = folder.file("err");
    // As a shell leaves it (the tool dies of SIGPIPE) and with SIGPIPE ignored (EPIPE).
    for (const char* prefix : {"", "trap '' PIPE; "}) {
        SCOPED_TRACE(prefix);
        runShell(std::string(prefix) + qvxtoolCommand({"dump", list, "--json"}) + " 2>" + shellQuoted(err) +
                 " | head -c 10 >/dev/null");
        EXPECT_EQ(contentsOf(err), "");
    }
}

// Names with control characters, as the text dump shows them.
TEST(QvxtoolOutput, ControlCharactersNeverReachTheTerminalRaw) {
    testing::TemporaryFolder folder;
    const struct {
        std::string name;
        std::string shown;
    } cases[] = {
        {"A\x1b[2Jz", "A\\u001b[2Jz"}, {"bell\x07", "bell\\u0007"},
        {"C\rR", "C\\u000dR"},        {"L\nF", "L\\u000aF"},
        {"del\x7f", "del\\u007f"},    {"c1\x81\x9d", "c1\\u0081\\u009d"},
        {"tab\t", "tab\\u0009"},       {"\xC4rger \x80", "\xC3\x84rger \xE2\x82\xAC"},
    };
    ChannelList list;
    TreeItem* provider = testing::addProvider(list.television(), "P");
    for (const auto& c : cases) testing::addChannel(list.television(), provider, c.name);
    const std::string path = folder.file("list.qvx");
    ASSERT_TRUE(writeList(path, ListFormat::Native, list).ok());

    const ToolRun run = qvxtool(folder, {"dump", path});
    ASSERT_EQ(run.status, 0);
    for (const auto& c : cases) EXPECT_NE(run.out.find("    " + c.shown + "  "), std::string::npos) << c.shown;
    for (const char byte : run.out) {
        const auto code = static_cast<unsigned char>(byte);
        EXPECT_TRUE(code == '\n' || (code >= 0x20 && code != 0x7f)) << "raw byte " << static_cast<int>(code);
    }
    EXPECT_EQ(run.out.find("\xC2\x81"), std::string::npos);  // no C1 control as UTF-8 either

    // Messages: a path, as given, with controls and bytes that are no UTF-8.
    const std::string hostile = folder.file("a\x1b]0;pwned\x07\n\xff.qvx");
    const std::string shown = folder.file("a\\u001b]0;pwned\\u0007\\u000a\\xff.qvx");
    EXPECT_EQ(qvxtool(folder, {"info", hostile}).err,
              "qvxtool: Can't open file " + shown + ": No such file or directory\n");
    EXPECT_EQ(qvxtool(folder, {"info", folder.file("x\x1b.txt")}).err,
              "qvxtool: " + folder.file("x\\u001b.txt") +
                  ": unknown list format; the name must end in .qvx, .chl, .dvb, .xch, .json, .conf, .m3u, .m3u8 or .csv\n");
}

// Under a limit on its address space, a large list makes the tool run out of
// memory: it says so and ends with status 1 instead of aborting.
TEST(QvxtoolOutput, OutOfMemoryIsAMessageAndStatusOne) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs far more address space than the limit allows";
#else
    testing::TemporaryFolder folder;
    const std::string list = savedList(folder, "large.qvx", 400000);
    const std::string err = folder.file("err");
    for (const char* command : {"info", "dump", "diff"}) {
        SCOPED_TRACE(command);
        const testing::ChildOutcome outcome = testing::runInChild([&](std::string&) {
            const int errorFile = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int nothing = ::open("/dev/null", O_WRONLY);
            if (errorFile < 0 || nothing < 0 || ::dup2(nothing, 1) < 0 || ::dup2(errorFile, 2) < 0) return 3;
            const rlimit limit{64 << 20, 64 << 20};
            if (::setrlimit(RLIMIT_AS, &limit) != 0) return 3;
            const bool two = std::string(command) == "diff";  // a list against itself
            ::execl(QVXTOOL_PATH, QVXTOOL_PATH, command, list.c_str(), two ? list.c_str() : nullptr,
                    static_cast<char*>(nullptr));
            return 4;
        });
        // diff(1): any trouble is 2, never "different".
        EXPECT_TRUE(outcome.exited(std::string(command) == "diff" ? 2 : 1)) << outcome.status;
        const std::string message = contentsOf(err);
        EXPECT_EQ(message.rfind("qvxtool: ", 0), 0u) << message;
        EXPECT_NE(message.find("Cannot allocate memory\n"), std::string::npos) << message;
    }
#endif
}

}  // namespace
}  // namespace qvx
