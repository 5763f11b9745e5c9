// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include <algorithm>
#include <ostream>

#include "formats/SatipFormat.h"

namespace qvx::cli {
namespace {

// "S19.2E", "S5W", or a letter of a delivery system VDR knows (C, T, A...).
bool isSource(std::string_view source) {
    if (source.size() == 1) return source.front() >= 'A' && source.front() <= 'Z';
    if (source.size() < 3 || source.front() != 'S' || (source.back() != 'E' && source.back() != 'W')) return false;
    const std::string_view degrees = source.substr(1, source.size() - 2);
    const std::size_t point = degrees.find('.');
    const std::string_view whole = degrees.substr(0, point);
    const std::string_view tenths = point == std::string_view::npos ? std::string_view() : degrees.substr(point + 1);
    const auto digits = [](std::string_view text) {
        return text.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return !whole.empty() && whole.size() <= 3 && digits(whole) && (point == std::string_view::npos || (!tenths.empty() && digits(tenths)));
}

bool takeFormatOption(const Subcommand& command, std::string_view option, std::string_view value,
                      ToolFormats& formats, std::ostream& err) {
    const bool writes = command.exitRule == ExitRule::ListsWritten;
    if (option != "--from" && !writes) {
        usageError(command, std::string(command.name) + " writes no list; " + std::string(option) + " is of no use", err);
        return false;
    }
    if (option == "--satip-url") {
        formats.satipUrl = satipServerOf(value);
        if (formats.satipUrl.empty()) {
            usageError(command, "--satip-url takes a server like rtsp://192.168.178.1:554/, not '" + std::string(value) + "'",
                       err);
            return false;
        }
        return true;
    }
    if (option == "--source") {
        if (!isSource(value)) {
            usageError(command, "--source takes an orbital position like S19.2E or S5W, not '" + std::string(value) + "'",
                       err);
            return false;
        }
        formats.source = std::string(value);
        return true;
    }
    const ListFormatEntry* entry = listFormatEntryForName(value);
    if (!entry || (option == "--from" && !entry->read) || (option == "--to" && !entry->write)) {
        usageError(command,
                   std::string(option) + " takes " + formatNamesForMessage() + ", not '" + std::string(value) + "'",
                   err);
        return false;
    }
    (option == "--from" ? formats.from : formats.to) = entry->format;
    return true;
}

}  // namespace

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
        } else if ((takesBy && argument == "--by") || argument == "--from" || argument == "--to" ||
                   argument == "--source" || argument == "--satip-url") {
            if (i + 1 == arguments.size()) {
                usageError(command, std::string(argument) + " needs a value", err);
                return std::nullopt;
            }
            const std::string_view value = arguments[++i];
            if (argument == "--by") {
                line.by = value;
            } else if (!takeFormatOption(command, argument, value, line.formats, err)) {
                return std::nullopt;
            }
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
