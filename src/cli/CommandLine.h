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

namespace qvx::cli {

// The arguments of one subcommand, split into file names, the value of
// "--by" and the flags given.
struct CommandLine {
    std::vector<std::string> files;
    std::optional<std::string_view> by;
    std::vector<std::string_view> flags;

    bool has(std::string_view flag) const;
};

// Splits `arguments`; an option that is not "--by" nor one of `knownFlags`,
// or "--by" without its value, is a usage error (told to `err`, none given).
// Everything after "--" is a file name.
std::optional<CommandLine> splitCommandLine(const Subcommand& command, Arguments arguments,
                                            std::span<const std::string_view> knownFlags, bool takesBy,
                                            std::ostream& err);

// The key of "--by name|sid|both|tuning" (both when not given); a usage
// error for any other value.
std::optional<CompareOptions> channelKeyOf(const Subcommand& command, const CommandLine& line, std::ostream& err);

}  // namespace qvx::cli
