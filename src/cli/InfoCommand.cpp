// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

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
    if (arguments.size() != 1) return usageError(subcommandNamed("info"), "expected one file name", err);
    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document, std::string(arguments[0]), err); status != kExitOk)
        return status;
    printCounts("Television", list.television(), out);
    printCounts("Radio", list.radio(), out);
    return kExitOk;
}

}  // namespace qvx::cli
