// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>

#include "files/FileCalls.h"

namespace qvx {

// System calls that fail on purpose: the Nth read or write call (counting
// from 1), the lock, fsync, setting an extended attribute, every rename or
// the Nth one, each with a chosen errno; a file system without unnamed
// temporary files or without exchanging renames. For tests of what a failed
// load or save leaves behind.
class FailingFileCalls : public FileCalls {
public:
    int failReadAt = 0;  // 0: never
    int readErrno = EIO;
    int failWriteAt = 0;
    int writeErrno = ENOSPC;
    int lockErrno = 0;   // 0: the lock works
    int fsyncErrno = 0;
    int renameErrno = 0;
    int failRenameAt = 0;  // with renameErrno: only the Nth rename fails; 0: every one
    int attributeErrno = 0;
    bool unnamedFiles = true;     // false: as on a file system without O_TMPFILE
    bool renameFlags = true;      // false: as on a file system without RENAME_EXCHANGE and RENAME_NOREPLACE
    std::size_t chunkSize = 64 * 1024;

    int readCalls = 0;
    int writeCalls = 0;
    int renameCalls = 0;

    ssize_t read(int fd, void* data, std::size_t size) override {
        if (++readCalls == failReadAt) return fail(readErrno);
        return FileCalls::read(fd, data, size);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (++writeCalls == failWriteAt) return fail(writeErrno);
        return FileCalls::write(fd, data, size);
    }
    int fsync(int fd) override { return fsyncErrno ? fail(fsyncErrno) : FileCalls::fsync(fd); }
    int lock(int fd, short type) override { return lockErrno ? fail(lockErrno) : FileCalls::lock(fd, type); }
    int rename(int folder, const char* from, const char* to, unsigned flags) override {
        ++renameCalls;
        if (renameErrno && (failRenameAt == 0 || renameCalls == failRenameAt)) return fail(renameErrno);
        if (flags != 0 && !renameFlags) return fail(EINVAL);
        return FileCalls::rename(folder, from, to, flags);
    }
    int setAttribute(int fd, const char* name, const void* value, std::size_t size) override {
        return attributeErrno ? fail(attributeErrno) : FileCalls::setAttribute(fd, name, value, size);
    }
    int createUnnamed(int folder, mode_t mode) override {
        return unnamedFiles ? FileCalls::createUnnamed(folder, mode) : fail(EOPNOTSUPP);
    }
    std::size_t writeChunkSize() const override { return chunkSize; }

protected:
    static int fail(int errorNumber) {
        errno = errorNumber;
        return -1;
    }
};

}  // namespace qvx
