// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ListFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <new>

#include "formats/FileStreams.h"
#include "formats/SafeSave.h"

namespace qvx {

FileResult readList(const std::string& path, ListFormat format, ChannelTree& television, ChannelTree& radio,
                    FileCalls& calls) {
    // O_NONBLOCK: opening a named pipe without a writer must not hang the load.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) return cannotOpenList(path, errno);
    struct stat status {};
    // Only plain files: a folder, a device or a pipe is no list, and an
    // endless one would never finish loading.
    if (::fstat(file.get(), &status) != 0) return cannotOpenList(path, errno);
    if (!S_ISREG(status.st_mode)) return cannotOpenList(path, S_ISDIR(status.st_mode) ? EISDIR : 0);
    // Others may read along but not write while the list is read.
    if (calls.lock(file.get(), F_RDLCK) != 0 && errno != ENOLCK && errno != EINVAL && errno != EOPNOTSUPP)
        return cannotOpenList(path, errno);
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags != -1) ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);

    try {
        FileSource source(file.get(), calls);
        FileResult result = listFormatEntry(format).read(source, television, radio);
        if (result.outcome == FileOutcome::BadContent) {
            result.message = path + ": " + result.message;
            result.namesFile = true;
        }
        result.identity = identityOf(status);
        return result;
    } catch (const std::bad_alloc&) {
        return outOfMemoryReading(path);
    }
}

FileResult readList(const std::string& path, ListFormat format, ChannelTree& television, ChannelTree& radio) {
    return readList(path, format, television, radio, systemFileCalls());
}

bool isReadablePlainFile(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    return file.valid() && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode);
}

FileResult writeList(const std::string& path, ListFormat format, const ChannelTree& television,
                     const ChannelTree& radio, FileCalls& calls) {
    const ListWriter write = listFormatEntry(format).write;
    return saveFileSafely(path, [&](ByteSink& sink) { return write(sink, television, radio); }, calls);
}

FileResult writeList(const std::string& path, ListFormat format, const ChannelTree& television,
                     const ChannelTree& radio) {
    return writeList(path, format, television, radio, systemFileCalls());
}

}  // namespace qvx
