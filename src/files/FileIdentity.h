// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

namespace qvx {

// What tells whether a file is still the one that was read or written: the
// same file (device and inode) with the same size and modification time, to
// the nanosecond.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity identityOf(const struct stat& status);
// The identity of the file `path` names now (links followed); none when
// there is none.
std::optional<FileIdentity> currentIdentity(const std::string& path);

}  // namespace qvx
