// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ListFiles.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <new>
#include <random>

#include "formats/ContentDetector.h"
#include "formats/SatipFormat.h"
#include "files/FileStreams.h"
#include "files/SafeSave.h"
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

// Whether a file of `size` bytes holds more than an empty list in the format
// would (a native header says "no records" in 12 bytes; other formats need none).
bool holdsMoreThanAnEmptyList(const ListFormatEntry& entry, std::uint64_t size) {
    const ChannelList empty;
    MemorySink emptyList;
    entry.write(emptyList, empty, {});
    return size > emptyList.bytes().size();
}

// Says when the contents look like another format than the one read, and
// when nothing at all was recognised in them (which the byte counts of that
// read then add nothing to).
void warnOfContents(FileResult& result, const ListFormatEntry& entry, std::span<const std::uint8_t> head,
                    std::uint64_t size, const ChannelList& list) {
    if (result.outcome == FileOutcome::Done && list.television().itemCount() == 0 &&
        list.radio().itemCount() == 0 && holdsMoreThanAnEmptyList(entry, size)) {
        std::erase_if(result.warnings, [](const FileWarning& warning) {
            return warning.kind == FileWarningKind::RecordsPastCount || warning.kind == FileWarningKind::BytesOfNoRecord;
        });
        result.warnings.push_back({FileWarningKind::NoRecordRecognised});
    }
    const std::optional<ListFormat> looks = binaryFormatOfContent(head, size);
    if (looks && !sameLayout(*looks, entry.format)) {
        const ListFormatEntry& other = listFormatEntry(*looks);
        result.warnings.insert(result.warnings.begin(),
                               {FileWarningKind::LooksLikeFormat, 0,
                                std::string(other.name) + " (." + std::string(other.extension) + ")"});
    }
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
        ReplayingSource replaying(source);
        if (byContent && extensionIsShared(entry->extension))
            entry = listFormatEntryForContent(entry->extension, replaying.head());
        FileResult result = readInto(*entry, replaying, list, options);
        format = entry->format;
        warnOfContents(result, *entry, replaying.head(), static_cast<std::uint64_t>(status.st_size), list);
        if (result.outcome == FileOutcome::BadContent) {
            result.message = path + (result.placeIsLine ? ":" : ": ") + result.message;
            result.namesFile = true;
        }
        result.identity = identityOf(status);
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

bool isReadablePlainFile(const std::string& path) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    return file.valid() && ::fstat(file.get(), &status) == 0 && S_ISREG(status.st_mode);
}

FileResult checkWritable(const std::string& path, ListFormat format, const ChannelList& list,
                         const FormatOptions& options) {
    if (format != ListFormat::Satip || !satipServerNeeded(list, options)) return {};
    FileResult result{FileOutcome::CannotCreate, kCauseNone,
                      path + ": no SAT>IP server is known for the channels that come from no SAT>IP playlist; "
                             "name one such as rtsp://HOST:554/ (qvxtool: --satip-url)",
                      {}};
    result.namesFile = true;
    return result;
}

FileResult writeList(const std::string& path, ListFormat format, const ChannelList& list,
                     const FormatOptions& options, FileCalls& calls) {
    if (FileResult refused = checkWritable(path, format, list, options); !refused.ok()) return refused;
    const ListWriter write = listFormatEntry(format).write;
    return saveFileSafely(path, [&](ByteSink& sink) { return write(sink, list, options); }, calls);
}

FileResult writeList(const std::string& path, ListFormat format, const ChannelList& list,
                     const FormatOptions& options) {
    return writeList(path, format, list, options, systemFileCalls());
}

}  // namespace qvx
