// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ListFormat.h"

#include <algorithm>

#include "formats/CsvFormat.h"
#include "formats/Dvb98Format.h"
#include "formats/Dvbv5Format.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/JsonFormat.h"
#include "formats/NativeFormat.h"
#include "files/TranslatableText.h"
#include "formats/SatipFormat.h"
#include "formats/VdrFormat.h"
#include "formats/VlcFormat.h"
#include "formats/ZapFormat.h"
#include "files/TranslatableText.h"
#include "model/ChannelList.h"
#include "formats/ChannelExtras.h"

namespace qvx {
namespace {

// The formats that know nothing beyond the two trees: a list read from them
// carries nothing as a whole, whatever it carried before.
template <FileResult (*Read)(ByteSource&, ChannelTree&, ChannelTree&)>
FileResult readTrees(ByteSource& source, ChannelList& list, const FormatOptions&) {
    FileResult result = Read(source, list.television(), list.radio());
    // A short native header leaves the list as it was.
    if (result.outcome != FileOutcome::ShortHeader) list.setCarried(nullptr);
    return result;
}

template <bool (*Write)(ByteSink&, const ChannelTree&, const ChannelTree&)>
bool writeTrees(ByteSink& sink, const ChannelList& list, const FormatOptions&) {
    return Write(sink, list.television(), list.radio());
}

FileResult readJson(ByteSource& source, ChannelList& list, const FormatOptions&) { return readJsonList(source, list); }
bool writeJson(ByteSink& sink, const ChannelList& list, const FormatOptions&) { return writeJsonList(sink, list); }

FileResult readCsv(ByteSource& source, ChannelList& list, const FormatOptions&) { return readCsvList(source, list); }
bool writeCsv(ByteSink& sink, const ChannelList& list, const FormatOptions&) { return writeCsvList(sink, list); }

bool writeNative(ByteSink& sink, const ChannelList& list, const FormatOptions&) {
    return writeNativeList(sink, list.television(), list.radio(), false);
}

bool writeWinDvbLive(ByteSink& sink, const ChannelList& list, const FormatOptions&) {
    return writeNativeList(sink, list.television(), list.radio(), true);
}

// The one place where a file extension is spelled out.
constexpr ListFormatEntry kFormats[] = {
    {ListFormat::Native, "qvx", "Quorvex", "Quorvex (*.qvx)", 2, true, readTrees<readNativeList>, writeNative,
     nullptr, false, "qvx"},
    {ListFormat::WinDvbLive, "chl", "WinDVBLive", "WinDVBLive (*.chl)", 3, true, readTrees<readNativeList>,
     writeWinDvbLive, nullptr, false, "chl"},
    {ListFormat::Dvb98, "dvb", "DVB98", "DVB98 (*.dvb)", 1, false, readTrees<readDvb98List>,
     writeTrees<writeDvb98List>, nullptr, false, "dvb"},
    {ListFormat::DvbExtreme, "xch", "DVBextreme", "DVBextreme (*.xch)", 4, false, readTrees<readDvbExtremeList>,
     writeTrees<writeDvbExtremeList>, nullptr, false, "xch"},
    {ListFormat::Json, "json", "JSON", "JSON (*.json)", 0, false, readJson, writeJson, nullptr, false, "json"},
    // The Linux channel files share "conf"; VDR's is what a ".conf" name writes.
    {ListFormat::Vdr, "conf", "VDR", QVX_TRANSLATE_NOOP("Files", "VDR channels (*.conf)"), 5, false, readVdrList, writeVdrList, looksLikeVdr,
     true, "vdr", describeVdr},
    {ListFormat::Dvbv5, "conf", "dvbv5", QVX_TRANSLATE_NOOP("Files", "dvbv5 channels (*.conf)"), 6, false, readDvbv5List, writeDvbv5List,
     looksLikeDvbv5, true, "dvbv5", describeDvbv5},
    {ListFormat::Zap, "conf", "zap", QVX_TRANSLATE_NOOP("Files", "zap channels (*.conf)"), 7, false, readZapList, writeZapList, looksLikeZap,
     true, "zap", describeZap},
    // Playlists: SAT>IP's is what a ".m3u" name writes and the one read.
    {ListFormat::Satip, "m3u", "SAT>IP", QVX_TRANSLATE_NOOP("Files", "SAT>IP playlist (*.m3u)"), 8, false, readSatipList,
     writeSatipList, nullptr, true, "satip", describeSatip},
    {ListFormat::Satip, "m3u8", "SAT>IP", QVX_TRANSLATE_NOOP("Files", "SAT>IP playlist (*.m3u)"), 8, false, readSatipList,
     writeSatipList, nullptr, true, "satip", describeSatip},
    {ListFormat::Vlc, "m3u", "VLC", QVX_TRANSLATE_NOOP("Files", "VLC playlist (*.m3u)"), 9, false, nullptr, writeVlcList,
     nullptr, true, "vlc"},
    // For spreadsheets; last in the file dialogs.
    {ListFormat::Csv, "csv", "CSV", QVX_TRANSLATE_NOOP("Files", "CSV table (*.csv)"), 10, false, readCsv, writeCsv,
     nullptr, true, "csv"},
};

constexpr ListFormat kAllListsPatternOrder[] = {ListFormat::Dvb98, ListFormat::WinDvbLive, ListFormat::Native,
                                                ListFormat::DvbExtreme};
constexpr AllListsDialogChoice kAllLists{QVX_TRANSLATE_NOOP("Files", "Channellists (*.qvx;*.chl;*.dvb;*.xch)"),
                                         kAllListsPatternOrder};

}  // namespace

std::span<const ListFormatEntry> listFormats() { return kFormats; }

const ListFormatEntry& listFormatEntry(ListFormat format) {
    for (const ListFormatEntry& entry : kFormats)
        if (entry.format == format) return entry;
    return kFormats[0];
}

const ListFormatEntry* listFormatEntryForExtension(std::string_view lowerCasedExtension) {
    for (const ListFormatEntry& entry : kFormats)
        if (entry.extension == lowerCasedExtension) return &entry;
    return nullptr;
}

std::optional<ListFormat> listFormatForExtension(std::string_view lowerCasedExtension) {
    const ListFormatEntry* entry = listFormatEntryForExtension(lowerCasedExtension);
    if (!entry) return std::nullopt;
    return entry->format;
}

bool extensionIsShared(std::string_view lowerCasedExtension) {
    return std::ranges::count(kFormats, lowerCasedExtension, &ListFormatEntry::extension) > 1;
}

const ListFormatEntry* listFormatEntryForContent(std::string_view lowerCasedExtension,
                                                 std::span<const std::uint8_t> head) {
    for (const ListFormatEntry& entry : kFormats)
        if (entry.extension == lowerCasedExtension && entry.probe && entry.probe(head)) return &entry;
    return listFormatEntryForExtension(lowerCasedExtension);
}

const ListFormatEntry* listFormatEntryForName(std::string_view name) {
    for (const ListFormatEntry& entry : kFormats)
        if (entry.toolName == name) return &entry;
    return nullptr;
}

const AllListsDialogChoice& allListsDialogChoice() { return kAllLists; }

namespace {

// "a, b or c" of the distinct texts `part` gives for the rows, in table order.
template <typename Part>
std::string listForMessage(Part part) {
    std::vector<std::string> names;
    for (const ListFormatEntry& entry : kFormats)
        if (std::string name = part(entry); std::ranges::find(names, name) == names.end())
            names.push_back(std::move(name));
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i != 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

}  // namespace

std::string extensionsForMessage() {
    return listForMessage([](const ListFormatEntry& entry) { return "." + std::string(entry.extension); });
}

std::string formatNamesForMessage() {
    return listForMessage([](const ListFormatEntry& entry) { return std::string(entry.toolName); });
}

bool describeCarried(const TreeItem& item, ChannelExtras& extras) {
    const CarriedPtr& carried = item.carried();
    if (!carried) return false;
    for (const ListFormatEntry& entry : kFormats)
        if (entry.toolName == carried->format() && entry.describe) return entry.describe(*carried, extras);
    return false;
}

}  // namespace qvx
