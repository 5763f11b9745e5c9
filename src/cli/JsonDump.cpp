#include <cstdint>
#include <ostream>
#include <string_view>

#include "cli/ListDump.h"
#include "cli/PieceWriter.h"
#include "cli/TerminalText.h"
#include "model/ChannelList.h"

namespace qvx::cli {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void appendJsonText(std::string& out, std::string_view bytes) {
    out += '"';
    appendRecordText(out, bytes, true);
    out += '"';
}

class RecordWriter {
public:
    explicit RecordWriter(std::string& out) : out_(out) { out_ += '{'; }
    ~RecordWriter() { out_ += '}'; }
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    template <std::size_t N>
    void text(std::string_view name, const char (&field)[N]) {
        key(name);
        appendJsonText(out_, ChannelRecord::fieldText(field));
    }
    void number(std::string_view name, std::uint64_t value) {
        key(name);
        out_ += std::to_string(value);
    }
    template <typename T, std::size_t N>
    void numbers(std::string_view name, const T (&values)[N]) {
        key(name);
        out_ += '[';
        for (std::size_t i = 0; i < N; ++i) {
            if (i != 0) out_ += ", ";
            out_ += std::to_string(values[i]);
        }
        out_ += ']';
    }
    void hex(std::string_view name, const RecordImage& image) {
        key(name);
        out_ += '"';
        for (const std::uint8_t byte : image) {
            out_ += kHexDigits[byte >> 4];
            out_ += kHexDigits[byte & 0xF];
        }
        out_ += '"';
    }

private:
    void key(std::string_view name) {
        if (!first_) out_ += ", ";
        first_ = false;
        out_ += '"';
        out_ += name;
        out_ += "\": ";
    }

    std::string& out_;
    bool first_ = true;
};

void appendRecord(std::string& out, const ChannelRecord& r) {
    RecordWriter w(out);
    w.text("tag", r.tag);
    w.text("version", r.version);
    w.text("name", r.name);
    w.text("transponder", r.transponder);
    w.number("isChannel", r.isChannel);
    w.number("serviceType", r.serviceType);
    w.number("frequency", r.frequency);
    w.number("symbolRate", r.symbolRate);
    w.number("videoPid", r.videoPid);
    w.number("audioPid", r.audioPid);
    w.number("teletextPid", r.teletextPid);
    w.number("pcrPid", r.pcrPid);
    w.number("pmtPid", r.pmtPid);
    w.number("ac3Pid", r.ac3Pid);
    w.number("reservedA", r.reservedA);
    w.number("reservedB", r.reservedB);
    w.number("dvbxExtra1", r.dvbxExtra1);
    w.number("dvbxExtra2", r.dvbxExtra2);
    w.number("dvbxParentNumber", r.dvbxParentNumber);
    w.numbers("reservedWords", r.reservedWords);
    w.numbers("reservedLongs", r.reservedLongs);
    w.number("rotorPosition", r.rotorPosition);
    w.number("volume", r.volume);
    w.number("dvbxExtra3", r.dvbxExtra3);
    w.number("dvbxExtra4", r.dvbxExtra4);
    w.number("qam", r.qam);
    w.number("fec", r.fec);
    w.number("auxTuning", r.auxTuning);
    w.number("polarity", r.polarity);
    w.number("lnb", r.lnb);
    w.number("pmcPid", r.pmcPid);
    w.number("serviceId", r.serviceId);
    w.number("transportStreamId", r.transportStreamId);
    w.number("networkId", r.networkId);
    w.number("scrambled", r.scrambled);
    w.number("tvSignal", r.tvSignal);
    w.number("reservedD", r.reservedD);
    w.hex("image", r.image());
}

bool writeTree(PieceWriter& writer, const ChannelTree& tree) {
    std::string& out = writer.text();
    out += '[';
    bool firstItem = true;
    for (const auto& top : tree.topLevelItems()) {
        out += firstItem ? "\n  " : ",\n  ";
        firstItem = false;
        out += "{\"record\": ";
        appendRecord(out, top->record());
        out += ", \"children\": [";
        bool firstChild = true;
        for (const auto& child : top->children()) {
            out += firstChild ? "\n    " : ",\n    ";
            firstChild = false;
            appendRecord(out, child->record());
            if (!writer.pass()) return false;
        }
        out += firstChild ? "]}" : "\n  ]}";
        if (!writer.pass()) return false;
    }
    out += firstItem ? "]" : "\n]";
    return true;
}

}  // namespace

std::string recordAsJson(const ChannelRecord& record) {
    std::string out;
    appendRecord(out, record);
    return out;
}

bool writeListAsJson(const ChannelList& list, std::ostream& out) {
    PieceWriter writer(out);
    writer.text() = "{\"television\": ";
    if (!writeTree(writer, list.television())) return false;
    writer.text() += ", \"radio\": ";
    if (!writeTree(writer, list.radio())) return false;
    writer.text() += "}\n";
    return writer.passAll();
}

}  // namespace qvx::cli
