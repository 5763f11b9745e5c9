// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileAttributes.h"

#include <sys/xattr.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "files/FileCalls.h"

namespace qvx {
namespace {

constexpr const char* kAccessAcl = "system.posix_acl_access";
// A list or value that changes between asking its size and reading it is asked again.
constexpr int kAttempts = 8;

bool unsupported(int errorNumber) { return errorNumber == ENOTSUP || errorNumber == ENOSYS; }

// Reads with the size-then-data protocol of the xattr calls; 0 or errno.
template <typename Call>
int readSized(std::vector<char>& out, Call call) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const ssize_t size = call(nullptr, 0);
        if (size < 0) return errno;
        out.resize(static_cast<std::size_t>(size));
        if (size == 0) return 0;
        const ssize_t got = call(out.data(), out.size());
        if (got >= 0) {
            out.resize(static_cast<std::size_t>(got));
            return 0;
        }
        if (errno != ERANGE) return errno;
    }
    return ERANGE;
}

}  // namespace

int readFileAttributes(int fd, FileAttributes& attributes) {
    attributes = {};
    std::vector<char> names;
    if (const int error = readSized(names, [&](char* data, std::size_t size) { return ::flistxattr(fd, data, size); });
        error != 0)
        return unsupported(error) ? 0 : error;
    for (std::size_t at = 0; at < names.size();) {
        const std::string name(names.data() + at);
        at += name.size() + 1;
        if (name.empty()) continue;
        FileAttributes::Entry entry{name, {}};
        const int error = readSized(entry.value, [&](void* data, std::size_t size) {
            return ::fgetxattr(fd, name.c_str(), data, size);
        });
        if (error == ENODATA) continue;  // removed meanwhile
        if (error != 0) return error;
        if (name == kAccessAcl) attributes.hasAccessAcl = true;
        attributes.entries.push_back(std::move(entry));
    }
    return 0;
}

AttributeProblem applyFileAttributes(int fd, const FileAttributes& attributes, FileCalls& calls) {
    for (const FileAttributes::Entry& entry : attributes.entries) {
        if (calls.setAttribute(fd, entry.name.c_str(), entry.value.data(), entry.value.size()) == 0) continue;
        if (entry.name == kAccessAcl) return AttributeProblem::AccessRights;
        // One the system gives every new file itself (a security label) may
        // not be set, and need not be when the new file has it already.
        std::vector<char> own;
        const int error = readSized(own, [&](void* data, std::size_t size) {
            return ::fgetxattr(fd, entry.name.c_str(), data, size);
        });
        if (error != 0 || own != entry.value) return AttributeProblem::OtherAttributes;
    }
    // A folder's default ACL gave the new file entries the old one never had.
    if (!attributes.hasAccessAcl && ::fremovexattr(fd, kAccessAcl) != 0 && errno != ENODATA &&
        !unsupported(errno))
        return AttributeProblem::AccessRights;
    return AttributeProblem::None;
}

}  // namespace qvx
