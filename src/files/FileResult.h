// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileError.h"
#include "files/FileWarning.h"
#include "files/FileIdentity.h"

namespace qvx {

// What became of reading or writing a list file.
enum class FileOutcome {
    Done,
    UnknownFormat,   // the extension names no format: nothing read or written, nothing to say
    CannotOpen,      // reading: "Can't open file <path>", the list untouched
    ShortHeader,     // reading: the native header was short, the list untouched
    ReadFailed,      // reading: a short record or a failing file; the trees keep what was built
    BadContent,      // reading: "<path>: " and where and why the content is no list; the trees left empty
    CannotCreate,    // writing: "File <path> could not be opened. Cause <n>", nothing written
    WriteFailed,     // writing: the file-error text of the cause, the old file kept
};

// The one result of every read and write of a list file.
struct FileResult {
    FileOutcome outcome = FileOutcome::Done;
    // Cause number of a failure of the file itself (kCauseNone otherwise).
    int cause = kCauseNone;
    // The text the user is shown; empty when all went well.
    std::string message;
    // The system's own words for the failure (strerror), empty when it gave none.
    std::string reason;
    // BadContent of a text format: the message begins with the line number,
    // which joins the path as "file:12: ..." (grep's and compilers' form).
    bool placeIsLine = false;
    // The file that was read or written, as it was right then; none when
    // nothing was read or written.
    std::optional<FileIdentity> identity = std::nullopt;
    // Whether the message names the file (the readers' own texts do not).
    bool namesFile = false;
    // What a read left out or changed, in the order it was found.
    std::vector<FileWarning> warnings = {};
    // The message as its source text (with %1, %2 for the arguments) and the
    // arguments, for the window to word in its language; no source text for a
    // message that is no fixed text (what a text format's reader found wrong).
    std::string_view messageSource = {};
    std::vector<std::string> messageArguments = {};

    bool ok() const { return outcome == FileOutcome::Done; }
    // The message followed by ": " and the reason where there is one; after
    // a message that ends in a full stop, by a blank and the reason.
    std::string messageWithReason() const;
};

// Nothing read or written: the extension names no format.
inline FileResult unknownFormat() { return {FileOutcome::UnknownFormat, kCauseNone, {}, {}}; }
// Reading: the list file could not be opened (errorNumber 0: the system gave no reason).
FileResult cannotOpenList(std::string_view path, int errorNumber);
// Reading: the file itself failed (EIO and the like, not a short read).
FileResult readFailure(int errorNumber);
// Reading: a short header or record, with the reader's own fixed text (which outlives the result).
FileResult shortRead(FileOutcome outcome, std::string_view message);
// Reading: the content is no list of its format; `where` names the place
// and the fault ("television[0].record.lnb: 300 is out of range 0..255").
// readList puts the path in front.
FileResult badContent(std::string_view where);
// The same for line `line` (from 1) of a text format: "12: bad frequency \"x\"".
FileResult badLine(std::size_t line, std::string_view reason);
// Reading or writing ran out of memory: a failure like any other, never an
// exception; what was built or written so far is kept as for a read error.
FileResult outOfMemoryReading(std::string_view path);
FileResult outOfMemoryWriting(std::string_view path);
// Writing: the target or its new file could not be opened or locked.
FileResult cannotCreateList(std::string_view path, int errorNumber);
// The same with our own words for the reason ("its access rights cannot be kept").
FileResult cannotCreateList(std::string_view path, int errorNumber, std::string_view reason);
// Writing: a failure after the file was opened.
FileResult writeFailure(std::string_view path, int errorNumber);

// The system's text for an errno value ("No such file or directory").
std::string systemReason(int errorNumber);

}  // namespace qvx
