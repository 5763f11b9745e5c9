// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/TemporaryFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <ctime>

namespace qvx {
namespace {

std::uint32_t randomNumber() {
    static std::atomic<std::uint32_t> counter{0};
    std::uint32_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) != sizeof value)
        value = static_cast<std::uint32_t>(::time(nullptr)) * 2654435761u;
    return value ^ counter++;
}

// The longest front of `name` of at most `limit` bytes that does not end
// inside a UTF-8 sequence: some file systems refuse broken names.
std::string_view cutAtCharacter(std::string_view name, std::size_t limit) {
    if (name.size() <= limit) return name;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    return name.substr(0, end);
}

// The process number in a temporary file's name, or 0 when it is none of ours.
pid_t ownerOf(std::string_view name) {
    if (!name.starts_with(kTemporaryPrefix)) return 0;
    name.remove_prefix(kTemporaryPrefix.size());
    pid_t pid = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (error != std::errc() || end == name.data() + name.size() || *end != '-' || pid <= 0) return 0;
    return pid;
}

}  // namespace

std::string temporaryName(const std::string& targetName, std::size_t nameLimit) {
    char stem[64];
    const int length = std::snprintf(stem, sizeof stem, "%.*s%ld-%08x-",
                                     static_cast<int>(kTemporaryPrefix.size()), kTemporaryPrefix.data(),
                                     static_cast<long>(::getpid()), randomNumber());
    std::string name(stem, static_cast<std::size_t>(length));
    if (name.size() < nameLimit) name += cutAtCharacter(targetName, nameLimit - name.size());
    return name;
}

std::string procPathOf(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

bool canBeNamed(int fd) {
    struct stat status {};
    return ::stat(procPathOf(fd).c_str(), &status) == 0;
}

void removeStaleTemporaries(int folder) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* entries = ::fdopendir(listing);
    if (entries == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        const pid_t owner = ownerOf(entry->d_name);
        if (owner == 0 || owner == ::getpid()) continue;
        if (::kill(owner, 0) == 0 || errno != ESRCH) continue;  // still running, or not ours to ask
        struct stat status {};
        if (::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid()) ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

}  // namespace qvx
