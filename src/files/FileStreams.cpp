// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileStreams.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qvx {
namespace {
constexpr std::size_t kReadBufferSize = 64 * 1024;
}

FileSource::FileSource(int fd, FileCalls& calls) : fd_(fd), calls_(calls), buffer_(kReadBufferSize) {}

// Plain files on disk are always ready; only files that wait for something
// (like /proc/kmsg) make poll() wait.
bool FileSource::waitForData() {
    pollfd entry{fd_, POLLIN, 0};
    int ready = 0;
    while ((ready = ::poll(&entry, 1, kReadWaitMilliseconds)) < 0 && errno == EINTR) {
    }
    if (ready != 0) return true;  // ready, or a failure that read() will tell
    setError(ETIMEDOUT);
    atEnd_ = true;
    return false;
}

bool FileSource::refill() {
    begin_ = end_ = 0;
    while (!atEnd_) {
        if (!waitForData()) return false;
        const ssize_t got = calls_.read(fd_, buffer_.data(), buffer_.size());
        if (got > 0) {
            end_ = static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) {
            atEnd_ = true;
        } else if (errno != EINTR) {
            setError(errno);
            atEnd_ = true;
        }
    }
    return false;
}

std::size_t FileSource::read(std::span<std::uint8_t> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        if (begin_ == end_ && !refill()) break;
        const std::size_t count = std::min(buffer.size() - done, end_ - begin_);
        std::memcpy(buffer.data() + done, buffer_.data() + begin_, count);
        begin_ += count;
        done += count;
    }
    return done;
}

FileSink::FileSink(int fd, FileCalls& calls)
    : fd_(fd), calls_(calls), buffer_(std::max<std::size_t>(calls.writeChunkSize(), 1)) {}

bool FileSink::write(std::span<const std::uint8_t> bytes) {
    if (error() != 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t count = std::min(bytes.size() - done, buffer_.size() - used_);
        std::memcpy(buffer_.data() + used_, bytes.data() + done, count);
        used_ += count;
        done += count;
        if (used_ == buffer_.size() && !flush()) return false;
    }
    return true;
}

bool FileSink::flush() {
    if (error() != 0) return false;
    const bool ok = writeAll(buffer_.data(), used_);
    used_ = 0;
    return ok;
}

bool FileSink::writeAll(const std::uint8_t* data, std::size_t size) {
    while (size != 0) {
        const ssize_t written = calls_.write(fd_, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            setError(errno);
            return false;
        }
        if (written == 0) {  // no progress and no reason: the device takes nothing more
            setError(ENOSPC);
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace qvx
