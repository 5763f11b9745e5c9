// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SaveTarget.h"

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

std::string join(const std::string& folder, const std::string& name) {
    if (folder == ".") return name;
    if (folder == "/") return "/" + name;
    return folder + "/" + name;
}

// The parent of a folder path that holds no links, so ".." is plain text work.
std::string parentOf(const std::string& folder) {
    if (folder == "/") return folder;
    if (folder == ".") return "..";
    const auto slash = folder.find_last_of('/');
    const std::string last = slash == std::string::npos ? folder : folder.substr(slash + 1);
    if (last == "..") return folder + "/..";
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : folder.substr(0, slash);
}

// The kernel's protected-links rule (fs.protected_symlinks).
bool mayFollow(const struct stat& link, const struct stat& folder) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    if (!shared) return true;
    return link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

int readLink(const std::string& path, std::string& target) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
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

}  // namespace

SaveTarget findSaveTarget(const std::string& path) {
    if (path.empty()) return failed(ENOENT);
    if (path.back() == '/') return failed(EISDIR);
    std::deque<std::string> pending;
    prependComponents(pending, path);
    std::string folder = path.front() == '/' ? "/" : ".";
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0) return failed(errno);

    int hops = 0;
    while (!pending.empty()) {
        const std::string part = pending.front();
        pending.pop_front();
        if (part == "." || part == "..") {
            if (pending.empty()) return failed(EISDIR);
            if (part == "..") {
                folder = parentOf(folder);
                if (::stat(folder.c_str(), &folderStatus) != 0) return failed(errno);
            }
            continue;
        }
        const std::string next = join(folder, part);
        struct stat status {};
        if (::lstat(next.c_str(), &status) != 0) {
            if (errno != ENOENT || !pending.empty()) return failed(errno);
            SaveTarget target;  // a new file
            target.folder = folder;
            target.name = part;
            return target;
        }
        if (S_ISLNK(status.st_mode)) {
            if (!mayFollow(status, folderStatus)) return failed(EACCES);
            if (++hops > kMaxLinkHops) return failed(ELOOP);
            std::string linkTarget;
            if (const int error = readLink(next, linkTarget); error != 0) return failed(error);
            prependComponents(pending, linkTarget);
            if (linkTarget.front() == '/') {
                folder = "/";
                if (::stat(folder.c_str(), &folderStatus) != 0) return failed(errno);
            }
            continue;
        }
        if (pending.empty()) {
            SaveTarget target;
            target.folder = folder;
            target.name = part;
            target.exists = true;
            target.status = status;
            return target;
        }
        if (!S_ISDIR(status.st_mode)) return failed(ENOTDIR);
        folder = next;
        folderStatus = status;
    }
    return failed(EISDIR);  // the path names a folder, never a file
}

}  // namespace qvx
