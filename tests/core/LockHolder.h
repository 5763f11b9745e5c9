// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace qvx::testing {

// Another process that holds a record lock on a file until it is released.
class LockHolder final {
public:
    LockHolder(const std::string& path, short type) {
        int ready[2], release[2];
        EXPECT_EQ(::pipe(ready), 0);
        EXPECT_EQ(::pipe(release), 0);
        child_ = ::fork();
        if (child_ == 0) {
            const int fd = ::open(path.c_str(), type == F_WRLCK ? O_RDWR : O_RDONLY);
            struct flock region {};
            region.l_type = type;
            region.l_whence = SEEK_SET;
            const char status = fd >= 0 && ::fcntl(fd, F_SETLK, &region) == 0 ? 'y' : 'n';
            if (::write(ready[1], &status, 1) != 1) ::_exit(1);
            char ignored;
            if (::read(release[0], &ignored, 1) < 0) ::_exit(1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        releaseFd_ = release[1];
        char status = 'n';
        EXPECT_EQ(::read(ready[0], &status, 1), 1);
        ::close(ready[0]);
        locked_ = status == 'y';
    }
    ~LockHolder() {
        const char go = 'x';
        if (::write(releaseFd_, &go, 1) != 1) ADD_FAILURE() << "could not release the lock holder";
        ::close(releaseFd_);
        int status = 0;
        ::waitpid(child_, &status, 0);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool locked() const { return locked_; }

private:
    pid_t child_ = -1;
    int releaseFd_ = -1;
    bool locked_ = false;
};

}  // namespace qvx::testing
