// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SatipFormat.h"

#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

#include "files/ByteStream.h"
#include "formats/ChannelNameText.h"
#include "formats/ConvertedRecord.h"
#include "formats/FileOrder.h"
#include "formats/PlaylistEntry.h"
#include "formats/ReaderSupport.h"
#include "formats/RecordChanges.h"
#include "formats/RecordTuning.h"
#include "formats/SatipUrl.h"
#include "formats/TextLines.h"
#include "formats/TextNumbers.h"
#include "model/ChannelList.h"
#include "model/EntryWalk.h"
#include "model/Windows1252.h"

namespace qvx {
namespace {

constexpr std::string_view kFormat = "satip";
// A channel's entry as the file had it: its #EXTINF line, the lines after
// it, and its URL line.
constexpr std::string_view kEntryField = "entry";
// On the list: the part before the query of its first channel's URL, for
// the channels that come from elsewhere; and "1" where lines end in "\r\n".
constexpr std::string_view kServerField = "server";
constexpr std::string_view kCrlfField = "crlf";

constexpr std::uint8_t kTelevision = static_cast<std::uint8_t>(TreeKind::Television);
constexpr std::uint8_t kRadio = static_cast<std::uint8_t>(TreeKind::Radio);
constexpr std::uint8_t kVolumeAsRead = 100;

bool isLooseLine(std::string_view line) {
    const std::string_view text = trimBlanks(line);
    return text.empty() || text.front() == '#';
}

// What an entry says: its lines, its tuning, its title and attributes.
struct SatipEntry {
    std::string_view extinf;  // empty when the entry has none
    std::string_view urlLine;
    SatipUrl url;
    SatipTuning tuning;
    std::string name;
    bool radio = false;
    std::string_view group;
};

// The label of an entry without a title: "11494 MHz H".
std::string tuningLabel(const SatipTuning& tuning) {
    std::string label = decimalOf(tuning.extras.frequencyHz.value_or(0), 1'000'000) + " MHz";
    if (tuning.extras.polarization) {
        label.push_back(' ');
        for (const char c : satipPolarizationWord(*tuning.extras.polarization))
            label.push_back(static_cast<char>(c - 'a' + 'A'));
    }
    return label;
}

// Reads an entry's text; false for an entry without tuning, a fault for bad tuning.
bool readEntry(std::string_view text, SatipEntry& entry, std::string& fault) {
    const std::size_t lastBreak = text.rfind('\n');
    entry.urlLine = lastBreak == std::string_view::npos ? text : text.substr(lastBreak + 1);
    const std::string_view first = text.substr(0, text.find('\n'));
    entry.extinf = isExtinfLine(first) && lastBreak != std::string_view::npos ? first : std::string_view();
    if (!splitSatipUrl(entry.urlLine, entry.url) || !carriesTuning(entry.url)) return false;
    if (std::optional<std::string> bad = parseSatipTuning(entry.url, entry.tuning)) {
        fault = std::move(*bad);
        return true;
    }
    std::optional<std::string_view> title;
    entry.radio = false;
    entry.group = {};
    if (!entry.extinf.empty()) {
        const ExtinfLine line(entry.extinf);
        title = line.title();
        if (const auto radio = line.attribute("radio")) entry.radio = equalsIgnoringCase(radio->value, "true");
        if (const auto group = line.attribute("group-title")) entry.group = group->value;
    }
    entry.name = title && !title->empty() ? std::string(*title) : tuningLabel(entry.tuning);
    return true;
}

// The record an entry reads as, but for its name.
ChannelRecord recordOfEntry(const SatipEntry& entry) {
    ChannelRecord record = recordOfTuning(entry.tuning);
    record.serviceType = entry.radio ? kRadio : kTelevision;
    return record;
}

// Text as the playlist had it, in UTF-8 (an older file's bytes are windows-1252).
std::string utf8Of(std::string_view text) {
    return decodeUtf8(text) ? std::string(text) : windows1252ToUtf8(text);
}

bool isMadeUp(const TreeItem& item) { return item.carried() && item.carried()->has(carried::kMadeUp); }

// The group a channel is written in: its provider's name, unless the
// provider was made up.
std::string groupOf(const TreeItem& item) {
    const TreeItem* parent = item.parent();
    if (!parent || isMadeUp(*parent)) return {};
    const std::string_view fullName = parent->carried() ? parent->carried()->field(carried::kFullName) : std::string_view();
    return textNameOf(parent->record(), fullName);
}

class PlaylistReader final {
public:
    PlaylistReader(const FormatOptions& options) : options_(options) {}

