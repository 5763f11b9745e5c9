// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ZapFormat.h"

#include <string>
#include <vector>

#include "files/ByteStream.h"
#include "formats/ChannelNameText.h"
#include "formats/Dvbv5Section.h"
#include "formats/FileNamedProviders.h"
#include "formats/RecordChanges.h"
#include "formats/RecordTuning.h"
#include "formats/TextLines.h"
#include "formats/ZapLine.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

constexpr std::string_view kFormat = "zap";
// A channel's line as the file had it.
constexpr std::string_view kLineField = "line";

// The line of a channel as it is now: the one it was read from where the
// record still says what that line says; that line with the changed fields
// written anew; or a new one.
std::string_view lineOf(const TreeItem& item, const FormatOptions& options, std::string& out) {
    const ChannelRecord& record = item.record();
    const CarriedPtr& carried = item.carried();
    out.clear();
    if (carried && carried->format() == kFormat) {
        const std::string_view text = carried->field(kLineField);
        ZapLine line;
        if (!text.empty() && !parseZapLine(text, line)) {
            unsigned changes = changedFields(recordOfZapLine(line), record) & ~changed::kName;
            if (!recordHoldsName(record, line.name)) changes |= changed::kName;
            if (changes == 0) return text;
            addZapPids(line);
            line.extras.fullName = std::string(carried->field(carried::kFullName));
            rewriteZapLine(line, changes, record, currentExtras(record, line.extras, options.defaultSource), out);
            return out;
        }
    }
    ChannelExtras described;
    describeCarried(item, described);
    composeZapLine(record, currentExtras(record, described, options.defaultSource), out);
    return out;
}

}  // namespace

FileResult readZapList(ByteSource& source, ChannelList& list, const FormatOptions& options) {
    TextLines lines(source);
    if (lines.error() != 0) return readFailure(lines.error());
    FileNamedProviders providers(kFormat, options.fileName, options.fileId);
    std::vector<LooseLine> loose;
    std::string_view text;
    std::vector<Carried::Field> fields;
    std::string fullName;
    while (lines.next(text)) {
        if (isLooseLine(text)) {
            loose.push_back({lines.number(), std::string(text)});
            continue;
        }
        ZapLine line;
        if (const std::optional<std::string> fault = parseZapLine(text, line)) return badLine(lines.number(), *fault);
        ChannelRecord record = recordOfZapLine(line);
        fields.assign({{kLineField, text}});
        setNameFromText(record, line.name, fullName, fields);
        providers.add(record, makeCarried(kFormat, lines.number(), fields, options.fileId));
    }
    providers.fill(list);
    list.setCarried(listCarriedOf(kFormat, options.fileId, loose, lines.lacksFinalNewline()));
    return {};
}

bool writeZapList(ByteSink& sink, const ChannelList& list, const FormatOptions& options) {
    TextLineWriter out(sink, list, kFormat);
    std::string buffer;
    for (const PlacedItem& placed : channelsInFileOrder(list))
        out.line(placed.key, lineOf(*placed.item, options, buffer));
    return out.finish();
}

bool looksLikeZap(std::span<const std::uint8_t> head) {
    const std::string_view text(reinterpret_cast<const char*>(head.data()), head.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!isLooseLine(line)) return looksLikeZapLine(line);
    }
    return false;
}

bool describeZap(const Carried& carried, ChannelExtras& extras) {
    const std::string_view text = carried.field(kLineField);
    ZapLine line;
    if (text.empty() || parseZapLine(text, line)) return false;
    addZapPids(line);
    extras = line.extras;
    extras.fullName = std::string(carried.field(carried::kFullName));
    return true;
}

}  // namespace qvx
