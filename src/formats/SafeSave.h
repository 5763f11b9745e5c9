// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "formats/ByteStream.h"
#include "formats/FileCalls.h"
#include "formats/FileResult.h"

namespace qvx {

// Produces a file's bytes into a sink; false when the sink failed.
using FileProducer = std::function<bool(ByteSink&)>;

// Replaces the file at `path` with what `produce` writes, or leaves it exactly
// as it was (see PreparedSave). Running out of memory while producing is a
// failed save like any other ("Out of memory while writing <path>", cause 1),
// never an exception.
//
// An open failure (the target or the temporary file cannot be opened or
// locked, or the path may not be saved to) gives "File <path> could not be
// opened. Cause <n>"; a failure after that gives the file-error text of its
// cause with the path.
FileResult saveFileSafely(const std::string& path, const FileProducer& produce,
                           FileCalls& calls = systemFileCalls());

// One save in two steps, so that several files can be written completely
// before any of them is put in place.
//
// prepare() finds the target (following symbolic links as SaveTarget.h says;
// the link stays, the file it points to is replaced), write-locks an existing
// target (another process's lock fails with a sharing violation before
// anything is written), and writes the new file beside it, flushed to disk:
// an unnamed file where the file system has them, else a named temporary file
// ".qvxsave-PID-RANDOM-NAME". The new file never has wider permissions than
// the final file: it gets the mode (and, where allowed, the owner and group)
// of an existing target, else what any new file of the user gets.
// commit() puts it over the target in one rename. Until then the target is
// untouched; a save that is dropped, fails, or is ended by SIGINT, SIGTERM or
// SIGHUP leaves no file of its own behind. Stale temporary files of killed
// saves of this user are removed by the next save into the same folder.
class PreparedSave final {
public:
    explicit PreparedSave(std::string path, FileCalls& calls = systemFileCalls());
    ~PreparedSave();
    PreparedSave(const PreparedSave&) = delete;
    PreparedSave& operator=(const PreparedSave&) = delete;

    // Neither throws: running out of memory is a failed save with nothing left behind.
    FileResult prepare(const FileProducer& produce);
    // Only after a prepare() that went well.
    FileResult commit();

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace qvx
