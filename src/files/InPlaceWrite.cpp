// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/InPlaceWrite.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "files/FileStreams.h"
#include "files/TemporaryFiles.h"

namespace qvx {
namespace {

constexpr int kNameAttempts = 100;
constexpr std::string_view kKeptPrefix = ".qvxold-";

// Copies every byte of `from` over `to` through the calls' writes and cuts
// `to` after them; 0 or errno.
int copyContents(int from, int to, FileCalls& calls, off_t& size) {
    if (::lseek(to, 0, SEEK_SET) != 0) return errno;
    FileSink sink(to, calls);
    std::vector<std::uint8_t> buffer(64 * 1024);
    size = 0;
    for (;;) {
        const ssize_t got = ::pread(from, buffer.data(), buffer.size(), size);
        if (got < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (got == 0) break;
        if (!sink.write(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(got))))
            return sink.error();
        size += got;
    }
    if (!sink.flush()) return sink.error();
    if (::ftruncate(to, size) != 0) return errno;
    if (calls.fsync(to) != 0) return errno;
    return 0;
}

}  // namespace

std::string keptCopyName(const std::string& targetName, std::size_t nameLimit) {
    std::string name = temporaryName(targetName, nameLimit);
    // Same shape as a temporary file, but never taken for a stale one.
    name.replace(0, kTemporaryPrefix.size(), kKeptPrefix);
    if (name.size() > nameLimit) name.resize(nameLimit);
    return name;
}

InPlaceWrite::~InPlaceWrite() {
    if (!copyKept_) removeCopy();
}

int InPlaceWrite::prepare(int folder, const std::string& targetName) {
    folder_ = folder;
    targetName_ = targetName;
    const long limit = ::fpathconf(folder, _PC_NAME_MAX);
    nameLimit_ = limit > 0 ? static_cast<std::size_t>(limit) : NAME_MAX;
    // Nameless while it is filled, so that a copy cut short leaves nothing;
    // else under a temporary name that the next save cleans up.
    const int unnamed = calls_.createUnnamed(folder, 0600);
    if (unnamed >= 0 && canBeNamed(unnamed)) {
        copy_.reset(unnamed);
        return 0;
    }
    if (unnamed >= 0) ::close(unnamed);
    int errorNumber = EEXIST;
    for (int attempt = 0; attempt < kNameAttempts && errorNumber == EEXIST; ++attempt) {
        const std::string name = temporaryName(targetName, nameLimit_);
        cleanup_.watch(folder, name.c_str());
        const int fd = calls_.createNamed(folder, name.c_str(), 0600);
        errorNumber = errno;
        if (fd >= 0) {
            copy_.reset(fd);
            fillingName_ = name;
            return 0;
        }
        cleanup_.forget();
    }
    return errorNumber;
}

int InPlaceWrite::nameCopy() {
    const std::string from = fillingName_.empty() ? procPathOf(copy_.get()) : fillingName_;
    const int fromFolder = fillingName_.empty() ? AT_FDCWD : folder_;
    const int flags = fillingName_.empty() ? AT_SYMLINK_FOLLOW : 0;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string name = keptCopyName(targetName_, nameLimit_);
        if (::linkat(fromFolder, from.c_str(), folder_, name.c_str(), flags) == 0) {
            copyName_ = name;
            cleanup_.watch(folder_, copyName_.c_str());
            if (!fillingName_.empty()) ::unlinkat(folder_, fillingName_.c_str(), 0);
            fillingName_.clear();
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
}

int InPlaceWrite::write(int target, int source) {
    target_ = target;
    if (const int error = copyContents(target, copy_.get(), calls_, oldSize_); error != 0) return error;
    // Whole now: it gets the name it keeps should the rewrite be torn.
    if (const int error = nameCopy(); error != 0) return error;
    // From here on an interruption puts the old contents back.
    cleanup_.watchRestore(folder_, copyName_.c_str(), copy_.get(), target, oldSize_);
    off_t newSize = 0;
    if (const int error = copyContents(source, target, calls_, newSize); error != 0) {
        restore();
        return error;
    }
    cleanup_.watch(folder_, copyName_.c_str());
    return 0;
}

int InPlaceWrite::restore() {
    off_t size = 0;
    const int error = copyContents(copy_.get(), target_, calls_, size);
    if (error != 0) {
        // The copy is now the only whole old list: it stays, and so does its name.
        copyKept_ = true;
        cleanup_.forget();
        return error;
    }
    removeCopy();
    return 0;
}

void InPlaceWrite::finish() { removeCopy(); }

void InPlaceWrite::removeCopy() {
    cleanup_.forget();
    for (std::string* name : {&copyName_, &fillingName_}) {
        if (!name->empty()) ::unlinkat(folder_, name->c_str(), 0);
        name->clear();
    }
    copy_.reset();
}

}  // namespace qvx
