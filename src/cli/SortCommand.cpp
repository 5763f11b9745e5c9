// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ListRewrite.h"
#include "cli/Subcommand.h"
#include "editing/SortChannels.h"

namespace qvx::cli {

// Sorts the channels of every provider (and with --providers the providers) and writes the list to OUT.
int runSort(Arguments arguments, std::ostream&, std::ostream& err) {
    const Subcommand& command = subcommandNamed("sort");
    static constexpr std::string_view kFlags[] = {"--providers", "--force"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, true, err);
    if (!line) return kExitUsage;
    if (line->files.size() != 2) return usageError(command, "expected two file names", err);
    if (!line->by) return usageError(command, "--by name, frequency or sid is needed", err);
    const std::optional<SortKey> key = sortKeyNamed(*line->by);
    if (!key)
        return usageError(command, "--by takes name, frequency or sid, not '" + std::string(*line->by) + "'", err);
    const bool providers = line->has("--providers");
    return rewriteList(line->files[0], line->files[1], [&](ChannelTree& tree) {
        sortChannels(tree, nullptr, *key);
        if (providers) sortProviders(tree);
    }, line->has("--force"), line->formats, err);
}

}  // namespace qvx::cli
