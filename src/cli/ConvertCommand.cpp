// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {

// Load followed by Save as: the list read from IN, written by OUT's extension.
int runConvert(Arguments arguments, std::ostream&, std::ostream& err) {
    const Subcommand& command = subcommandNamed("convert");
    if (arguments.size() != 2) return usageError(command, "expected two file names", err);
    const std::string input(arguments[0]);
    const std::string output(arguments[1]);
    // Both extensions are checked before anything is read or written.
    if (!formatOfPath(input, err) || !formatOfPath(output, err)) return kExitUsage;

    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document, input, err); status != kExitOk) return status;
    return saveDocumentAs(document, output, err);
}

}  // namespace qvx::cli
