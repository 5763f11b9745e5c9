// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Qvxtool.h"

#include <algorithm>
#include <cerrno>
#include <new>
#include <ostream>
#include <string>

#include "cli/StandardOutput.h"
#include "cli/Subcommand.h"
#include "cli/TerminalText.h"
#include "files/FileResult.h"
#include "formats/ListFormat.h"

#ifndef QVX_DISPLAY_VERSION
#error "QVX_DISPLAY_VERSION must be defined by the build"
#endif

namespace qvx::cli {
namespace {

// "name: ext (Program), ..." for every format of the table.
std::string formatsForHelp() {
    std::string text;
    for (const ListFormatEntry& format : listFormats()) {
        // A format's further extensions join its first row (satip: .m3u, .m3u8).
        if (&listFormatEntry(format.format) != &format) continue;
        if (!text.empty()) text += ",\n";
        text += "  " + std::string(format.toolName) + ":";
        for (const ListFormatEntry& row : listFormats())
            if (row.format == format.format) text += (&row == &format ? " ." : ", .") + std::string(row.extension);
        text += " (" + std::string(format.name) + ")";
    }
    return text;
}

void printUsage(std::ostream& stream) {
    stream << "Usage: qvxtool COMMAND [ARGUMENTS] [--from NAME] [--to NAME] [--source SRC]\n"
              "               [--satip-url URL]\n"
              "Reads and writes channel lists. The format follows the file extension, in any\n"
              "case; .conf files are told apart by their content and written as VDR, .m3u\n"
              "files are read and written as SAT>IP playlists unless --to vlc says otherwise:\n"
              << formatsForHelp() << ".\n"
              "--from NAME and --to NAME name the format of the lists read and written where\n"
              "the names do not; --source SRC is the orbital position written for channels\n"
              "that name none (default S19.2E); --satip-url rtsp://HOST:554/ the SAT>IP server\n"
              "of channels written to a .m3u playlist that the list names none for.\n"
              "\n"
              "Commands:\n";
    std::size_t width = std::string_view("--version").size();
    for (const Subcommand& command : subcommands()) width = std::max(width, command.synopsis.size());
    auto line = [&](std::string_view synopsis, std::string_view summary) {
        stream << "  " << synopsis << std::string(width - synopsis.size() + 2, ' ') << summary << '\n';
    };
    for (const Subcommand& command : subcommands()) line(command.synopsis, command.summary);
    line("--help", "print this help (COMMAND --help: that command's)");
    line("--version", "print the version");
    stream << "\n"
              "Options end at --; what follows it are file names.\n"
              "\n"
              "Exit status: 0 done, 1 a list could not be read or written (or, for dump, info\n"
              "and duplicates, the output), 2 wrong arguments or an unknown extension\n"
              "(diff: 0 the same, 1 different, 2 trouble).\n";
}

void printCommandHelp(const Subcommand& command, std::ostream& stream) {
    stream << "Usage: qvxtool " << command.synopsis << "\n"
           << command.summary << ".\n\n"
           << command.argumentLines << "  --help              print this help\n";
}

bool asksForHelp(std::span<const std::string_view> arguments) {
    for (const std::string_view argument : arguments) {
        if (argument == "--") return false;  // a file named --help after it
        if (argument == "--help" || argument == "-h") return true;
    }
    return false;
}

}  // namespace

const Subcommand& subcommandNamed(std::string_view name) {
    for (const Subcommand& command : subcommands())
        if (command.name == name) return command;
    return subcommands().front();
}

int usageError(const Subcommand& command, std::string_view problem, std::ostream& err) {
    err << "qvxtool: " << command.name << ": " << terminalSafe(problem) << "\n"
        << "Usage: qvxtool " << command.synopsis << "\n";
    return kExitUsage;
}

namespace {

// `command` is set to the command that runs, if any.
int runCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err,
                   const Subcommand*& command) {
    if (arguments.empty()) {
        err << "qvxtool: no command given\n";
        printUsage(err);
        return kExitUsage;
    }
    const std::string_view first = arguments.front();
    if (first == "--help" || first == "-h") {
        printUsage(out);
        return kExitOk;
    }
    if (first == "--version") {
        out << "qvxtool " << QVX_DISPLAY_VERSION << "\n";
        return kExitOk;
    }
    for (const Subcommand& candidate : subcommands()) {
        if (candidate.name != first) continue;
        if (asksForHelp(arguments.subspan(1))) {
            printCommandHelp(candidate, out);
            return kExitOk;
        }
        command = &candidate;
        return candidate.run(arguments.subspan(1), out, err);
    }
    err << "qvxtool: unknown command '" << terminalSafe(first) << "'. Try 'qvxtool --help'.\n";
    return kExitUsage;
}

}  // namespace

int runQvxtool(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
    const Subcommand* command = nullptr;
    int status = kExitFailure;
    try {
        status = runCommandLine(arguments, out, err, command);
    } catch (const std::bad_alloc&) {
        // Whatever was being built is gone with the exception; nothing was put in place.
        err << "qvxtool: out of memory: " << systemReason(ENOMEM) << "\n";
        return command && command->exitRule == ExitRule::Comparison ? kExitTrouble : kExitFailure;
    }
    const int outputStatus = finishOutput(out, err);
    switch (command ? command->exitRule : ExitRule::Printed) {
    case ExitRule::Printed: break;
    case ExitRule::ListsWritten: return status;
    case ExitRule::Comparison: return outputStatus != kExitOk ? kExitTrouble : status;
    }
    return status != kExitOk ? status : outputStatus;
}

}  // namespace qvx::cli
