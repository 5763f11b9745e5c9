#pragma once

#include <string>
#include <string_view>

#include "formats/ListFormat.h"

namespace qvx {

class ChannelTree;
class FileCalls;

// Result codes of the readers.
inline constexpr int kReadOk = 0;
inline constexpr int kReadCannotOpen = -1;
inline constexpr int kReadShortHeader = -2;
inline constexpr int kReadShortRecord = -5;

struct ReadResult {
    int code = kReadOk;
    // The text to show the user when code is not 0 ("Can't open file /x.qvx", ...).
    std::string message;
};

// Reads the file at `path` in `format` into the two trees of a list. On -1 and
// -2 the trees are untouched; otherwise both were cleared first and hold what
// was built (a short native record leaves the partial trees).
// The file is read-locked while it is read; a write lock of another process
// makes it "Can't open file". A failure of the file itself while reading
// (EIO and the like) ends the read with -5 and the file-error text of its
// cause for "an unnamed file"; the trees keep what was built so far (they are
// untouched when the header of a native file could not be read).
ReadResult readList(const std::string& path, ListFormat format, ChannelTree& television,
                    ChannelTree& radio);
// The same through chosen system calls (tests fail them on purpose).
ReadResult readList(const std::string& path, ListFormat format, ChannelTree& television,
                    ChannelTree& radio, FileCalls& calls);

struct WriteResult {
    bool ok = true;
    // Cause number of a file failure (0 when ok).
    int cause = 0;
    // The text to show the user when !ok: "File %s could not be opened. Cause %d"
    // for an open failure, else the file-error text of the cause.
    std::string message;
};

// The one write operation of every save: chooses the writer by the lower-cased
// extension and replaces the file at `path` only when every byte was written.
// An extension that is none of the four writes nothing and leaves an existing
// file untouched (ok is true: nothing failed).
// See SafeSave.h for how the file is replaced.
WriteResult writeList(const std::string& path, std::string_view lowerCasedExtension,
                      const ChannelTree& television, const ChannelTree& radio);
WriteResult writeList(const std::string& path, std::string_view lowerCasedExtension,
                      const ChannelTree& television, const ChannelTree& radio, FileCalls& calls);

}  // namespace qvx
