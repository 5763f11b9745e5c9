// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "files/FileResult.h"
#include "formats/ListFormat.h"

namespace qvx {

class ChannelList;
class FileCalls;

// Reads the file at `path` in `format` into a list.
// CannotOpen and ShortHeader leave the list untouched, and so does any
// failure of a format that reads all or nothing (the text formats);
// otherwise both trees were cleared first and hold what was built (a short
// native record leaves the partial trees).
// The file is read-locked while it is read; a write lock of another process
// makes it "Can't open file". A failure of the file itself while reading
// (EIO and the like) ends the read with ReadFailed and the file-error text of
// its cause for "an unnamed file"; the trees keep what was built so far (they
// are untouched when the header of a native file could not be read).
FileResult readList(const std::string& path, ListFormat format, ChannelList& list);
// The same through chosen system calls (tests fail them on purpose).
FileResult readList(const std::string& path, ListFormat format, ChannelList& list, FileCalls& calls);
// As readList, but where other formats share the extension of `format`, the
// file's first bytes choose among them; `format` then tells which was read.
FileResult readListByContent(const std::string& path, ListFormat& format, ChannelList& list, FileCalls& calls);

// Whether `path` is a plain file this process may open for reading, found
// without waiting for anything (a pipe without writer, a device, a folder and
// a file that cannot be opened are not).
bool isReadablePlainFile(const std::string& path);

// The one write operation of every save: replaces the file at `path` with the
// list written in `format`, only when every byte was written. An open failure
// gives CannotCreate ("File <path> could not be opened. Cause <n>"), a later
// one WriteFailed with the file-error text of its cause and the path.
// See SafeSave.h for how the file is replaced.
FileResult writeList(const std::string& path, ListFormat format, const ChannelList& list,
                     const FormatOptions& options = {});
FileResult writeList(const std::string& path, ListFormat format, const ChannelList& list,
                     const FormatOptions& options, FileCalls& calls);
// What a format needs to write the list that neither the list nor `options`
// give (a SAT>IP server for channels from other lists): a CannotCreate
// result naming it, and nothing is touched; Done when all is there.
FileResult checkWritable(const std::string& path, ListFormat format, const ChannelList& list,
                         const FormatOptions& options);
inline FileResult writeList(const std::string& path, ListFormat format, const ChannelList& list, FileCalls& calls) {
    return writeList(path, format, list, FormatOptions{}, calls);
}

}  // namespace qvx
