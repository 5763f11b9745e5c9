// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

namespace qvx {

// While it lives, SIGINT, SIGTERM and SIGHUP, where they would end the
// process, first clean up after the save and then end the process as they
// would have: a temporary file is removed; a file being written in place
// first gets its old contents back from the copy kept beside it, then the
// copy is removed. So an interrupted save leaves the old file whole and
// nothing of its own behind. Signals that the program handles or ignores
// itself are left to it.
class InterruptCleanup final {
public:
    InterruptCleanup();
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

    // The file to remove: `name` in the open folder `folder` (copied).
    void watch(int folder, const char* name);
    // Before removing the copy `name` (open as `copy`), write its first
    // `size` bytes back over the open file `target` and cut it there.
    void watchRestore(int folder, const char* name, int copy, int target, off_t size);
    // Nothing to do any more.
    void forget();

private:
    int slot_ = -1;  // none free: this save goes without cleanup
};

}  // namespace qvx
