#pragma once

#include <functional>
#include <string>

#include "formats/ByteStream.h"
#include "formats/FileCalls.h"
#include "formats/FileResult.h"

namespace qvx {

// Produces a file's bytes into a sink; false when the sink failed.
using FileProducer = std::function<bool(ByteSink&)>;

// Replaces the file at `path` with what `produce` writes, or leaves it exactly
// as it was. The bytes go to a temporary file in the same folder, which is
// flushed to disk and renamed over the target only when all went well; on any
// failure it is removed. A symbolic link is followed (the file it points to is
// replaced, the link stays) and the mode of an existing target is kept. While
// writing, the target holds a write lock; another process's lock on it makes
// the save fail with a sharing violation before anything is written.
//
// An open failure (the target or the temporary file cannot be opened or
// locked) gives "File <path> could not be opened. Cause <n>"; a failure after
// that gives the file-error text of its cause with the path.
FileResult saveFileSafely(const std::string& path, const FileProducer& produce,
                           FileCalls& calls = systemFileCalls());

// The file a path names after following every symbolic link (the path itself
// when it is no link, or when a link points nowhere yet).
std::string resolveSymbolicLinks(const std::string& path);

}  // namespace qvx
