// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {

// Load followed by Save as: the list read from IN, written by OUT's extension.
int runConvert(Arguments arguments, std::ostream&, std::ostream& err) {
    const Subcommand& command = subcommandNamed("convert");
    static constexpr std::string_view kFlags[] = {"--force"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, false, err);
    if (!line) return kExitUsage;
    if (line->files.size() != 2) return usageError(command, "expected two file names", err);
    const std::string& input = line->files[0];
    const std::string& output = line->files[1];
    // Both extensions are checked before anything is read or written.
    const ToolFormats& formats = line->formats;
    if (!formatOfPath(input, formats.from, err) || !formatOfPath(output, formats.to, err)) return kExitUsage;

    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    std::vector<FileWarning> warnings;
    if (const int status = loadDocument(document, input, formats.from, err, &warnings); status != kExitOk) return status;
    if (const int status = refuseLosingRewrite({{input, warnings}}, {output}, line->has("--force"), err);
        status != kExitOk)
        return status;
    return saveDocumentAs(document, output, formats, err);
}

}  // namespace qvx::cli
