// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ListDump.h"
#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {

int runDump(Arguments arguments, std::ostream& out, std::ostream& err) {
    const Subcommand& command = subcommandNamed("dump");
    static constexpr std::string_view kFlags[] = {"--json"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, false, err);
    if (!line) return kExitUsage;
    if (line->files.size() != 1) return usageError(command, "expected one file name", err);
    const std::string& input = line->files[0];
    const bool json = line->has("--json");

    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document, input, line->formats.from, err); status != kExitOk) return status;
    // A failure of `out` stops the dump early; the tool reports it when it ends.
    if (json)
        writeListAsJson(list, out);
    else
        writeListAsText(list, out);
    return kExitOk;
}

}  // namespace qvx::cli
