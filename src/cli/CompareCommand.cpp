// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/Subcommand.h"
#include "cli/TerminalText.h"
#include "cli/ToolDocuments.h"
#include "compare/CompareTrees.h"
#include "documents/ListDocument.h"
#include "files/SafeSave.h"
#include "files/SameFile.h"
#include "model/ChannelList.h"

namespace qvx::cli {
// "Compare Lists" on two files: A as list 1, B as list 2; the two lists that
// remain are written to OUT_A and OUT_B.
int runCompare(Arguments arguments, std::ostream&, std::ostream& err) {
    const Subcommand& command = subcommandNamed("compare");
    static constexpr std::string_view kFlags[] = {"--force"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, true, err);
    if (!line) return kExitUsage;
    CompareOptions options{true, true};
    if (line->by) {
        const std::optional<CompareOptions> named = compareOptionsNamed(*line->by, false);
        if (!named)
            return usageError(command, "--by takes name, sid or both, not '" + std::string(*line->by) + "'", err);
        options = *named;
    }
    const std::vector<std::string>& paths = line->files;
    if (paths.size() != 4) return usageError(command, "expected four file names", err);
    if (nameSameFile(paths[2], paths[3]))
        return usageError(command, "OUT_A and OUT_B must be different files", err);
    // Every extension is checked before anything is read or written.
    const ToolFormats& formats = line->formats;
    for (std::size_t i = 0; i < paths.size(); ++i)
        if (!formatOfPath(paths[i], i < 2 ? formats.from : formats.to, err)) return kExitUsage;

    ChannelList list1;
    ChannelList list2;
    ListDocument document1(list1, FormatChoice::EveryFormat);
    ListDocument document2(list2, FormatChoice::EveryFormat);
    std::vector<FileWarning> warnings1;
    std::vector<FileWarning> warnings2;
    if (const int status = loadDocument(document1, paths[0], formats.from, err, &warnings1); status != kExitOk) return status;
    if (const int status = loadDocument(document2, paths[1], formats.from, err, &warnings2); status != kExitOk) return status;
    if (const int status = refuseLosingRewrite({{paths[0], warnings1}, {paths[1], warnings2}}, {paths[2], paths[3]},
                                               line->has("--force"), err);
        status != kExitOk)
        return status;
    CompareLists(list1, list2, options);
    for (ListDocument* document : {&document1, &document2}) {
        FormatOptions written;
        written.defaultSource = formats.source;
        written.satipUrl = formats.satipUrl;
        document->setFormatOptions(std::move(written));
    }
    // Both results or neither: each is written completely beside its target
    // before either is put in place.
    PreparedSave saveA(paths[2]);
    PreparedSave saveB(paths[3]);
    if (const FileResult result = document1.prepareSaveAs(paths[2], saveA, formats.to); !result.ok())
        return reportFailure(result, err);
    if (const FileResult result = document2.prepareSaveAs(paths[3], saveB, formats.to); !result.ok())
        return reportFailure(result, err);  // the prepared OUT_A is dropped, the old one stays
    // Both or neither here too: OUT_A's old file is kept aside until OUT_B is in place.
    const PairCommit commit = commitBoth(saveA, saveB);
    if (!commit.first.ok()) return reportFailure(commit.first, err);
    if (!commit.second.ok()) {
        reportFailure(commit.second, err);
        if (!commit.undone.ok())
            err << "qvxtool: " << terminalSafe(paths[2])
                << " already holds its new result, and its old contents could not be put back: "
                << terminalSafe(commit.undone.messageWithReason()) << "\n";
        return kExitFailure;
    }
    warnOfLosses(document1, paths[2], err);
    warnOfLosses(document2, paths[3], err);
    return kExitOk;
}

}  // namespace qvx::cli
