// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Runs the built qvxtool as a user would, from a shell, and collects what it printed.

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "FormatTestSupport.h"
#include "formats/ListFiles.h"

namespace qvx::testing {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

// `text` as one shell word, whatever characters it holds.
inline std::string shellQuoted(std::string_view text) {
    std::string out = "'";
    for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

inline std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The shell words that run qvxtool with `arguments`.
inline std::string qvxtoolCommand(std::initializer_list<std::string_view> arguments) {
    std::string command = shellQuoted(QVXTOOL_PATH);
    for (const std::string_view argument : arguments) command += " " + shellQuoted(argument);
    return command;
}

// Runs a shell command line; its exit status, or -1 when it did not exit.
inline int runShell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Runs qvxtool with `arguments`; its output goes through files in `folder`.
inline ToolRun qvxtool(const TemporaryFolder& folder, std::initializer_list<std::string_view> arguments) {
    const std::string out = folder.file("stdout"), err = folder.file("stderr");
    const int status = runShell(qvxtoolCommand(arguments) + " >" + shellQuoted(out) + " 2>" + shellQuoted(err));
    ToolRun run{status, contentsOf(out), contentsOf(err)};
    std::remove(out.c_str());
    std::remove(err.c_str());
    return run;
}

inline TreeItem* addChannelWithId(ChannelTree& tree, TreeItem* provider, std::string_view name,
                                  std::uint16_t serviceId, std::uint32_t frequency = 11836000) {
    ChannelRecord record = channelRecord(name, tree.serviceType(), frequency);
    record.serviceId = serviceId;
    return addChannel(tree, provider, record);
}

// "television | radio" (see shapeOf) of the list a command wrote.
inline std::string shapesOfFile(const std::string& path, ListFormat format) {
    ChannelList list;
    const FileResult result = readList(path, format, list);
    EXPECT_TRUE(result.ok()) << result.message;
    return shapeOf(list.television()) + " | " + shapeOf(list.radio());
}

}  // namespace qvx::testing
