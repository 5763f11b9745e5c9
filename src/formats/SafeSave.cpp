// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SafeSave.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>

#include "formats/FileStreams.h"
#include "formats/InterruptCleanup.h"
#include "formats/SaveTarget.h"
#include "formats/TemporaryFiles.h"

namespace qvx {
namespace {

// Tries at a fresh temporary name when one is taken.
constexpr int kNameAttempts = 100;

bool isLockConflict(int errorNumber) { return errorNumber == EACCES || errorNumber == EAGAIN; }

// File systems without record locks save unlocked rather than not at all.
bool locksUnsupported(int errorNumber) {
    return errorNumber == ENOLCK || errorNumber == EINVAL || errorNumber == EOPNOTSUPP;
}

FileResult openFailure(const std::string& path, int errorNumber) { return cannotCreateList(path, errorNumber); }

std::size_t nameLimitOf(int folder) {
    const long limit = ::fpathconf(folder, _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

// An unnamed file gets its name through /proc; without /proc it cannot get
// one, so the save takes a named file from the start.
std::string procPathOf(int fd) { return "/proc/self/fd/" + std::to_string(fd); }
bool canBeNamed(int fd) {
    struct stat status {};
    return ::stat(procPathOf(fd).c_str(), &status) == 0;
}

}  // namespace

struct PreparedSave::State {
    State(std::string targetPath, FileCalls& fileCalls) : path(std::move(targetPath)), calls(fileCalls) {}

    std::string path;
    FileCalls& calls;
    SaveTarget target;
    FileDescriptor folder;
    FileDescriptor existing;  // holds the write lock until the new file is in place
    FileDescriptor file;      // the new file while it is written (and while it has no name)
    std::string nameInFolder;  // the new file's name in the folder once it has one
    bool unnamed = false;
    bool prepared = false;
    bool done = false;
    InterruptCleanup cleanup;

    FileResult prepare(const FileProducer& produce);
    FileResult createFile(mode_t mode);
    FileResult commit();
    // Gives the new file a name of its own in the folder.
    int linkUnnamed();
    FileResult fail(int errorNumber) {
        discard();
        return writeFailure(path, errorNumber);
    }
    void discard() {
        file.reset();  // an unnamed file vanishes with its last descriptor
        if (!nameInFolder.empty()) ::unlinkat(folder.get(), nameInFolder.c_str(), 0);
        nameInFolder.clear();
        cleanup.forget();
        prepared = false;
    }
};

FileResult PreparedSave::State::createFile(mode_t mode) {
    const int unnamedFd = calls.createUnnamed(folder.get(), mode);
    if (unnamedFd >= 0 && canBeNamed(unnamedFd)) {
        file.reset(unnamedFd);
        unnamed = true;
        return {};
    }
    if (unnamedFd >= 0) ::close(unnamedFd);

    const std::size_t nameLimit = nameLimitOf(folder.get());
    int errorNumber = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && errorNumber == EEXIST; ++attempt) {
        const std::string name = temporaryName(target.name, nameLimit);
        cleanup.watch(folder.get(), name.c_str());  // before it exists: no instant without cleanup
        const int fd = calls.createNamed(folder.get(), name.c_str(), mode);
        errorNumber = errno;
        if (fd >= 0) {
            file.reset(fd);
            nameInFolder = name;
            return {};
        }
        cleanup.forget();
    }
    return openFailure(path, errorNumber);
}

FileResult PreparedSave::State::prepare(const FileProducer& produce) {
    target = findSaveTarget(path);
    if (target.error != 0) return openFailure(path, target.error);
    // A folder, a device or a pipe is refused before it is opened: opening
    // some devices does something, and a pipe would take the list away.
    if (target.exists && !S_ISREG(target.status.st_mode)) return openFailure(path, EACCES);
    folder.reset(::open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) return openFailure(path, errno);

    // A new file gets what any new file of the user gets (the kernel applies
    // the umask), which is its final mode from the start.
    mode_t createMode = 0666;
    mode_t finalMode = 0;
    if (target.exists) {
        // The existing file is opened for writing (not changed) so that a file
        // the user may not write is refused as before, and so that it can be locked.
        existing.reset(::openat(folder.get(), target.name.c_str(),
                                O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        if (!existing.valid()) return openFailure(path, errno);
        struct stat status {};
        if (::fstat(existing.get(), &status) != 0) return openFailure(path, errno);
        if (!S_ISREG(status.st_mode)) return openFailure(path, EACCES);
        // Replaced between the look and the open: someone else is at work on it.
        if (status.st_dev != target.status.st_dev || status.st_ino != target.status.st_ino)
            return openFailure(path, EAGAIN);
        if (calls.lock(existing.get(), F_WRLCK) != 0) {
            const int lockError = errno;
            if (isLockConflict(lockError)) return openFailure(path, EAGAIN);
            if (!locksUnsupported(lockError)) return openFailure(path, lockError);
        }
        target.status = status;
        finalMode = status.st_mode & 07777;
        createMode = finalMode & 0600;  // only its owner until it is theirs, never more than at the end
    }

    removeStaleTemporaries(folder.get());
    if (FileResult created = createFile(createMode); !created.ok()) return created;

    if (target.exists) {
        // Keep who may read and write the list. Owner first: changing it can
        // clear set-id bits, which the mode then restores. Another user's file
        // keeps at least its group where the system allows it.
        if (::fchown(file.get(), target.status.st_uid, target.status.st_gid) != 0)
            (void)::fchown(file.get(), static_cast<uid_t>(-1), target.status.st_gid);
        if (::fchmod(file.get(), finalMode) != 0) return fail(errno);
    }

    FileSink sink(file.get(), calls);
    if (!produce(sink) || !sink.flush()) return fail(sink.error() != 0 ? sink.error() : EIO);
    if (calls.fsync(file.get()) != 0) return fail(errno);
    // A named file is closed now, so that a failed close still counts; an
    // unnamed one must stay open until it has a name.
    if (!unnamed) {
        if (const int closeError = file.close(); closeError != 0) return fail(closeError);
    }
    prepared = true;
    return {};
}

int PreparedSave::State::linkUnnamed() {
    const std::string from = procPathOf(file.get());
    const std::size_t nameLimit = nameLimitOf(folder.get());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = temporaryName(target.name, nameLimit);
        cleanup.watch(folder.get(), name.c_str());
        if (::linkat(AT_FDCWD, from.c_str(), folder.get(), name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            nameInFolder = name;
            return 0;
        }
        const int errorNumber = errno;
        cleanup.forget();
        if (errorNumber != EEXIST) return errorNumber;
    }
    return EEXIST;
}

FileResult PreparedSave::State::commit() {
    if (!prepared) return writeFailure(path, EINVAL);
    // Nothing can replace a file by linking, so an unnamed file is linked
    // under a temporary name and renamed like a named one.
    if (unnamed) {
        if (const int linkError = linkUnnamed(); linkError != 0) return fail(linkError);
        if (const int closeError = file.close(); closeError != 0) return fail(closeError);
    }
    if (calls.rename(folder.get(), nameInFolder.c_str(), target.name.c_str()) != 0) return fail(errno);
    nameInFolder.clear();
    cleanup.forget();
    prepared = false;
    done = true;

    // Make the new directory entry durable too; a failure here loses nothing
    // the user could act on, the data itself is on disk.
    calls.fsync(folder.get());
    existing.reset();
    return {};
}

PreparedSave::PreparedSave(std::string path, FileCalls& calls)
    : state_(std::make_unique<State>(std::move(path), calls)) {}

PreparedSave::~PreparedSave() {
    if (!state_->done) state_->discard();
}

FileResult PreparedSave::prepare(const FileProducer& produce) {
    try {
        return state_->prepare(produce);
    } catch (const std::bad_alloc&) {
        state_->discard();
        return outOfMemoryWriting(state_->path);
    }
}

FileResult PreparedSave::commit() {
    try {
        return state_->commit();
    } catch (const std::bad_alloc&) {
        state_->discard();
        return outOfMemoryWriting(state_->path);
    }
}

FileResult saveFileSafely(const std::string& path, const FileProducer& produce, FileCalls& calls) {
    try {
        PreparedSave save(path, calls);
        if (FileResult prepared = save.prepare(produce); !prepared.ok()) return prepared;
        return save.commit();
    } catch (const std::bad_alloc&) {
        return outOfMemoryWriting(path);
    }
}

}  // namespace qvx
