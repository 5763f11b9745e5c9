// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/ListDump.h"
#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {

int runDump(Arguments arguments, std::ostream& out, std::ostream& err) {
    const Subcommand& command = subcommandNamed("dump");
    std::string input;
    bool json = false;
    for (const std::string_view argument : arguments) {
        if (argument == "--json") {
            json = true;
        } else if (argument.starts_with("--")) {
            return usageError(command, "unknown option '" + std::string(argument) + "'", err);
        } else if (input.empty()) {
            input = argument;
        } else {
            return usageError(command, "expected one file name", err);
        }
    }
    if (input.empty()) return usageError(command, "expected one file name", err);

    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document, input, err); status != kExitOk) return status;
    // A failure of `out` stops the dump early; the tool reports it when it ends.
    if (json)
        writeListAsJson(list, out);
    else
        writeListAsText(list, out);
    return kExitOk;
}

}  // namespace qvx::cli
