// SPDX-License-Identifier: GPL-3.0-or-later
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "cli/ToolDocuments.h"
#include "documents/ListDocument.h"
#include "formats/JsonText.h"
#include "cli/PlaceText.h"
#include "cli/Subcommand.h"
#include "compare/ListDiff.h"
#include "model/ChannelList.h"
#include "model/ChannelTree.h"
#include "model/RecordFields.h"

namespace qvx::cli {
namespace {

// diff(1)'s exit statuses.
constexpr int kDiffSame = 0;
constexpr int kDiffDifferent = 1;
constexpr int kDiffTrouble = 2;

struct NamedDiff {
    std::string_view title;  // "Television"
    std::string_view key;    // "television"
    TreeDiff diff;
};

// One line per finding:
//   only in A: Television provider 0 "ARD", channel 3 "Das Erste HD"
//   changed: Television A provider 0 "ARD", channel 1 "ZDF" / B provider 2 "ZDF", channel 0 "ZDF": frequency 11953000 -> 11954000
void appendText(std::string& out, const NamedDiff& tree) {
    auto only = [&](std::string_view side, const std::vector<ChannelPlace>& places) {
        for (const ChannelPlace& place : places) {
            out += "only in ";
            out += side;
            out += ": ";
            out += tree.title;
            out += ' ';
            appendPlaceText(out, place);
            out += '\n';
        }
    };
    only("A", tree.diff.onlyInA);
    only("B", tree.diff.onlyInB);
    for (const ChangedPair& pair : tree.diff.changed) {
        for (const RecordField* field : pair.fields) {
            out += "changed: ";
            out += tree.title;
            out += " A ";
            appendPlaceText(out, pair.a);
            out += " / B ";
            appendPlaceText(out, pair.b);
            out += ": ";
            out += field->name;
            out += ' ';
            appendFieldValue(out, pair.a.item->record(), *field);
            out += " -> ";
            appendFieldValue(out, pair.b.item->record(), *field);
            out += '\n';
        }
    }
}

void appendPlaces(std::string& out, const std::vector<ChannelPlace>& places) {
    out += '[';
    for (std::size_t i = 0; i < places.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        appendPlaceJson(out, places[i]);
    }
    out += places.empty() ? "]" : "\n  ]";
}

// "television": {"onlyInA": [PLACE...], "onlyInB": [PLACE...],
//   "changed": [{"a": PLACE, "b": PLACE, "fields": {"frequency": [A, B], ...}}, ...]}
void appendJson(std::string& out, const NamedDiff& tree) {
    out += '"';
    out += tree.key;
    out += "\": {\n  \"onlyInA\": ";
    appendPlaces(out, tree.diff.onlyInA);
    out += ",\n  \"onlyInB\": ";
    appendPlaces(out, tree.diff.onlyInB);
    out += ",\n  \"changed\": [";
    for (std::size_t i = 0; i < tree.diff.changed.size(); ++i) {
        const ChangedPair& pair = tree.diff.changed[i];
        out += i == 0 ? "\n    {\"a\": " : ",\n    {\"a\": ";
        appendPlaceJson(out, pair.a);
        out += ", \"b\": ";
        appendPlaceJson(out, pair.b);
        out += ", \"fields\": {";
        for (std::size_t f = 0; f < pair.fields.size(); ++f) {
            if (f != 0) out += ", ";
            out += '"';
            out += pair.fields[f]->name;
            out += "\": [";
            appendFieldValue(out, pair.a.item->record(), *pair.fields[f]);
            out += ", ";
            appendFieldValue(out, pair.b.item->record(), *pair.fields[f]);
            out += ']';
        }
        out += "}}";
    }
    out += tree.diff.changed.empty() ? "]}" : "\n  ]}";
}

}  // namespace

// What tells list A from list B, pairing channels as "Compare Lists" does; changes nothing.
int runDiff(Arguments arguments, std::ostream& out, std::ostream& err) {
    const Subcommand& command = subcommandNamed("diff");
    static constexpr std::string_view kFlags[] = {"--json"};
    const std::optional<CommandLine> line = splitCommandLine(command, arguments, kFlags, true, err);
    if (!line) return kDiffTrouble;
    if (line->files.size() != 2) {
        usageError(command, "expected two file names", err);
        return kDiffTrouble;
    }
    const std::optional<CompareOptions> key = channelKeyOf(command, *line, err);
    if (!key) return kDiffTrouble;

    ChannelList a;
    ChannelList b;
    ListDocument documentA(a, FormatChoice::EveryFormat);
    ListDocument documentB(b, FormatChoice::EveryFormat);
    if (loadDocument(documentA, line->files[0], line->formats.from, err) != kExitOk ||
        loadDocument(documentB, line->files[1], line->formats.from, err) != kExitOk)
        return kDiffTrouble;
    const NamedDiff trees[] = {
        {"Television", "television", diffTrees(a.television(), b.television(), *key)},
        {"Radio", "radio", diffTrees(a.radio(), b.radio(), *key)},
    };
    std::string text;
    if (line->has("--json")) {
        text += '{';
        appendJson(text, trees[0]);
        text += ",\n";
        appendJson(text, trees[1]);
        text += "}\n";
    } else {
        for (const NamedDiff& tree : trees) appendText(text, tree);
    }
    out << text;
    return trees[0].diff.same() && trees[1].diff.same() ? kDiffSame : kDiffDifferent;
}

}  // namespace qvx::cli
