// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "cli/PlaceText.h"
#include "cli/Subcommand.h"
#include "editing/Duplicates.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

// "Television group 1: provider 0 "ARD", channel 2 "Das Erste HD"", one line per channel.
void appendText(std::string& out, std::string_view title, const std::vector<DuplicateGroup>& groups) {
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (const ChannelPlace& place : groups[g]) {
            out += title;
            out += " group " + std::to_string(g + 1) + ": ";
            appendPlaceText(out, place);
            out += '\n';
        }
    }
}

// [[PLACE, PLACE...], ...]
void appendJson(std::string& out, const std::vector<DuplicateGroup>& groups) {
    out += '[';
    for (std::size_t g = 0; g < groups.size(); ++g) {
        out += g == 0 ? "\n  [" : ",\n  [";
        for (std::size_t m = 0; m < groups[g].size(); ++m) {
            out += m == 0 ? "\n    " : ",\n    ";
            appendPlaceJson(out, groups[g][m]);
        }
        out += "\n  ]";
    }
    out += groups.empty() ? "]" : "\n]";
}

}  // namespace

// Lists the groups of equal channels of each tree; changes nothing.
int runDuplicates(Arguments arguments, std::ostream& out, std::ostream& err) {
    const Subcommand& command = subcommandNamed("duplicates");
    static constexpr std::string_view kFlags[] = {"--json"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, true, err);
    if (!line) return kExitUsage;
    if (line->files.size() != 1) return usageError(command, "expected one file name", err);
    const std::optional<CompareOptions> key = channelKeyOf(command, *line, err);
    if (!key) return kExitUsage;

    ChannelList list;
    ListDocument document(list, FormatChoice::EveryFormat);
    if (const int status = loadDocument(document, line->files[0], line->formats.from, err); status != kExitOk) return status;
    const std::vector<DuplicateGroup> television = findDuplicates(list.television(), *key);
    const std::vector<DuplicateGroup> radio = findDuplicates(list.radio(), *key);
    std::string text;
    if (line->has("--json")) {
        text = "{\"television\": ";
        appendJson(text, television);
        text += ", \"radio\": ";
        appendJson(text, radio);
        text += "}\n";
    } else {
        appendText(text, "Television", television);
        appendText(text, "Radio", radio);
    }
    out << text;
    return kExitOk;
}

}  // namespace qvx::cli
