// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ListRewrite.h"

#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {

int rewriteList(const std::string& input, const std::string& output, const std::function<void(ChannelTree&)>& change,
                std::ostream& err) {
    if (!formatOfPath(input, err) || !formatOfPath(output, err)) return kExitUsage;
    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document, input, err); status != kExitOk) return status;
    change(list.television());
    change(list.radio());
    return saveDocumentAs(document, output, err);
}

}  // namespace qvx::cli
