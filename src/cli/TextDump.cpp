// SPDX-License-Identifier: GPL-3.0-or-later
#include <string_view>

#include "cli/ListDump.h"
#include "cli/PieceWriter.h"
#include "cli/TerminalText.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

void appendChannel(std::string& out, const ChannelRecord& r) {
    appendRecordText(out, r.nameText(), false);
    out += "  " + std::to_string(r.frequency) + " kHz";
    out += r.polarity == 0 ? " H" : " V";
    out += "  " + std::to_string(r.symbolRate) + " sym/s";
    out += "  SID " + std::to_string(r.serviceId);
    out += "  video " + std::to_string(r.videoPid) + " audio " + std::to_string(r.audioPid);
    out += "  LNB" + std::to_string(r.lnb);
    out += r.isScrambled() ? "  PAY-TV\n" : "  FREE-TV\n";
}

bool writeTree(PieceWriter& writer, std::string_view title, const ChannelTree& tree) {
    std::string& out = writer.text();
    out += title;
    out += '\n';
    for (const auto& top : tree.topLevelItems()) {
        out += "  ";
        if (top->record().isChannel != 0) {
            appendChannel(out, top->record());  // a channel that came before any provider
            if (!writer.pass()) return false;
            continue;
        }
        appendRecordText(out, top->record().nameText(), false);
        out += '\n';
        for (const auto& child : top->children()) {
            out += "    ";
            appendChannel(out, child->record());
            if (!writer.pass()) return false;
        }
    }
    return writer.pass();
}

}  // namespace

bool writeListAsText(const ChannelList& list, std::ostream& out) {
    PieceWriter writer(out);
    return writeTree(writer, "Television", list.television()) && writeTree(writer, "Radio", list.radio()) &&
           writer.passAll();
}

}  // namespace qvx::cli
