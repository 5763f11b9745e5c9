// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ListFormat.h"

#include "formats/Dvb98Format.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/JsonFormat.h"
#include "formats/NativeFormat.h"

namespace qvx {
namespace {

bool writeNative(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio) {
    return writeNativeList(sink, television, radio, false);
}

bool writeWinDvbLive(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio) {
    return writeNativeList(sink, television, radio, true);
}

// The one place where a file extension is spelled out.
constexpr ListFormatEntry kFormats[] = {
    {ListFormat::Native, "qvx", "Quorvex", "Quorvex (*.qvx)", 2, true, readNativeList, writeNative},
    {ListFormat::WinDvbLive, "chl", "WinDVBLive", "WinDVBLive (*.chl)", 3, true, readNativeList, writeWinDvbLive},
    {ListFormat::Dvb98, "dvb", "DVB98", "DVB98 (*.dvb)", 1, false, readDvb98List, writeDvb98List},
    {ListFormat::DvbExtreme, "xch", "DVBextreme", "DVBextreme (*.xch)", 4, false, readDvbExtremeList,
     writeDvbExtremeList},
    {ListFormat::Json, "json", "JSON", "JSON (*.json)", 0, false, readJsonList, writeJsonList},
};

constexpr ListFormat kAllListsPatternOrder[] = {ListFormat::Dvb98, ListFormat::WinDvbLive, ListFormat::Native,
                                                ListFormat::DvbExtreme};
constexpr AllListsDialogChoice kAllLists{"Channellists (*.qvx;*.chl;*.dvb;*.xch)", kAllListsPatternOrder};

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

const AllListsDialogChoice& allListsDialogChoice() { return kAllLists; }

std::string extensionsForMessage() {
    std::string text;
    const std::size_t count = std::size(kFormats);
    for (std::size_t i = 0; i < count; ++i) {
        if (i != 0) text += i + 1 == count ? " or " : ", ";
        text += '.';
        text += kFormats[i].extension;
    }
    return text;
}

}  // namespace qvx
