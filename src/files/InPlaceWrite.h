// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <string>

#include "files/FileCalls.h"
#include "files/InterruptCleanup.h"

namespace qvx {

// Writes new contents into an existing file itself (same inode: its owner,
// group, mode, ACL, attributes and every hard link stay), for files that
// cannot be replaced by a new one. The old contents are kept in a copy beside
// the file, created 0600 (and nameless, or under a temporary name, until it
// is whole), until the new ones are complete and flushed; on any reported
// failure, and on SIGINT, SIGTERM or SIGHUP, they are written back and the
// copy removed. Only a rewrite torn by kill -9 or a power cut leaves the copy
// ".qvxold-PID-RANDOM-NAME" beside the file.
class InPlaceWrite final {
public:
    explicit InPlaceWrite(FileCalls& calls) : calls_(calls) {}
    ~InPlaceWrite();
    InPlaceWrite(const InPlaceWrite&) = delete;
    InPlaceWrite& operator=(const InPlaceWrite&) = delete;

    // Creates the (empty) copy for the file `targetName` in the open folder
    // `folder`; 0 or errno.
    int prepare(int folder, const std::string& targetName);
    // Copies the old contents of `target` (open for reading and writing)
    // into the copy and then writes the contents of `source` over them; 0 or
    // errno. On failure the old contents are back and the copy is gone,
    // unless even that failed (copyKept()).
    int write(int target, int source);
    // The new contents stay: the copy is removed.
    void finish();
    // After a write that went well, the old contents go back; 0 or errno
    // (the copy then stays).
    int restore();

    // The copy's name in the folder, and whether it had to stay because the
    // old contents could not be written back.
    const std::string& copyName() const { return copyName_; }
    bool copyKept() const { return copyKept_; }

private:
    void removeCopy();
    // Gives the whole copy its lasting name; 0 or errno.
    int nameCopy();

    FileCalls& calls_;
    int folder_ = -1;
    int target_ = -1;
    std::string targetName_;
    std::size_t nameLimit_ = 0;
    FileDescriptor copy_;
    std::string fillingName_;  // the temporary name while it is filled, where it cannot be nameless
    std::string copyName_;
    off_t oldSize_ = 0;
    bool copyKept_ = false;
    InterruptCleanup cleanup_;
};

// The name a kept copy of `targetName` gets: ".qvxold-PID-RANDOM-NAME".
std::string keptCopyName(const std::string& targetName, std::size_t nameLimit);

}  // namespace qvx
