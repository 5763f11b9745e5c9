// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SafeSave.h"

#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <optional>

#include "files/FileAttributes.h"
#include "files/FileStreams.h"
#include "files/InPlaceWrite.h"
#include "files/InterruptCleanup.h"
#include "files/SaveTarget.h"
#include "files/TemporaryFiles.h"

namespace qvx {
namespace {

// Tries at a fresh temporary name when one is taken.
constexpr int kNameAttempts = 100;

constexpr std::string_view kAccessRightsLost = "its access rights cannot be kept";
constexpr std::string_view kAttributesLost = "its extended attributes cannot be kept";
constexpr std::string_view kNoCopyPossible = "it cannot be read, so no copy of it can be kept while it is rewritten";
constexpr std::string_view kReplacedMeanwhile = "another program replaced it while the list was written";
constexpr std::string_view kCreatedMeanwhile = "another program created it while the list was written";

bool isLockConflict(int errorNumber) { return errorNumber == EACCES || errorNumber == EAGAIN; }

// File systems without record locks save unlocked rather than not at all.
bool locksUnsupported(int errorNumber) {
    return errorNumber == ENOLCK || errorNumber == EINVAL || errorNumber == EOPNOTSUPP;
}

// File systems (and kernels) that cannot exchange or guard a rename.
bool renameFlagsUnsupported(int errorNumber) {
    return errorNumber == EINVAL || errorNumber == ENOSYS || errorNumber == EOPNOTSUPP;
}

FileResult openFailure(const std::string& path, int errorNumber) { return cannotCreateList(path, errorNumber); }

std::size_t nameLimitOf(int folder) {
    const long limit = ::fpathconf(folder, _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether `name` is a mount point of its own (a file bind-mounted into a
// container): it can be written but not renamed over.
bool isMountPoint(int folder, const std::string& name) {
    struct statx file {};
    struct statx parent {};
    if (::statx(folder, name.c_str(), AT_SYMLINK_NOFOLLOW, STATX_MNT_ID, &file) != 0 ||
        ::statx(folder, "", AT_EMPTY_PATH, STATX_MNT_ID, &parent) != 0)
        return false;
    if ((file.stx_mask & parent.stx_mask & STATX_MNT_ID) == 0)
        return file.stx_dev_major != parent.stx_dev_major || file.stx_dev_minor != parent.stx_dev_minor;
    return file.stx_mnt_id != parent.stx_mnt_id;
}

// Where a file in the open folder is, for a message; the name alone when
// the system cannot say.
std::string pathInFolder(int folder, const std::string& name) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(procPathOf(folder).c_str(), buffer, sizeof buffer - 1);
    if (length <= 0) return name;
    std::string path(buffer, static_cast<std::size_t>(length));
    return path == "/" ? path + name : path + "/" + name;
}

enum class Road { Replace, InPlace };
enum class Phase { Idle, Prepared, Committed, Done };

}  // namespace

struct PreparedSave::State {
    State(std::string targetPath, FileCalls& fileCalls) : path(std::move(targetPath)), calls(fileCalls) {}

    std::string path;
    FileCalls& calls;
    SaveTarget target;
    FileDescriptor folder;    // the target's folder, open for reading
    FileDescriptor existing;  // the old file; holds the write lock until the save is over
    bool existingReadable = false;
    struct stat oldStatus {};
    FileDescriptor file;       // the new contents, open until they are in place
    std::string nameInFolder;  // the new file's name in the folder once it has one
    bool unnamed = false;
    Road road = Road::Replace;
    std::optional<InPlaceWrite> inPlace;
    // After commit on the replacing road: the old file's name aside, and
    // whether it got there by an exchange (undone by exchanging again).
    std::string asideName;
    bool exchanged = false;
    bool metMountPoint = false;  // the rename failed with EBUSY: the file is written in place
    struct stat newStatus {};
    Phase phase = Phase::Idle;
    InterruptCleanup cleanup;

    FileResult prepare(const FileProducer& produce);
    FileResult openExisting();
    FileResult createFile(mode_t mode);
    FileResult keepWhatTheOldFileHas(mode_t finalMode);
    FileResult prepareInPlace();
    FileResult commit();
    FileResult replace();
    FileResult replaceWithoutExchange();
    FileResult writeInPlace();
    void finish();
    FileResult rollback();
    // Gives the new file a name of its own in the folder; 0 or errno.
    int linkUnnamed();
    std::string freshName() const { return temporaryName(target.name, nameLimitOf(folder.get())); }
    FileResult fail(int errorNumber) {
        discard();
        return writeFailure(path, errorNumber);
    }
    FileResult refuse(int errorNumber, std::string_view reason) {
        discard();
        return cannotCreateList(path, errorNumber, reason);
    }
    FileResult lostRace(std::string_view reason) { return refuse(EAGAIN, reason); }
    void discard() {
        file.reset();  // an unnamed file vanishes with its last descriptor
        if (!nameInFolder.empty()) ::unlinkat(folder.get(), nameInFolder.c_str(), 0);
        nameInFolder.clear();
        inPlace.reset();
        cleanup.forget();
        phase = Phase::Idle;
    }
};

FileResult PreparedSave::State::createFile(mode_t mode) {
    // Without /proc an unnamed file cannot get a name: a named one from the start.
    const int unnamedFd = calls.createUnnamed(folder.get(), mode);
    if (unnamedFd >= 0 && canBeNamed(unnamedFd)) {
        file.reset(unnamedFd);
        unnamed = true;
        return {};
    }
    if (unnamedFd >= 0) ::close(unnamedFd);

    int errorNumber = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && errorNumber == EEXIST; ++attempt) {
        const std::string name = freshName();
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

FileResult PreparedSave::State::openExisting() {
    // The existing file is opened for writing (not changed) so that a file
    // the user may not write is refused as before, and so that it can be
    // locked; for reading too where allowed, for a copy of it.
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    existing.reset(::openat(folder.get(), target.name.c_str(), O_RDWR | kFlags));
    existingReadable = existing.valid();
    if (!existing.valid() && errno == EACCES) existing.reset(::openat(folder.get(), target.name.c_str(), O_WRONLY | kFlags));
    if (!existing.valid()) return openFailure(path, errno);
    if (::fstat(existing.get(), &oldStatus) != 0) return openFailure(path, errno);
    if (!S_ISREG(oldStatus.st_mode)) return openFailure(path, EACCES);
    // Replaced between the look and the open: someone else is at work on it.
    if (!sameFile(oldStatus, target.status)) return openFailure(path, EAGAIN);
    if (calls.lock(existing.get(), F_WRLCK) != 0) {
        const int lockError = errno;
        if (isLockConflict(lockError)) return openFailure(path, EAGAIN);
        if (!locksUnsupported(lockError)) return openFailure(path, lockError);
    }
    // Every name of a file with several links must show the new list, and a
    // mount point cannot be renamed over.
    if (oldStatus.st_nlink > 1 || isMountPoint(folder.get(), target.name)) road = Road::InPlace;
    return {};
}

FileResult PreparedSave::State::keepWhatTheOldFileHas(mode_t finalMode) {
    // Owner and group first: changing them can clear set-id bits, which the
    // mode then restores. A saver who cannot give them writes in place.
    if (::fchown(file.get(), oldStatus.st_uid, oldStatus.st_gid) != 0) {
        road = Road::InPlace;
        return {};
    }
    FileAttributes attributes;
    if (const int error = readFileAttributes(existing.get(), attributes); error != 0)
        return refuse(error, kAttributesLost);
    switch (applyFileAttributes(file.get(), attributes, calls)) {
    case AttributeProblem::AccessRights: return refuse(EACCES, kAccessRightsLost);
    case AttributeProblem::OtherAttributes: return refuse(EACCES, kAttributesLost);
    case AttributeProblem::None: break;
    }
    // Last: with an ACL the group bits are its mask, which this sets as it was.
    if (::fchmod(file.get(), finalMode) != 0) return fail(errno);
    return {};
}

FileResult PreparedSave::State::prepareInPlace() {
    if (!existingReadable) return refuse(EACCES, kNoCopyPossible);
    inPlace.emplace(calls);
    if (const int error = inPlace->prepare(folder.get(), target.name); error != 0) {
        inPlace.reset();
        discard();
        return openFailure(path, error);
    }
    return {};
}

FileResult PreparedSave::State::prepare(const FileProducer& produce) {
    target = findSaveTarget(path);
    if (target.error != 0) return openFailure(path, target.error);
    // A folder, a device or a pipe is refused before it is opened: opening
    // some devices does something, and a pipe would take the list away.
    if (target.exists && !S_ISREG(target.status.st_mode)) return openFailure(path, EACCES);
    folder.reset(::openat(target.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) return openFailure(path, errno);

    // A new file gets what any new file of the user gets (the kernel applies
    // the umask or the folder's default ACL), which is its final mode from the start.
    mode_t createMode = 0666;
    mode_t finalMode = 0;
    if (target.exists) {
        if (FileResult opened = openExisting(); !opened.ok()) return opened;
        finalMode = oldStatus.st_mode & 07777;
        createMode = finalMode & 0600;  // only its owner until it is theirs, never more than at the end
    }

    removeStaleTemporaries(folder.get());
    if (FileResult created = createFile(createMode); !created.ok()) return created;
    if (target.exists && road == Road::Replace)
        if (FileResult kept = keepWhatTheOldFileHas(finalMode); !kept.ok()) return kept;
    if (road == Road::InPlace)
        if (FileResult ready = prepareInPlace(); !ready.ok()) return ready;

    FileSink sink(file.get(), calls);
    if (!produce(sink) || !sink.flush()) return fail(sink.error() != 0 ? sink.error() : EIO);
    if (calls.fsync(file.get()) != 0) return fail(errno);
    if (::fstat(file.get(), &newStatus) != 0) return fail(errno);
    phase = Phase::Prepared;
    return {};
}

int PreparedSave::State::linkUnnamed() {
    const std::string from = procPathOf(file.get());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = freshName();
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

// Where a rename over the target fails with EBUSY (a mount point the look
// before did not see), the new contents go in place instead.
FileResult PreparedSave::State::replace() {
    // Nothing can replace a file by linking, so an unnamed file is linked
    // under a temporary name and renamed like a named one.
    if (unnamed && nameInFolder.empty())
        if (const int linkError = linkUnnamed(); linkError != 0) return fail(linkError);

    if (!target.exists) {
        if (calls.rename(folder.get(), nameInFolder.c_str(), target.name.c_str(), RENAME_NOREPLACE) == 0) {
            nameInFolder.clear();
            cleanup.forget();
            return {};
        }
        if (errno == EEXIST) return lostRace(kCreatedMeanwhile);
        if (!renameFlagsUnsupported(errno)) return fail(errno);
        struct stat status {};
        if (::fstatat(folder.get(), target.name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
            return lostRace(kCreatedMeanwhile);
        if (calls.rename(folder.get(), nameInFolder.c_str(), target.name.c_str(), 0) != 0) return fail(errno);
        nameInFolder.clear();
        cleanup.forget();
        return {};
    }

    // The exchange puts the new file in place and the old one under the
    // temporary name in one step; what came out must be what was opened.
    if (calls.rename(folder.get(), nameInFolder.c_str(), target.name.c_str(), RENAME_EXCHANGE) != 0) {
        if (errno == EBUSY) {
            metMountPoint = true;
            return {};
        }
        if (!renameFlagsUnsupported(errno)) return fail(errno);
        return replaceWithoutExchange();
    }
    struct stat outcome {};
    if (::fstatat(folder.get(), nameInFolder.c_str(), &outcome, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(outcome, oldStatus)) {
        // Someone else's file came out: it goes back, ours goes.
        if (calls.rename(folder.get(), nameInFolder.c_str(), target.name.c_str(), RENAME_EXCHANGE) != 0) {
            const std::string theirs = pathInFolder(folder.get(), nameInFolder);
            nameInFolder.clear();  // not ours to remove
            return lostRace(std::string(kReplacedMeanwhile) + "; that file is now " + theirs);
        }
        return lostRace(kReplacedMeanwhile);
    }
    asideName = nameInFolder;  // the cleanup now watches the old file: the new one is in place
    nameInFolder.clear();
    exchanged = true;
    return {};
}

// Without an exchange the check comes right before the rename, and the old
// file keeps a second name until the save is over.
FileResult PreparedSave::State::replaceWithoutExchange() {
    struct stat now {};
    if (::fstatat(folder.get(), target.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 || !sameFile(now, oldStatus))
        return lostRace(kReplacedMeanwhile);
    std::string aside = freshName();
    if (::linkat(folder.get(), target.name.c_str(), folder.get(), aside.c_str(), 0) != 0) aside.clear();
    if (calls.rename(folder.get(), nameInFolder.c_str(), target.name.c_str(), 0) != 0) {
        const int errorNumber = errno;
        if (!aside.empty()) ::unlinkat(folder.get(), aside.c_str(), 0);
        if (errorNumber != EBUSY) return fail(errorNumber);
        metMountPoint = true;
        return {};
    }
    nameInFolder.clear();
    asideName = aside;
    if (asideName.empty())
        cleanup.forget();
    else
        cleanup.watch(folder.get(), asideName.c_str());
    return {};
}

FileResult PreparedSave::State::writeInPlace() {
    // The temporary name is not needed: the new contents are read from the open file.
    if (!nameInFolder.empty()) ::unlinkat(folder.get(), nameInFolder.c_str(), 0);
    nameInFolder.clear();
    cleanup.forget();
    struct stat now {};
    if (::fstatat(folder.get(), target.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0 || !sameFile(now, oldStatus))
        return lostRace(kReplacedMeanwhile);
    if (!inPlace)
        if (FileResult ready = prepareInPlace(); !ready.ok()) return ready;
    if (const int error = inPlace->write(existing.get(), file.get()); error != 0) {
        FileResult failure = writeFailure(path, error);
        if (inPlace->copyKept())
            failure.reason += "; its old contents are kept in " + pathInFolder(folder.get(), inPlace->copyName());
        discard();
        return failure;
    }
    if (::fstat(existing.get(), &newStatus) != 0) newStatus = {};
    return {};
}

FileResult PreparedSave::State::commit() {
    if (phase != Phase::Prepared) return writeFailure(path, EINVAL);
    if (road == Road::Replace) {
        if (FileResult replaced = replace(); !replaced.ok()) return replaced;
        if (metMountPoint) road = Road::InPlace;
    }
    if (road == Road::InPlace)
        if (FileResult written = writeInPlace(); !written.ok()) return written;
    phase = Phase::Committed;
    // Make the new directory entry durable too; a failure here loses nothing
    // the user could act on, the data itself is on disk.
    calls.fsync(folder.get());
    FileResult done;
    done.identity = identityOf(newStatus);
    return done;
}

void PreparedSave::State::finish() {
    if (phase != Phase::Committed) return;
    if (!asideName.empty()) ::unlinkat(folder.get(), asideName.c_str(), 0);
    asideName.clear();
    if (inPlace) inPlace->finish();
    inPlace.reset();
    cleanup.forget();
    file.reset();
    existing.reset();
    phase = Phase::Done;
}

FileResult PreparedSave::State::rollback() {
    if (phase != Phase::Committed) return writeFailure(path, EINVAL);
    phase = Phase::Done;
    cleanup.forget();
    if (road == Road::InPlace) {
        if (const int error = inPlace->restore(); error != 0) {
            FileResult failure = writeFailure(path, error);
            failure.reason += "; its old contents are kept in " + pathInFolder(folder.get(), inPlace->copyName());
            return failure;
        }
        inPlace.reset();
        return {};
    }
    if (!target.exists) {
        // Only our own new file is removed.
        struct stat now {};
        if (::fstatat(folder.get(), target.name.c_str(), &now, AT_SYMLINK_NOFOLLOW) != 0) return writeFailure(path, errno);
        if (!sameFile(now, newStatus)) return writeFailure(path, EAGAIN);
        if (::unlinkat(folder.get(), target.name.c_str(), 0) != 0) return writeFailure(path, errno);
        return {};
    }
    if (asideName.empty()) {
        FileResult failure = writeFailure(path, ENOTSUP);
        failure.reason += "; its old contents could not be kept aside";
        return failure;
    }
    const unsigned flags = exchanged ? RENAME_EXCHANGE : 0;
    if (calls.rename(folder.get(), asideName.c_str(), target.name.c_str(), flags) != 0) {
        FileResult failure = writeFailure(path, errno);
        // Under a name that no later save takes for a stale temporary file.
        const std::string kept = keptCopyName(target.name, nameLimitOf(folder.get()));
        if (::renameat(folder.get(), asideName.c_str(), folder.get(), kept.c_str()) == 0) asideName = kept;
        failure.reason += "; its old contents are kept in " + pathInFolder(folder.get(), asideName);
        asideName.clear();
        return failure;
    }
    if (exchanged) ::unlinkat(folder.get(), asideName.c_str(), 0);  // the new file, now aside
    asideName.clear();
    return {};
}

PreparedSave::PreparedSave(std::string path, FileCalls& calls)
    : state_(std::make_unique<State>(std::move(path), calls)) {}

PreparedSave::~PreparedSave() {
    if (state_->phase == Phase::Committed)
        state_->finish();
    else if (state_->phase != Phase::Done)
        state_->discard();
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

void PreparedSave::finish() { state_->finish(); }

FileResult PreparedSave::rollback() {
    try {
        return state_->rollback();
    } catch (const std::bad_alloc&) {
        return outOfMemoryWriting(state_->path);
    }
}

PairCommit commitBoth(PreparedSave& first, PreparedSave& second) {
    PairCommit outcome;
    outcome.first = first.commit();
    if (!outcome.first.ok()) return outcome;
    outcome.second = second.commit();
    if (!outcome.second.ok()) {
        outcome.undone = first.rollback();
        return outcome;
    }
    first.finish();
    second.finish();
    return outcome;
}

FileResult saveFileSafely(const std::string& path, const FileProducer& produce, FileCalls& calls) {
    try {
        PreparedSave save(path, calls);
        if (FileResult prepared = save.prepare(produce); !prepared.ok()) return prepared;
        FileResult committed = save.commit();
        if (committed.ok()) save.finish();
        return committed;
    } catch (const std::bad_alloc&) {
        return outOfMemoryWriting(path);
    }
}

}  // namespace qvx