    FileResult read(ByteSource& source, ChannelList& list) {
        TextLines lines(source);
        if (lines.error() != 0) return readFailure(lines.error());
        std::string_view line;
        bool first = true;
        while (lines.next(line)) {
            if (first) crlf_ = line.ends_with('\r');
            first = false;
            const std::uint32_t place = lines.number();
            if (isExtinfLine(line)) {
                // An #EXTINF without a URL after it is kept as it was.
                keepLoose();
                open_.push_back({place, line});
            } else if (isLooseLine(line)) {
                if (open_.empty())
                    loose_.push_back({place, std::string(line)});
                else
                    open_.push_back({place, line});
            } else {
                open_.push_back({place, line});
                if (FileResult result = closeEntry(); !result.ok()) return result;
            }
        }
        keepLoose();
        finish(list);
        std::vector<Carried::Field> more;
        if (!server_.empty()) more.push_back({kServerField, server_});
        if (crlf_) more.push_back({kCrlfField, "1"});
        list.setCarried(listCarriedOf(kFormat, options_.fileId, loose_, lines.lacksFinalNewline(), more));
        FileResult result;
        warnOf(result, FileWarningKind::PlainStreamsKept, plainStreams_);
        return result;
    }

private:
    struct Line {
        std::uint32_t place;
        std::string_view text;
    };

    void keepLoose() {
        for (const Line& line : open_) loose_.push_back({line.place, std::string(line.text)});
        open_.clear();
    }

    FileResult closeEntry() {
        const std::string_view text(open_.front().text.data(), static_cast<std::size_t>(
            open_.back().text.data() + open_.back().text.size() - open_.front().text.data()));
        std::string fault;
        if (!readEntry(text, entry_, fault)) {
            ++plainStreams_;
            keepLoose();
            return {};
        }
        if (!fault.empty()) return badLine(open_.back().place, fault);
        if (server_.empty()) server_ = std::string(entry_.url.base);
        ChannelRecord record = recordOfEntry(entry_);
        std::vector<Carried::Field> fields{{kEntryField, text}};
        std::string fullName;
        setNameFromText(record, entry_.name, fullName, fields);
        TreeItem* provider = providerOf(record.serviceType, entry_.group);
        provider->appendDetachedChild(TreeItem::makeChannel(record, makeCarried(kFormat, open_.front().place, fields, options_.fileId)));
        open_.clear();
        return {};
    }

    // The provider of a group in a tree, made at its first channel; the
    // channels without a group share one named after the file.
    TreeItem* providerOf(std::uint8_t kind, std::string_view group) {
        const std::size_t tree = kind == kTelevision ? 0 : 1;
        const bool grouped = !group.empty();
        std::string key = grouped ? "G" + std::string(group) : std::string("N");
        TreeItem*& provider = providers_[tree][key];
        if (provider) return provider;
        ChannelRecord record = convertedRecordBase();
        record.serviceType = kind;
        record.volume = kVolumeAsRead;
        std::vector<Carried::Field> fields;
        if (!grouped) fields.push_back({carried::kMadeUp, "1"});
        std::string fullName;
        setNameFromText(record, grouped ? group : std::string_view(options_.fileName), fullName, fields);
        top_[tree].push_back(TreeItem::makeProvider(record, makeCarried(kFormat, 0, fields, options_.fileId)));
        provider = top_[tree].back().get();
        return provider;
    }

    void finish(ChannelList& list) {
        list.television().clear();
        list.radio().clear();
        for (std::size_t tree = 0; tree < 2; ++tree) {
            ChannelTree& target = tree == 0 ? list.television() : list.radio();
            ChannelTree::BulkChange bulk(target);
            for (std::unique_ptr<TreeItem>& item : top_[tree]) target.appendItem(nullptr, std::move(item));
        }
    }

