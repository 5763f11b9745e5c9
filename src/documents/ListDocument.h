// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "formats/FileCalls.h"
#include "formats/FileIdentity.h"
#include "formats/FileResult.h"
#include "formats/ListFormat.h"

namespace qvx {

class ChannelList;
class PreparedSave;

// One list with its file: Load, Save as and Save, as the window's buttons and
// the command-line tool run them. The list keeps the file's state (path,
// extension, has-file flag, status text); the document holds the rules for
// when each of them changes.
// Which rows of the format table a document reads and writes: the window
// keeps to its four list formats (a .json name is no list to it), the
// command-line tool takes every row.
enum class FormatChoice { WindowFormats, EveryFormat };

class ListDocument final {
public:
    explicit ListDocument(ChannelList& list, FileCalls& calls = systemFileCalls());
    ListDocument(ChannelList& list, FormatChoice choice, FileCalls& calls = systemFileCalls());

    ChannelList& list() { return list_; }
    const ChannelList& list() const { return list_; }
    // The format of the list's file: the one it was read or last written in
    // where that was named or found by content, else the one of the chosen
    // file's extension; none when it names no format.
    const ListFormatEntry* format() const;

    // Load: the file becomes the list's file at once (path, status text and
    // extension), whatever happens next; then readChosenFile(). A named
    // format is read whatever the extension; without one, the extension
    // chooses, and where several formats share it, the file's content.
    FileResult load(const std::string& path, std::optional<ListFormat> named = std::nullopt);
    // The rest of Load once the file is chosen. An extension that names no
    // format gives UnknownFormat and touches nothing. Otherwise the has-file
    // flag is set, and stays set when the reader fails, and the reader runs.
    FileResult readChosenFile();
    // Save as: the file becomes the list's file, then save(). The has-file
    // flag is not touched. A named format is written whatever the extension.
    FileResult saveAs(const std::string& path, std::optional<ListFormat> named = std::nullopt);
    // Save: writes both trees to the chosen file in the format of its
    // extension. An extension that names no format writes nothing and
    // leaves an existing file untouched (Done: nothing failed).
    FileResult save();
    // Whether the chosen file is no longer what the last load read or the
    // last save wrote: another device, inode, size or modification time, or
    // gone. False when no load or save of this file has happened yet.
    bool changedOnDisk() const;
    // Save as in two steps, for saving several lists all or none: the file
    // becomes the list's file and the new contents are written beside it;
    // `save`, made for the same path, puts them in place on commit(). An
    // extension that names no format gives UnknownFormat and prepares nothing.
    FileResult prepareSaveAs(const std::string& path, PreparedSave& save,
                             std::optional<ListFormat> named = std::nullopt);
    // What writers get beyond the list (the source for channels that name none).
    void setFormatOptions(FormatOptions options) { options_ = std::move(options); }
    // The file named on the editor's command line: chosen, and read only when
    // its format is one read at start-up (UnknownFormat otherwise).
    FileResult loadAtStartup(const std::string& path);

private:
    // The file becomes the list's file, in the named format when there is
    // one; nothing is known of it on disk yet.
    void chooseFile(const std::string& path, std::optional<ListFormat> named);
    // Notes what a read or write left on disk.
    FileResult remember(FileResult result);

    ChannelList& list_;
    FormatOptions options_;
    FormatChoice choice_;
    FileCalls& calls_;
    // The file as the last load read it or the last save wrote it.
    std::optional<FileIdentity> identity_;
};

}  // namespace qvx
