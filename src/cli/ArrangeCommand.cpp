// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Subcommand.h"
#include "cli/TerminalText.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "editing/ArrangeLike.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

std::string counted(std::size_t placed, std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(placed) + " of " + std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

}  // namespace

// "Arrange like the other list" for both trees of IN, REFERENCE being the other list; the result goes to OUT.
int runArrange(Arguments arguments, std::ostream& out, std::ostream& err) {
    const Subcommand& command = subcommandNamed("arrange");
    static constexpr std::string_view kFlags[] = {"--force"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, true, err);
    if (!line) return kExitUsage;
    if (line->files.size() != 3) return usageError(command, "expected three file names", err);
    const std::optional<CompareOptions> key = channelKeyOf(command, *line, err);
    if (!key) return kExitUsage;
    const std::string& input = line->files[0];
    const std::string& referencePath = line->files[1];
    const std::string& output = line->files[2];
    const ToolFormats& formats = line->formats;
    // Every extension is checked before anything is read or written.
    if (!formatOfPath(input, formats.from, err) || !formatOfPath(referencePath, formats.from, err) ||
        !formatOfPath(output, formats.to, err))
        return kExitUsage;

    ChannelList list;
    ChannelList reference;
    ListDocument document(list, FormatChoice::EveryFormat);
    ListDocument referenceDocument(reference, FormatChoice::EveryFormat);
    std::vector<FileWarning> warnings;
    std::vector<FileWarning> referenceWarnings;
    if (const int status = loadDocument(document, input, formats.from, err, &warnings); status != kExitOk)
        return status;
    if (const int status = loadDocument(referenceDocument, referencePath, formats.from, err, &referenceWarnings);
        status != kExitOk)
        return status;
    if (const int status = refuseLosingRewrite({{input, warnings}, {referencePath, referenceWarnings}}, {output},
                                               line->has("--force"), err);
        status != kExitOk)
        return status;

    ArrangedCounts counts;
    for (const TreeKind kind : {TreeKind::Television, TreeKind::Radio}) {
        const ArrangedCounts tree = arrangeLike(list.tree(kind), reference.tree(kind), *key);
        counts.channels += tree.channels;
        counts.channelsPlaced += tree.channelsPlaced;
        counts.providers += tree.providers;
        counts.providersPlaced += tree.providersPlaced;
    }
    if (const int status = saveDocumentAs(document, output, formats, err); status != kExitOk) return status;
    out << "Placed " << counted(counts.channelsPlaced, counts.channels, "channel", "channels") << " and "
        << counted(counts.providersPlaced, counts.providers, "provider", "providers") << " like "
        << terminalSafe(referencePath) << ".\n";
    return kExitOk;
}

}  // namespace qvx::cli
