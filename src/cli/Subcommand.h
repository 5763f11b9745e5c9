// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace qvx::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a list could not be read or written
inline constexpr int kExitUsage = 2;    // wrong arguments or an unknown extension

using Arguments = std::span<const std::string_view>;

// What the exit status of a command stands for, besides its own result.
enum class ExitRule {
    // What it prints is its result: output that cannot be written is status 1.
    Printed,
    // The lists it writes are its result: once they are in place, output or
    // messages that cannot be written change nothing.
    ListsWritten,
    // diff(1): 0 the same, 1 different, 2 any trouble, the output and memory included.
    Comparison,
};

inline constexpr int kExitTrouble = 2;  // ExitRule::Comparison: something went wrong

// One subcommand of qvxtool. `run` gets the arguments after the name.
struct Subcommand {
    std::string_view name;
    std::string_view synopsis;  // "convert IN OUT"
    std::string_view summary;   // one line for --help
    // Its arguments and options, one line each, for "qvxtool NAME --help".
    std::string_view argumentLines;
    int (*run)(Arguments arguments, std::ostream& out, std::ostream& err);
    ExitRule exitRule = ExitRule::Printed;
};

// Every subcommand, in the order --help lists them. A new subcommand is one
// more row in CommandTable.cpp.
std::span<const Subcommand> subcommands();

int runConvert(Arguments arguments, std::ostream& out, std::ostream& err);
int runDump(Arguments arguments, std::ostream& out, std::ostream& err);
int runInfo(Arguments arguments, std::ostream& out, std::ostream& err);
int runCompare(Arguments arguments, std::ostream& out, std::ostream& err);
int runDuplicates(Arguments arguments, std::ostream& out, std::ostream& err);
int runDedupe(Arguments arguments, std::ostream& out, std::ostream& err);
int runDiff(Arguments arguments, std::ostream& out, std::ostream& err);
int runSort(Arguments arguments, std::ostream& out, std::ostream& err);
int runArrange(Arguments arguments, std::ostream& out, std::ostream& err);

// Tells the user what was wrong with the arguments of `command` and how to call it.
int usageError(const Subcommand& command, std::string_view problem, std::ostream& err);
const Subcommand& subcommandNamed(std::string_view name);

}  // namespace qvx::cli
