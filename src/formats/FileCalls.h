#pragma once

#include <sys/types.h>

#include <cstddef>

namespace qvx {

// The system calls of the file layer, behind one seam so that a test can fail
// any of them at a chosen moment (see FailingFileCalls). Each returns what the
// system call returns and leaves errno set on failure.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    virtual ssize_t read(int fd, void* data, std::size_t size);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int fsync(int fd);
    // A record lock over the whole file, without waiting: F_RDLCK or F_WRLCK.
    virtual int lock(int fd, short type);
    virtual int rename(const char* from, const char* to);
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

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd = -1);
    // Closes now and reports the errno of a failed close (0 when it went well).
    int close();

private:
    int fd_ = -1;
};

}  // namespace qvx
