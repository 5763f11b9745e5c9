// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace qvx {

// The system calls of the file layer, behind one seam so that a test can fail
// or watch any of them at a chosen moment. Each returns what the system call
// returns and leaves errno set on failure.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual ssize_t read(int fd, void* data, std::size_t size);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    // A record lock over the whole file, without waiting: F_RDLCK or F_WRLCK.
    virtual int lock(int fd, short type);
    // Renames `from` to `to`, both names inside the open folder `folder`;
    // `flags` as renameat2() takes them (RENAME_EXCHANGE, RENAME_NOREPLACE).
    virtual int rename(int folder, const char* from, const char* to, unsigned flags);
    // A new file without a name in the open folder `folder` (O_TMPFILE), for
    // reading and writing; fails where the file system has no such files.
    virtual int createUnnamed(int folder, mode_t mode);
    // A new file `name` in the open folder `folder`, for reading and writing;
    // fails when the name exists.
    virtual int createNamed(int folder, const char* name, mode_t mode);
    // Sets the extended attribute `name` (an access ACL among them) of an open file.
    virtual int setAttribute(int fd, const char* name, const void* value, std::size_t size);
    // Output goes to write() in pieces of this size, so a save costs few calls.
    virtual std::size_t writeChunkSize() const { return 64 * 1024; }
};

// The real system calls.
FileCalls& systemFileCalls();

// Closes a descriptor when it goes out of scope.
class FileDescriptor final {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.release()) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        reset(other.release());
        return *this;
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1);
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes now and reports the errno of a failed close (0 when it went well).
    int close();

private:
    int fd_ = -1;
};

}  // namespace qvx
