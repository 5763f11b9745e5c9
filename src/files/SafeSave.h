// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "files/ByteStream.h"
#include "files/FileCalls.h"
#include "files/FileResult.h"

namespace qvx {

// Produces a file's bytes into a sink; false when the sink failed.
using FileProducer = std::function<bool(ByteSink&)>;

// Replaces the file at `path` with what `produce` writes, or leaves it exactly
// as it was (see PreparedSave). Running out of memory while producing is a
// failed save like any other ("Out of memory while writing <path>", cause 1),
// never an exception.
//
// An open failure (the target or the temporary file cannot be opened or
// locked, the path may not be saved to, or what the old file has cannot be
// kept) gives "File <path> could not be opened. Cause <n>"; a failure after
// that gives the file-error text of its cause with the path.
FileResult saveFileSafely(const std::string& path, const FileProducer& produce,
                           FileCalls& calls = systemFileCalls());

// One save in steps, so that several files can be written completely before
// any of them is put in place, and put back if another one fails.
//
// prepare() finds the target (following symbolic links as SaveTarget.h says;
// the link stays, the file it points to is replaced), write-locks an existing
// target (another process's lock fails with a sharing violation before
// anything is written), and writes the new file beside it, flushed to disk:
// an unnamed file where the file system has them, else a named temporary file
// ".qvxsave-PID-RANDOM-NAME". The new file never has wider permissions than
// the final file.
//
// An existing file keeps what it has, on one of two roads:
// - replaced: the new file gets the old one's owner, group, extended
//   attributes, access ACL (and none where it had none) and mode, and
//   commit() puts it over the old one in one atomic exchange. What cannot be
//   given to it refuses the save ("its access rights cannot be kept").
// - in place, when the saver cannot give the new file the old owner or group,
//   when the file has more than one link, or when it is a mount point of its
//   own (a bind mount, which cannot be renamed over): commit() writes the new
//   contents into the file itself, as InPlaceWrite.h says.
// A new file gets what any new file there gets: the umask, or the folder's
// default ACL.
//
// Right before the new contents go in, commit() checks that the target is
// still the file that was opened (for a new file: that none has appeared);
// where the file system can exchange two names atomically the check and the
// exchange are one step. Another program that won the race gives "File <path>
// could not be opened. Cause 11" with the reason.
//
// Until commit() the target is untouched; a save that is dropped, fails, or is
// ended by SIGINT, SIGTERM or SIGHUP leaves no file of its own behind. Stale
// temporary files of killed saves of this user are removed by the next save
// into the same folder. After commit() the old file is kept aside (a hidden
// name, or the in-place copy) until finish() drops it or rollback() puts it
// back; the destructor finishes.
class PreparedSave final {
public:
    explicit PreparedSave(std::string path, FileCalls& calls = systemFileCalls());
    ~PreparedSave();
    PreparedSave(const PreparedSave&) = delete;
    PreparedSave& operator=(const PreparedSave&) = delete;

    // None of these throws: running out of memory is a failed save with nothing left behind.
    FileResult prepare(const FileProducer& produce);
    // Only after a prepare() that went well. Its result names the file now in place.
    FileResult commit();
    // Only after a commit() that went well.
    void finish();
    // Only after a commit() that went well: the old file is back. A failure
    // says in its reason where the old contents are now.
    FileResult rollback();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Puts two prepared saves in place, both or neither: when the second cannot
// be put in place after the first was, the first one's old file goes back.
// When both went in, both saves are finished.
struct PairCommit {
    FileResult first;   // the first commit
    FileResult second;  // the second commit, once the first went well
    FileResult undone;  // the first one's rollback, once the second failed
    bool ok() const { return first.ok() && second.ok(); }
};
PairCommit commitBoth(PreparedSave& first, PreparedSave& second);

}  // namespace qvx
