// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "files/FileCalls.h"
#include "files/FileIdentity.h"
#include "files/FileResult.h"
#include "formats/ListFormat.h"

namespace qvx {

class ChannelList;
class PreparedSave;

// Which rows of the format table a document reads and writes: the window
// keeps to its four list formats (a .json name is no list to it), the
// command-line tool takes every row.
enum class FormatChoice { WindowFormats, EveryFormat };

// What a list's status pane names: no file yet (at start, or after a start-up
// file that was not loaded), the chosen file, or none after Close.
enum class ShownFile { NoneYet, Chosen, NoneAfterClose };

// One list with its file: Load, Save as and Save, as the window's buttons and
// the command-line tool run them. It keeps the file's state (path, extension,
// format, has-file flag, the name shown for it) and the rules for when each
// of them changes; the list itself holds only what the file holds.
class ListDocument final {
public:
    explicit ListDocument(ChannelList& list, FileCalls& calls = systemFileCalls());
    ListDocument(ChannelList& list, FormatChoice choice, FileCalls& calls = systemFileCalls());
    ListDocument(const ListDocument&) = delete;
    ListDocument& operator=(const ListDocument&) = delete;

    ChannelList& list() { return list_; }
    const ChannelList& list() const { return list_; }

    // Full path of the file last chosen by Load or Save as (or the start-up
    // file); empty at start.
    const std::string& path() const { return file_.path; }
    // Lower-cased extension of that path.
    const std::string& extension() const { return file_.extension; }
    // True once a load of a known format was started; false at start, after
    // Close and after a comparison of the lists.
    bool hasFile() const { return file_.hasFile; }
    void setHasFile(bool hasFile) { file_.hasFile = hasFile; }
    ShownFile shownFile() const { return file_.shown; }
    // The chosen file's name without its folder, while shownFile() is Chosen.
    std::string shownName() const;

    // The format of the list's file: the one it was read or last written in
    // where that was named or found by content, else the one of the chosen
    // file's extension; none when it names no format.
    const ListFormatEntry* format() const;
    // The name of the format the file was read or last written in, where the
    // extension alone does not tell it (a ".conf" file is VDR, dvbv5 or zap;
    // qvxtool's --to and --from name any); empty otherwise.
    const std::string& formatName() const { return file_.formatName; }

    // Load: the file becomes the list's file at once (path, shown name and
    // extension), whatever happens next; then readChosenFile(). A named
    // format is read whatever the extension; without one, the extension
    // chooses, and where several formats share it, the file's content.
    // A format that reads all or nothing (the text formats) that fails leaves
    // the list and its file as they were.
    FileResult load(const std::string& path, std::optional<ListFormat> named = std::nullopt);
    // Whether the last load failed and left the list and its file as they were.
    bool lastLoadKeptTheList() const { return lastLoadKeptTheList_; }
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
    // The file named on the editor's command line: path and extension are
    // taken whatever it is; it is shown and read only when its format is one
    // read at start-up (UnknownFormat otherwise).
    FileResult loadAtStartup(const std::string& path);
    // Close: the has-file flag is cleared and the pane shows no file; path
    // and extension stay until the next file is chosen. The list is emptied
    // by whoever closes it.
    void forgetFile();

private:
    // The file becomes the list's file, in the named format when there is
    // one; nothing is known of it on disk yet.
    void chooseFile(const std::string& path, std::optional<ListFormat> named);
    // Notes what a read or write left on disk.
    FileResult remember(FileResult result);

    // What the document knows of its file, kept whole so that a load can be
    // taken back.
    struct FileState {
        std::string path;
        std::string extension;
        std::string formatName;
        bool hasFile = false;
        ShownFile shown = ShownFile::NoneYet;
        // The file as the last load read it or the last save wrote it.
        std::optional<FileIdentity> identity;
    };

    ChannelList& list_;
    FormatOptions options_;
    FormatChoice choice_;
    FileCalls& calls_;
    FileState file_;
    bool lastLoadKeptTheList_ = false;
};

}  // namespace qvx
