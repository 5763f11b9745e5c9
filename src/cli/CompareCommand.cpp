// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>
#include <vector>

#include "cli/Subcommand.h"
#include "cli/ToolDocuments.h"
#include "compare/CompareTrees.h"
#include "documents/ListDocument.h"
#include "formats/SafeSave.h"
#include "formats/SameFile.h"
#include "model/ChannelList.h"

namespace qvx::cli {
// "Compare Lists" on two files: A as list 1, B as list 2; the two lists that
// remain are written to OUT_A and OUT_B.
int runCompare(Arguments arguments, std::ostream&, std::ostream& err) {
    const Subcommand& command = subcommandNamed("compare");
    std::vector<std::string> paths;
    CompareOptions options{true, true};
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--by") {
            if (i + 1 == arguments.size()) return usageError(command, "--by needs name, sid or both", err);
            const std::optional<CompareOptions> named = compareOptionsNamed(arguments[++i], false);
            if (!named)
                return usageError(command, "--by takes name, sid or both, not '" + std::string(arguments[i]) + "'",
                                  err);
            options = *named;
        } else {
            paths.emplace_back(arguments[i]);
        }
    }
    if (paths.size() != 4) return usageError(command, "expected four file names", err);
    if (nameSameFile(paths[2], paths[3]))
        return usageError(command, "OUT_A and OUT_B must be different files", err);
    // Every extension is checked before anything is read or written.
    for (const std::string& path : paths)
        if (!formatOfPath(path, err)) return kExitUsage;

    ChannelList list1;
    ChannelList list2;
    ListDocument document1(list1, FormatChoice::EveryFormat);
    ListDocument document2(list2, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document1, paths[0], err); status != kExitOk) return status;
    if (const int status = loadDocument(document2, paths[1], err); status != kExitOk) return status;
    CompareLists(list1, list2, options);
    // Both results or neither: each is written completely beside its target
    // before either is put in place.
    PreparedSave saveA(paths[2]);
    PreparedSave saveB(paths[3]);
    if (const FileResult result = document1.prepareSaveAs(paths[2], saveA); !result.ok())
        return reportFailure(result, err);
    if (const FileResult result = document2.prepareSaveAs(paths[3], saveB); !result.ok())
        return reportFailure(result, err);  // the prepared OUT_A is dropped, the old one stays
    if (const FileResult result = saveA.commit(); !result.ok()) return reportFailure(result, err);
    if (const FileResult result = saveB.commit(); !result.ok()) return reportFailure(result, err);
    warnOfLosses(document1, paths[2], err);
    warnOfLosses(document2, paths[3], err);
    return kExitOk;
}

}  // namespace qvx::cli
