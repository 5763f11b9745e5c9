// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Subcommand.h"
#include "compare/CompareOptions.h"
#include "formats/ListFormat.h"

namespace qvx::cli {

// The formats named on the command line where the file names do not say
// them: "--from NAME" for every list read, "--to NAME" for every list
// written, and "--source SRC", the orbital position written for channels
// that name none (VDR's source).
struct ToolFormats {
    std::optional<ListFormat> from;
    std::optional<ListFormat> to;
    std::string source = "S19.2E";
    // "--satip-url rtsp://HOST:554/": the server of channels written to a
    // SAT>IP playlist that the list names none for.
    std::string satipUrl;
};

// The arguments of one subcommand, split into file names, the value of
// "--by", the formats named and the flags given.
struct CommandLine {
    std::vector<std::string> files;
    std::optional<std::string_view> by;
    ToolFormats formats;
    std::vector<std::string_view> flags;

    bool has(std::string_view flag) const;
};

// Splits `arguments`; an option that is not "--by", "--from", "--to",
// "--source", "--satip-url" nor one of `knownFlags`, an option without its value, a format
// name that names none, and "--to" or "--source" for a command that writes
// no list, are usage errors (told to `err`, none given). Everything after
// "--" is a file name.
std::optional<CommandLine> splitCommandLine(const Subcommand& command, Arguments arguments,
                                            std::span<const std::string_view> knownFlags, bool takesBy,
                                            std::ostream& err);

// The key of "--by name|sid|both|tuning" (both when not given); a usage
// error for any other value.
std::optional<CompareOptions> channelKeyOf(const Subcommand& command, const CommandLine& line, std::ostream& err);

}  // namespace qvx::cli
