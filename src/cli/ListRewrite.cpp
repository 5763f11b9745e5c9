// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ListRewrite.h"

#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "model/ChannelList.h"

namespace qvx::cli {

int rewriteList(const std::string& input, const std::string& output, const std::function<void(ChannelTree&)>& change,
                bool force, const ToolFormats& formats, std::ostream& err) {
    if (!formatOfPath(input, formats.from, err) || !formatOfPath(output, formats.to, err)) return kExitUsage;
    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    std::vector<FileWarning> warnings;
    if (const int status = loadDocument(document, input, formats.from, err, &warnings); status != kExitOk) return status;
    if (const int status = refuseLosingRewrite({{input, warnings}}, {output}, force, err); status != kExitOk)
        return status;
    change(list.television());
    change(list.radio());
    return saveDocumentAs(document, output, formats, err);
}

}  // namespace qvx::cli
