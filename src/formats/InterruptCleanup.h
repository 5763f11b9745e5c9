// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qvx {

// While it lives, SIGINT, SIGTERM and SIGHUP, where they would end the
// process, first remove the temporary file it watches and then end the
// process as they would have. So an interrupted save leaves the old file
// whole and nothing of its own behind. Signals that the program handles or
// ignores itself are left to it.
class InterruptCleanup final {
public:
    InterruptCleanup();
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

    // The file to remove: `name` in the open folder `folder` (copied).
    void watch(int folder, const char* name);
    // Nothing to remove any more.
    void forget();

private:
    int slot_ = -1;  // none free: this save goes without cleanup
};

}  // namespace qvx
