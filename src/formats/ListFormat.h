// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "files/FileResult.h"

namespace qvx {

class ByteSink;
class ByteSource;
class Carried;
class ChannelList;
class TreeItem;
struct ChannelExtras;

// The list formats. The lower-cased extension selects one; only where several
// formats share an extension (the Linux channel files, all ".conf") do the
// file's first bytes choose among them, and writing takes the first of them
// unless the format is named.
enum class ListFormat {
    Native,
    WinDvbLive,  // native layout, with the LNB rule on saving
    Dvb98,
    DvbExtreme,
    Json,  // for scripts; qvxtool reads and writes it, the window does not offer it
    Vdr,   // VDR's channels.conf
    Dvbv5,  // dvbv5-scan's channel files (".conf")
    Zap,    // szap, czap, tzap and azap channel files (".conf")
    Satip,  // SAT>IP playlists (".m3u", ".m3u8")
    Vlc,    // VLC's DVB playlists (".m3u"), written only
    Csv,    // a table for spreadsheets
};

// What a reader or writer knows beyond the bytes.
struct FormatOptions {
    // The file's name without its folder: formats without providers of their
    // own put the channels under a made-up provider named after it.
    std::string fileName;
    // The orbital position written for a channel that names none (VDR's
    // source); qvxtool's --source chooses another.
    std::string defaultSource = "S19.2E";
    // The number of this read, which a reader gives every carried text it
    // makes, the list's own included (see Carried::file).
    std::uint64_t fileId = 0;
    // The SAT>IP server ("rtsp://HOST:554/") of channels written to a
    // playlist that the list does not name one for.
    std::string satipUrl = {};
};

// Fills both trees of a list, and what the list carries, from `source`.
using ListReader = FileResult (*)(ByteSource& source, ChannelList& list, const FormatOptions& options);
// Writes the list to `sink`; false when the sink failed.
using ListWriter = bool (*)(ByteSink& sink, const ChannelList& list, const FormatOptions& options);
// Whether a file's first bytes (up to kProbeSize of them) look like the
// format; used to choose among the formats that share an extension.
using ContentProbe = bool (*)(std::span<const std::uint8_t> head);
inline constexpr std::size_t kProbeSize = 4096;
// What an item's carried texts of this format say in neutral terms (for
// writing it in another format); false when they say nothing it can tell.
using CarriedDescriber = bool (*)(const Carried& carried, ChannelExtras& extras);

// One row of the table of formats: everything the program knows about a
// format in one place, for the window and the command-line tool alike.
struct ListFormatEntry {
    ListFormat format;
    std::string_view extension;  // lower-cased, without the dot
    std::string_view name;       // the program the format belongs to
    // What the file dialogs show for this format alone.
    std::string_view dialogDescription;
    // Where the file dialogs list it among the single formats, from 1; 0 for a
    // format the window does not offer (the command-line tool still reads and
    // writes it).
    int dialogPosition;
    // Whether a file named on the editor's command line is read at start-up.
    bool loadableAtStartup;
    ListReader read;
    ListWriter write;
    // For formats that share their extension with others; null otherwise.
    ContentProbe probe = nullptr;
    // A read that fails leaves the list as it was (the text formats); the
    // binary formats keep what they read up to the fault.
    bool allOrNothing = false;
    // The name qvxtool's --to and --from take ("vdr").
    std::string_view toolName = {};
    // For the formats whose items carry texts: reads them for other formats.
    CarriedDescriber describe = nullptr;

    bool offeredByWindow() const { return dialogPosition != 0; }
};

// Every format, in the order help texts list them.
std::span<const ListFormatEntry> listFormats();
// The row of a format.
const ListFormatEntry& listFormatEntry(ListFormat format);
// The row of a lower-cased extension, or none for any other text. Where
// several rows share it, the first: what writing a file of that name takes.
const ListFormatEntry* listFormatEntryForExtension(std::string_view lowerCasedExtension);
std::optional<ListFormat> listFormatForExtension(std::string_view lowerCasedExtension);
// Whether more than one format is written under this extension, so that the
// file's contents decide when it is read.
bool extensionIsShared(std::string_view lowerCasedExtension);
// The row among those of the extension whose probe takes `head`; the first
// row of the extension when no probe does (it then reports what is wrong).
const ListFormatEntry* listFormatEntryForContent(std::string_view lowerCasedExtension,
                                                 std::span<const std::uint8_t> head);
// The row of a name for --to and --from ("vdr", or an extension such as "qvx").
const ListFormatEntry* listFormatEntryForName(std::string_view name);

// The first choice of the file dialogs, every format the window offers at once.
struct AllListsDialogChoice {
    std::string_view description;
    // The formats whose names the choice lists, in the order it lists them.
    std::span<const ListFormat> patternOrder;
};
const AllListsDialogChoice& allListsDialogChoice();

// ".a, .b or .c": the extensions of every format, each once, for messages.
std::string extensionsForMessage();
// "a, b or c": the names --to and --from take, for messages.
std::string formatNamesForMessage();

// What an item carries, in neutral terms, whichever text format it came
// from; false (and `extras` untouched) when it carries nothing a format can tell.
bool describeCarried(const TreeItem& item, ChannelExtras& extras);

}  // namespace qvx
