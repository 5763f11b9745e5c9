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

// The shell words that run the program `tool` (qvxtool or a copy of it) with `arguments`.
inline std::string qvxtoolCommandAt(std::string_view tool, std::initializer_list<std::string_view> arguments) {
    std::string command = shellQuoted(tool);
    for (const std::string_view argument : arguments) command += " " + shellQuoted(argument);
    return command;
}

// The shell words that run qvxtool with `arguments`.
inline std::string qvxtoolCommand(std::initializer_list<std::string_view> arguments) {
    return qvxtoolCommandAt(QVXTOOL_PATH, arguments);
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

// Gives every record what a native read gives it (volume 100, rotor position
// 0), so that reading the list back from a native file resets nothing and
// the tool warns of nothing.
inline void settleAsNativeRead(ChannelList& list) {
    for (ChannelTree* tree : {&list.television(), &list.radio()}) {
        auto settle = [&](TreeItem* item) {
            ChannelRecord record = item->record();
            record.volume = 100;
            record.rotorPosition = 0;
            tree->replaceRecord(item, record);
        };
        for (const auto& top : tree->topLevelItems()) {
            settle(top.get());
            for (const auto& child : top->children()) settle(child.get());
        }
    }
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
