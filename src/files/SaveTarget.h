// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <string>

#include "files/FileCalls.h"

namespace qvx {

// Where a save of a path really goes: the folder and name reached after
// following every symbolic link the way the kernel follows them, with the
// protection the kernel applies in shared folders (whether or not the
// system has it switched on).
struct SaveTarget {
    // errno why nothing may be saved there; 0 when the save may go ahead.
    int error = 0;
    // The folder, open for lookups only (O_PATH): reached through open
    // folders, so no path text of it is ever longer than one link.
    FileDescriptor folder;
    // The file's name in it.
    std::string name;
    // Whether a file (of any type) is there now, and what lstat said of it.
    bool exists = false;
    struct stat status {};
};

// Walks `path` one component at a time, from one open folder to the next. A
// link in a world-writable sticky folder (like /tmp) is followed only when it
// belongs to the saving user or to the folder's owner: anyone may put a link
// there, and following a stranger's link would let them choose which file we
// replace or create. Other links are followed; more than 40 of them give ELOOP.
SaveTarget findSaveTarget(const std::string& path);

}  // namespace qvx
