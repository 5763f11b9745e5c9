// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ListFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <new>
#include <random>

#include "formats/FileStreams.h"
#include "formats/SafeSave.h"
#include "model/ChannelList.h"

namespace qvx {

namespace {

// A source whose first bytes were taken already to look at them: it gives
// them again, then the rest. (Reading through the file's own source keeps
// its guard against files whose data never comes.)
class ReplayingSource final : public ByteSource {
public:
    explicit ReplayingSource(ByteSource& source) : source_(source) {
        size_ = source_.read(head_);
        setError(source_.error());
    }
    std::span<const std::uint8_t> head() const { return std::span(head_.data(), size_); }

    std::size_t read(std::span<std::uint8_t> buffer) override {
        std::size_t given = 0;
        while (given < buffer.size() && position_ < size_) buffer[given++] = head_[position_++];
        if (given < buffer.size() && error() == 0) {
            given += source_.read(buffer.subspan(given));
            setError(source_.error());
        }
        return given;
    }

private:
    ByteSource& source_;
    std::array<std::uint8_t, kProbeSize> head_{};
    std::size_t size_ = 0;
    std::size_t position_ = 0;
};

// A number of its own for each read, so that a list tells the lines of its
// own file from those of items copied in from another one.
std::uint64_t newReadNumber() {
    static std::mt19937_64 random{std::random_device{}()};
    std::uint64_t number = 0;
    while (number == 0) number = random();
    return number;
}

// The file's name without its folder and its extension.
std::string stemOf(const std::string& path) {
    std::string name = fileNameOf(path);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos && dot != 0) name.resize(dot);
    return name;
}

FileResult readInto(const ListFormatEntry& entry, ByteSource& source, ChannelList& list,
                    const FormatOptions& options) {
    if (!entry.allOrNothing) return entry.read(source, list, options);
    // Read aside and taken over whole, so that a fault leaves the list as it was.
    ChannelList read;
    FileResult result = entry.read(source, read, options);
    if (result.outcome != FileOutcome::Done) return result;
    list.television().swapContents(read.television());
    list.radio().swapContents(read.radio());
    list.setCarried(read.carried());
    return result;
}

FileResult readFile(const std::string& path, ListFormat& format, bool byContent, ChannelList& list,
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
        const ListFormatEntry* entry = &listFormatEntry(format);
        FileSource source(file.get(), calls);
        FormatOptions options;
        options.fileName = stemOf(path);
        options.fileId = newReadNumber();
        FileResult result;
        if (byContent && extensionIsShared(entry->extension)) {
            ReplayingSource replaying(source);
            entry = listFormatEntryForContent(entry->extension, replaying.head());
            result = readInto(*entry, replaying, list, options);
        } else {
            result = readInto(*entry, source, list, options);
        }
        format = entry->format;
        if (result.outcome == FileOutcome::BadContent)
            result.message = path + (result.placeIsLine ? ":" : ": ") + result.message;
        return result;
    } catch (const std::bad_alloc&) {
        return outOfMemoryReading(path);
    }
}

}  // namespace

FileResult readList(const std::string& path, ListFormat format, ChannelList& list, FileCalls& calls) {
    return readFile(path, format, false, list, calls);
}

FileResult readList(const std::string& path, ListFormat format, ChannelList& list) {
    return readFile(path, format, false, list, systemFileCalls());
}

FileResult readListByContent(const std::string& path, ListFormat& format, ChannelList& list, FileCalls& calls) {
    return readFile(path, format, true, list, calls);
}

FileResult writeList(const std::string& path, ListFormat format, const ChannelList& list,
                     const FormatOptions& options, FileCalls& calls) {
    const ListWriter write = listFormatEntry(format).write;
    return saveFileSafely(path, [&](ByteSink& sink) { return write(sink, list, options); }, calls);
}

FileResult writeList(const std::string& path, ListFormat format, const ChannelList& list,
                     const FormatOptions& options) {
    return writeList(path, format, list, options, systemFileCalls());
}

}  // namespace qvx
