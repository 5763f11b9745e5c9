// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "formats/FileResult.h"

namespace qvx {

class ByteSink;
class ByteSource;
class ChannelTree;

// The list formats. Only the lower-cased extension selects one; a file's
// contents are never examined to guess it.
enum class ListFormat {
    Native,
    WinDvbLive,  // native layout, with the LNB rule on saving
    Dvb98,
    DvbExtreme,
    Json,  // for scripts; qvxtool reads and writes it, the window does not offer it
};

// Fills both trees of a list from `source`.
using ListReader = FileResult (*)(ByteSource& source, ChannelTree& television, ChannelTree& radio);
// Writes both trees to `sink`; false when the sink failed.
using ListWriter = bool (*)(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio);

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

    bool offeredByWindow() const { return dialogPosition != 0; }
};

// Every format, in the order help texts list them.
std::span<const ListFormatEntry> listFormats();
// The row of a format.
const ListFormatEntry& listFormatEntry(ListFormat format);
// The row of a lower-cased extension, or none for any other text.
const ListFormatEntry* listFormatEntryForExtension(std::string_view lowerCasedExtension);
std::optional<ListFormat> listFormatForExtension(std::string_view lowerCasedExtension);

// The first choice of the file dialogs, every format the window offers at once.
struct AllListsDialogChoice {
    std::string_view description;
    // The formats whose names the choice lists, in the order it lists them.
    std::span<const ListFormat> patternOrder;
};
const AllListsDialogChoice& allListsDialogChoice();

// ".a, .b or .c": the extensions of every format, for messages.
std::string extensionsForMessage();

}  // namespace qvx
