// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <algorithm>
#include <ostream>

namespace qvx::cli {

bool CommandLine::has(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<CommandLine> splitCommandLine(const Subcommand& command, Arguments arguments,
                                            std::span<const std::string_view> knownFlags, bool takesBy,
                                            std::ostream& err) {
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded) {
            line.files.emplace_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (takesBy && argument == "--by") {
            if (i + 1 == arguments.size()) {
                usageError(command, "--by needs a value", err);
                return std::nullopt;
            }
            line.by = arguments[++i];
        } else if (std::find(knownFlags.begin(), knownFlags.end(), argument) != knownFlags.end()) {
            line.flags.push_back(argument);
        } else if (argument.starts_with("--")) {
            usageError(command, "unknown option '" + std::string(argument) + "'", err);
            return std::nullopt;
        } else {
            line.files.emplace_back(argument);
        }
    }
    return line;
}

std::optional<CompareOptions> channelKeyOf(const Subcommand& command, const CommandLine& line, std::ostream& err) {
    if (!line.by) return CompareOptions{};
    const std::optional<CompareOptions> options = compareOptionsNamed(*line.by, true);
    if (!options)
        usageError(command, "--by takes name, sid, both or tuning, not '" + std::string(*line.by) + "'", err);
    return options;
}

}  // namespace qvx::cli
