// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ListRewrite.h"
#include "cli/Subcommand.h"
#include "editing/Duplicates.h"

namespace qvx::cli {
namespace {

std::string counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

}  // namespace

// Keeps the first of every group of equal channels, in each tree, and writes the rest to OUT.
int runDedupe(Arguments arguments, std::ostream& out, std::ostream& err) {
    const Subcommand& command = subcommandNamed("dedupe");
    static constexpr std::string_view kFlags[] = {"--force"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, true, err);
    if (!line) return kExitUsage;
    if (line->files.size() != 2) return usageError(command, "expected two file names", err);
    const std::optional<CompareOptions> key = channelKeyOf(command, *line, err);
    if (!key) return kExitUsage;
    RemovedCounts removed;
    const int status = rewriteList(line->files[0], line->files[1], [&](ChannelTree& tree) {
        const RemovedCounts fromTree = removeDuplicates(tree, *key);
        removed.channels += fromTree.channels;
        removed.providers += fromTree.providers;
    }, line->has("--force"), line->formats, err);
    if (status != kExitOk) return status;
    out << "Removed " << counted(removed.channels, "channel", "channels") << " and "
        << counted(removed.providers, "provider", "providers") << ".\n";
    return kExitOk;
}

}  // namespace qvx::cli
