#include "formats/ListFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <new>

#include "formats/Dvb98Format.h"
#include "formats/DvbExtremeFormat.h"
#include "formats/FileStreams.h"
#include "formats/NativeFormat.h"
#include "formats/SafeSave.h"

namespace qvx {
namespace {

ReadResult cannotOpen(const std::string& path) { return {kReadCannotOpen, "Can't open file " + path}; }

// Like a read error: the load ends, the trees keep what was built so far.
ReadResult outOfMemory(const std::string& path) {
    return {kReadShortRecord, "Out of memory while reading " + path};
}

ReadResult readFormat(ByteSource& source, ListFormat format, ChannelTree& television, ChannelTree& radio) {
    switch (format) {
    case ListFormat::Native:
    case ListFormat::WinDvbLive: return readNativeList(source, television, radio);
    case ListFormat::Dvb98: return readDvb98List(source, television, radio);
    case ListFormat::DvbExtreme: return readDvbExtremeList(source, television, radio);
    }
    return {};
}

bool writeFormat(ByteSink& sink, ListFormat format, const ChannelTree& television, const ChannelTree& radio) {
    switch (format) {
    case ListFormat::Native: return writeNativeList(sink, television, radio, false);
    case ListFormat::WinDvbLive: return writeNativeList(sink, television, radio, true);
    case ListFormat::Dvb98: return writeDvb98List(sink, television, radio);
    case ListFormat::DvbExtreme: return writeDvbExtremeList(sink, television, radio);
    }
    return true;
}

}  // namespace

ReadResult readList(const std::string& path, ListFormat format, ChannelTree& television, ChannelTree& radio,
                    FileCalls& calls) {
    // O_NONBLOCK: opening a named pipe without a writer must not hang the load.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) return cannotOpen(path);
    struct stat status {};
    // Only plain files: a folder, a device or a pipe is no list, and an
    // endless one would never finish loading.
    if (::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return cannotOpen(path);
    // Others may read along but not write while the list is read.
    if (calls.lock(file.get(), F_RDLCK) != 0 && errno != ENOLCK && errno != EINVAL && errno != EOPNOTSUPP)
        return cannotOpen(path);
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags != -1) ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);

    try {
        FileSource source(file.get(), calls);
        return readFormat(source, format, television, radio);
    } catch (const std::bad_alloc&) {
        return outOfMemory(path);
    }
}

ReadResult readList(const std::string& path, ListFormat format, ChannelTree& television, ChannelTree& radio) {
    return readList(path, format, television, radio, systemFileCalls());
}

WriteResult writeList(const std::string& path, std::string_view lowerCasedExtension,
                      const ChannelTree& television, const ChannelTree& radio, FileCalls& calls) {
    const std::optional<ListFormat> format = listFormatForExtension(lowerCasedExtension);
    if (!format) return {};
    return saveFileSafely(
        path, [&](ByteSink& sink) { return writeFormat(sink, *format, television, radio); }, calls);
}

WriteResult writeList(const std::string& path, std::string_view lowerCasedExtension,
                      const ChannelTree& television, const ChannelTree& radio) {
    return writeList(path, lowerCasedExtension, television, radio, systemFileCalls());
}

}  // namespace qvx
