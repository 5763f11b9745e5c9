// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SaveTarget.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <deque>

namespace qvx {
namespace {

// The kernel's limit of links followed while resolving one path.
constexpr int kMaxLinkHops = 40;

void prependComponents(std::deque<std::string>& pending, const std::string& path) {
    std::deque<std::string> parts;
    std::size_t begin = 0;
    while (begin <= path.size()) {
        const std::size_t end = std::min(path.find('/', begin), path.size());
        if (end > begin) parts.push_back(path.substr(begin, end - begin));
        begin = end + 1;
    }
    pending.insert(pending.begin(), parts.begin(), parts.end());
}

// The kernel's protected-links rule (fs.protected_symlinks).
bool mayFollow(const struct stat& link, const struct stat& folder) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    if (!shared) return true;
    return link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

int readLink(int folder, const std::string& name, std::string& target) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlinkat(folder, name.c_str(), buffer, sizeof buffer);
    if (length < 0) return errno;
    if (static_cast<std::size_t>(length) >= sizeof buffer) return ENAMETOOLONG;
    if (length == 0) return ENOENT;
    target.assign(buffer, static_cast<std::size_t>(length));
    return 0;
}

SaveTarget failed(int errorNumber) {
    SaveTarget target;
    target.error = errorNumber;
    return target;
}

// Opens `name` in `folder` as a folder to look things up in; -1 with errno.
int openFolder(int folder, const char* name) {
    return ::openat(folder, name, O_PATH | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

SaveTarget findSaveTarget(const std::string& path) {
    if (path.empty()) return failed(ENOENT);
    if (path.back() == '/') return failed(EISDIR);
    std::deque<std::string> pending;
    prependComponents(pending, path);
    FileDescriptor folder(openFolder(AT_FDCWD, path.front() == '/' ? "/" : "."));
    struct stat folderStatus {};
    if (!folder.valid() || ::fstat(folder.get(), &folderStatus) != 0) return failed(errno);

    int hops = 0;
    while (!pending.empty()) {
        const std::string part = pending.front();
        pending.pop_front();
        if (part == "." || part == "..") {
            if (pending.empty()) return failed(EISDIR);
            if (part == "..") {
                // The kernel's "..": the folder's own parent, whatever link led here.
                folder.reset(openFolder(folder.get(), ".."));
                if (!folder.valid() || ::fstat(folder.get(), &folderStatus) != 0) return failed(errno);
            }
            continue;
        }
        struct stat status {};
        if (::fstatat(folder.get(), part.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !pending.empty()) return failed(errno);
            SaveTarget target;  // a new file
            target.folder = std::move(folder);
            target.name = part;
            return target;
        }
        if (S_ISLNK(status.st_mode)) {
            if (!mayFollow(status, folderStatus)) return failed(EACCES);
            if (++hops > kMaxLinkHops) return failed(ELOOP);
            std::string linkTarget;
            if (const int error = readLink(folder.get(), part, linkTarget); error != 0) return failed(error);
            prependComponents(pending, linkTarget);
            if (linkTarget.front() == '/') {
                folder.reset(openFolder(AT_FDCWD, "/"));
                if (!folder.valid() || ::fstat(folder.get(), &folderStatus) != 0) return failed(errno);
            }
            continue;
        }
        if (pending.empty()) {
            SaveTarget target;
            target.folder = std::move(folder);
            target.name = part;
            target.exists = true;
            target.status = status;
            return target;
        }
        if (!S_ISDIR(status.st_mode)) return failed(ENOTDIR);
        FileDescriptor next(::openat(folder.get(), part.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.valid()) return failed(errno);
        // Replaced by something else between the look and the open.
        struct stat opened {};
        if (::fstat(next.get(), &opened) != 0) return failed(errno);
        if (opened.st_dev != status.st_dev || opened.st_ino != status.st_ino) return failed(EAGAIN);
        folder = std::move(next);
        folderStatus = opened;
    }
    return failed(EISDIR);  // the path names a folder, never a file
}

}  // namespace qvx
