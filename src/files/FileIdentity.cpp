// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileIdentity.h"

namespace qvx {

FileIdentity identityOf(const struct stat& status) {
    constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
    return {status.st_dev, status.st_ino, static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec) * kNanosecondsPerSecond + status.st_mtim.tv_nsec};
}

std::optional<FileIdentity> currentIdentity(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return std::nullopt;
    return identityOf(status);
}

}  // namespace qvx
