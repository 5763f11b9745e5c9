// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SameFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <optional>

#include "files/SaveTarget.h"

namespace qvx {
namespace {

struct SaveLocation {
    dev_t device = 0;
    ino_t inode = 0;
    std::string name;  // empty for an existing file: device and inode say it all

    bool operator==(const SaveLocation&) const = default;
};

// Where a save of `path` would go, as a file or as a name in a folder; none
// when the path leads nowhere the save could go (it fails on its own then).
std::optional<SaveLocation> locationOf(const std::string& path) {
    const SaveTarget target = findSaveTarget(path);
    if (target.error != 0) return std::nullopt;
    struct stat status {};
    if (target.exists) {
        if (::fstatat(target.folder.get(), target.name.c_str(), &status, 0) != 0) return std::nullopt;
        return SaveLocation{status.st_dev, status.st_ino, {}};
    }
    if (::fstat(target.folder.get(), &status) != 0) return std::nullopt;
    return SaveLocation{status.st_dev, status.st_ino, target.name};
}

}  // namespace

bool nameSameFile(const std::string& first, const std::string& second) {
    if (first == second) return true;
    const std::optional<SaveLocation> a = locationOf(first);
    const std::optional<SaveLocation> b = locationOf(second);
    return a && b && *a == *b;
}

}  // namespace qvx