    const FormatOptions& options_;
    std::vector<Line> open_;
    std::vector<LooseLine> loose_;
    SatipEntry entry_;
    std::string server_;
    bool crlf_ = false;
    std::size_t plainStreams_ = 0;
    std::array<std::vector<std::unique_ptr<TreeItem>>, 2> top_;
    std::array<std::unordered_map<std::string, TreeItem*>, 2> providers_;
};

// Writes the entries of a list.
class PlaylistWriter final {
public:
    PlaylistWriter(const ChannelList& list, const FormatOptions& options) : options_(options) {
        const CarriedPtr& carried = list.carried();
        if (carried && carried->format() == kFormat) {
            ownFile_ = true;
            server_ = carried->field(kServerField);
            if (carried->has(kCrlfField)) lineEnd_ = "\r";
        }
        if (server_.empty()) server_ = satipServerOf(options.satipUrl);
    }

    bool ownFile() const { return ownFile_; }
    bool canWrite(const TreeItem& item) const { return !server_.empty() || carriesEntry(item); }

    // The entry of a channel as it is now.
    std::string_view entryOf(const TreeItem& item, std::string& out) {
        out.clear();
        if (carriesEntry(item)) {
            const std::string_view text = item.carried()->field(kEntryField);
            std::string fault;
            if (readEntry(text, entry_, fault) && fault.empty()) return rewritten(item, text, out);
        }
        return composed(item, out);
    }

    static bool carriesEntry(const TreeItem& item) {
        return item.carried() && item.carried()->format() == kFormat && item.carried()->has(kEntryField);
    }

private:
    std::string_view rewritten(const TreeItem& item, std::string_view text, std::string& out) {
        const ChannelRecord& now = item.record();
        const ChannelRecord was = recordOfEntry(entry_);
        const unsigned changes = changedFields(was, now) & ~changed::kName;
        const bool renamed = !recordHoldsName(now, entry_.name);
        const bool radio = now.serviceType == kRadio;
        const std::string group = groupOf(item);
        const bool regrouped = group != utf8Of(entry_.group);
        const bool pidsChanged = !samePids(was, now);
        if (changes == 0 && !renamed && radio == entry_.radio && !regrouped && !pidsChanged) return text;

        std::string extinf(entry_.extinf);
        if (renamed || radio != entry_.radio || regrouped) {
            if (extinf.empty()) extinf = "#EXTINF:0," + titleOf(entry_.name) + lineEnd_;
            if (renamed)
                extinf = ExtinfLine(extinf).withTitle(titleOf(textNameOf(now, item.carried()->field(carried::kFullName))));
            if (radio != entry_.radio) extinf = ExtinfLine(extinf).withAttribute("radio", radio ? "true" : "");
            if (regrouped) extinf = ExtinfLine(extinf).withAttribute("group-title", attributeValueOf(group));
        }
        // The lines between, as they were.
        const std::size_t middleStart = entry_.extinf.empty() ? 0 : entry_.extinf.size() + 1;
        const std::string_view middle = text.substr(middleStart, text.size() - entry_.urlLine.size() - middleStart);
        if (!extinf.empty()) out.append(extinf).append("\n");
        out.append(middle);
        if (changes == 0 && !pidsChanged) {
            out.append(entry_.urlLine);
        } else {
            const std::string_view trimmed = trimBlanks(entry_.urlLine);
            const std::size_t lead = static_cast<std::size_t>(trimmed.data() - entry_.urlLine.data());
            out.append(entry_.urlLine.substr(0, lead));
            out.append(entry_.url.base).append("?").append(rewriteSatipQuery(entry_.url, tuningChanges(now, changes, pidsChanged)));
            out.append(entry_.urlLine.substr(lead + trimmed.size()));
        }
        return out;
    }

