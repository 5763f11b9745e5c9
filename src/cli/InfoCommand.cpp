// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

void printCounts(std::string_view title, const ChannelTree& tree, std::ostream& out) {
    std::size_t providers = 0;
    for (const auto& top : tree.topLevelItems())
        if (top->record().isChannel == 0) ++providers;
    out << title << ": " << providers << (providers == 1 ? " provider, " : " providers, ")
        << tree.itemCount() - providers << (tree.itemCount() - providers == 1 ? " channel\n" : " channels\n");
}

}  // namespace

int runInfo(Arguments arguments, std::ostream& out, std::ostream& err) {
    const Subcommand& command = subcommandNamed("info");
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, {}, false, err);
    if (!line) return kExitUsage;
    if (line->files.size() != 1) return usageError(command, "expected one file name", err);
    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document, line->files[0], line->formats.from, err); status != kExitOk) return status;
    printCounts("Television", list.television(), out);
    printCounts("Radio", list.radio(), out);
    return kExitOk;
}

}  // namespace qvx::cli
