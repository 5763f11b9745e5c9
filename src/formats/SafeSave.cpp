#include "formats/SafeSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "formats/FileStreams.h"

namespace qvx {
namespace {

constexpr int kMaxLinkHops = 40;

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isLockConflict(int errorNumber) { return errorNumber == EACCES || errorNumber == EAGAIN; }

// File systems without record locks save unlocked rather than not at all.
bool locksUnsupported(int errorNumber) {
    return errorNumber == ENOLCK || errorNumber == EINVAL || errorNumber == EOPNOTSUPP;
}

FileResult openFailure(const std::string& path, int errorNumber) { return cannotCreateList(path, errorNumber); }

// Creates a file no one else uses, beside the target. The name starts with a
// dot so a file manager does not show it while it exists.
FileDescriptor createTemporary(const std::string& target, std::string& name) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = folderOf(target) + "/." + nameOf(target) + ".save-" + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + "-" + std::to_string(counter++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST) return FileDescriptor(fd);
    }
    return FileDescriptor(-1);
}

}  // namespace

std::string resolveSymbolicLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return current;
        std::string target(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length < 0 || static_cast<std::size_t>(length) >= target.size()) return current;
        target.resize(static_cast<std::size_t>(length));
        current = target.starts_with('/') ? target : folderOf(current) + "/" + target;
    }
    return current;  // a loop of links: opening it reports ELOOP
}

FileResult saveFileSafely(const std::string& path, const FileProducer& produce, FileCalls& calls) {
    const std::string target = resolveSymbolicLinks(path);

    // The existing file is opened for writing (not changed) so that a file the
    // user may not write is refused as before, and so that it can be locked.
    FileDescriptor existing(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    if (existing.valid()) {
        if (::fstat(existing.get(), &status) != 0) return openFailure(path, errno);
        if (!S_ISREG(status.st_mode)) return openFailure(path, EACCES);
        if (calls.lock(existing.get(), F_WRLCK) != 0) {
            const int lockError = errno;
            if (isLockConflict(lockError)) return openFailure(path, EAGAIN);
            if (!locksUnsupported(lockError)) return openFailure(path, lockError);
        }
    } else if (errno != ENOENT) {
        return openFailure(path, errno);
    }

    std::string temporaryName;
    FileDescriptor temporary = createTemporary(target, temporaryName);
    if (!temporary.valid()) return openFailure(path, errno);

    auto fail = [&](int errorNumber) {
        temporary.reset();
        ::unlink(temporaryName.c_str());
        return writeFailure(path, errorNumber);
    };

    if (existing.valid()) {
        // Keep who may read and write the list; a foreign owner stays only
        // where the system allows it.
        if (::fchmod(temporary.get(), status.st_mode & 07777) != 0) return fail(errno);
        if (::fchown(temporary.get(), status.st_uid, status.st_gid) != 0) {
            // Not permitted for another user's file: ours is the next best owner.
        }
    }

    FileSink sink(temporary.get(), calls);
    if (!produce(sink) || !sink.flush()) return fail(sink.error() != 0 ? sink.error() : EIO);
    if (calls.fsync(temporary.get()) != 0) return fail(errno);
    if (const int closeError = temporary.close(); closeError != 0) return fail(closeError);
    if (calls.rename(temporaryName.c_str(), target.c_str()) != 0) return fail(errno);

    // Make the new directory entry durable too; a failure here loses nothing
    // the user could act on, the data itself is on disk.
    FileDescriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid()) calls.fsync(folder.get());
    return {};
}

}  // namespace qvx