    std::vector<std::pair<std::string, std::string>> tuningChanges(const ChannelRecord& now, unsigned changes,
                                                                   bool pidsChanged) const {
        const ChannelExtras extras = currentExtras(now, entry_.tuning.extras, {});
        const bool satellite = isSatellite(extras.system.value_or(DeliverySystem::DvbS));
        std::vector<std::pair<std::string, std::string>> values;
        if (changes & changed::kFrequency) values.emplace_back("freq", decimalOf(extras.frequencyHz.value_or(0), 1'000'000));
        if (changes & changed::kSymbolRate) values.emplace_back("sr", decimalOf(now.symbolRate, 1000));
        if ((changes & changed::kPolarity) && satellite && extras.polarization)
            values.emplace_back("pol", std::string(satipPolarizationWord(*extras.polarization)));
        if (changes & changed::kCodeRate)
            values.emplace_back("fec", extras.codeRate ? std::string(satipCodeRateWord(*extras.codeRate)) : std::string());
        if ((changes & changed::kModulation) && extras.modulation)
            values.emplace_back("mtype", std::string(satipModulationWord(*extras.modulation)));
        if ((changes & changed::kLnb) && satellite) values.emplace_back("src", std::to_string(now.lnb + 1));
        const std::optional<std::string_view> pids = entry_.url.value("pids");
        const bool allPids = pids && equalsIgnoringCase(*pids, "all");
        if (pidsChanged && !allPids) {
            // The PIDs asked for so far stay; those the record names now join them.
            std::vector<std::uint16_t> list = entry_.tuning.pids;
            for (const std::uint16_t pid : pidsOfRecord(now))
                if (std::ranges::find(list, pid) == list.end()) list.push_back(pid);
            std::string text;
            for (const std::uint16_t pid : list) text += (text.empty() ? "" : ",") + std::to_string(pid);
            values.emplace_back("pids", text);
        }
        return values;
    }

    std::string_view composed(const TreeItem& item, std::string& out) {
        const ChannelRecord& record = item.record();
        ChannelExtras described;
        describeCarried(item, described);
        const ChannelExtras now = currentExtras(record, described, options_.defaultSource);
        out = "#EXTINF:0";
        if (record.serviceType == kRadio) out += " radio=\"true\"";
        if (const std::string group = groupOf(item); !group.empty()) out += " group-title=\"" + attributeValueOf(group) + "\"";
        out += "," + titleOf(textNameOf(record, now.fullName)) + lineEnd_ + "\n";
        out += server_ + "?" + composeSatipQuery(now, record.symbolRate, pidsOfRecord(record)) + lineEnd_;
        return out;
    }

    const FormatOptions& options_;
    bool ownFile_ = false;
    std::string server_;
    std::string lineEnd_;
    SatipEntry entry_;
};

}  // namespace

FileResult readSatipList(ByteSource& source, ChannelList& list, const FormatOptions& options) {
    return PlaylistReader(options).read(source, list);
}

bool writeSatipList(ByteSink& sink, const ChannelList& list, const FormatOptions& options) {
    PlaylistWriter writer(list, options);
    const std::vector<PlacedItem> channels = channelsInFileOrder(list);
    for (const PlacedItem& placed : channels)
        if (!writer.canWrite(*placed.item)) return false;
    TextLineWriter out(sink, list, kFormat);
    if (!writer.ownFile()) out.line("#EXTM3U");
    std::string buffer;
    for (const PlacedItem& placed : channels) out.line(placed.key, writer.entryOf(*placed.item, buffer));
    return out.finish();
}

bool describeSatip(const Carried& carried, ChannelExtras& extras) {
    SatipEntry entry;
    std::string fault;
    if (!readEntry(carried.field(kEntryField), entry, fault) || !fault.empty()) return false;
    extras = entry.tuning.extras;
    extras.providerName = std::string(entry.group);
    extras.fullName = std::string(carried.field(carried::kFullName));
    return true;
}

bool satipServerNeeded(const ChannelList& list, const FormatOptions& options) {
    const PlaylistWriter writer(list, options);
    bool needed = false;
    walkEntries(list.television(), list.radio(), [&](const auto& entry) {
        if (entry.item.record().isChannel != 0 && !writer.canWrite(entry.item)) needed = true;
    });
    return needed;
}

std::string satipServerOf(std::string_view text) {
    const std::size_t scheme = text.find("://");
    if (scheme == std::string_view::npos || scheme == 0 || scheme + 3 >= text.size()) return {};
    for (const char c : text.substr(0, scheme))
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))
            return {};
    for (const char c : text)
        if (static_cast<unsigned char>(c) <= ' ' || c == '?' || c == '#' || c == '"') return {};
    std::string server(text);
    if (server.find('/', scheme + 3) == std::string::npos) server.push_back('/');
    return server;
}

}  // namespace qvx
