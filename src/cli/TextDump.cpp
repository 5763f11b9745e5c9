#include <string_view>

#include "cli/ListDump.h"
#include "formats/Windows1252.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

void appendChannel(std::string& out, const ChannelRecord& r) {
    out += windows1252ToUtf8(r.nameText());
    out += "  " + std::to_string(r.frequency) + " kHz";
    out += r.polarity == 0 ? " H" : " V";
    out += "  " + std::to_string(r.symbolRate) + " sym/s";
    out += "  SID " + std::to_string(r.serviceId);
    out += "  video " + std::to_string(r.videoPid) + " audio " + std::to_string(r.audioPid);
    out += "  LNB" + std::to_string(r.lnb);
    out += r.isScrambled() ? "  PAY-TV\n" : "  FREE-TV\n";
}

void appendTree(std::string& out, std::string_view title, const ChannelTree& tree) {
    out += title;
    out += '\n';
    for (const auto& top : tree.topLevelItems()) {
        out += "  ";
        if (top->record().isChannel != 0) {
            appendChannel(out, top->record());  // a channel that came before any provider
            continue;
        }
        out += windows1252ToUtf8(top->record().nameText());
        out += '\n';
        for (const auto& child : top->children()) {
            out += "    ";
            appendChannel(out, child->record());
        }
    }
}

}  // namespace

std::string listAsText(const ChannelList& list) {
    std::string out;
    appendTree(out, "Television", list.television());
    appendTree(out, "Radio", list.radio());
    return out;
}

}  // namespace qvx::cli
