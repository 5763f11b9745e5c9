// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileCalls.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>

namespace qvx {

ssize_t FileCalls::read(int fd, void* data, std::size_t size) { return ::read(fd, data, size); }

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }

int FileCalls::fsync(int fd) { return ::fsync(fd); }

int FileCalls::lock(int fd, short type) {
    struct flock region {};
    region.l_type = type;
    region.l_whence = SEEK_SET;
    region.l_start = 0;
    region.l_len = 0;  // to the end, however long the file grows
    return ::fcntl(fd, F_SETLK, &region);
}

int FileCalls::rename(int folder, const char* from, const char* to, unsigned flags) {
    if (flags == 0) return ::renameat(folder, from, folder, to);
    return ::renameat2(folder, from, folder, to, flags);
}

int FileCalls::createUnnamed(int folder, mode_t mode) {
    return ::openat(folder, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
}

int FileCalls::createNamed(int folder, const char* name, mode_t mode) {
    return ::openat(folder, name, O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY, mode);
}

int FileCalls::setAttribute(int fd, const char* name, const void* value, std::size_t size) {
    return ::fsetxattr(fd, name, value, size, 0);
}

FileCalls& systemFileCalls() {
    static FileCalls calls;
    return calls;
}

void FileDescriptor::reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
}

int FileDescriptor::close() {
    if (fd_ < 0) return 0;
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 || errno == EINTR ? 0 : errno;
}

}  // namespace qvx
