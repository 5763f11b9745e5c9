// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "files/ByteStream.h"
#include "files/FileCalls.h"

namespace qvx {

// Reads an open descriptor through a 64 KiB buffer, so that small record
// reads cost no system call each. A file whose data does not come within
// kReadWaitMilliseconds (some files under /proc wait for events) ends the
// read with ETIMEDOUT instead of hanging the load.
class FileSource final : public ByteSource {
public:
    static constexpr int kReadWaitMilliseconds = 2000;

    FileSource(int fd, FileCalls& calls);
    std::size_t read(std::span<std::uint8_t> buffer) override;

private:
    bool refill();
    bool waitForData();

    int fd_;
    FileCalls& calls_;
    std::vector<std::uint8_t> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
};

// Collects output and hands it to write() in chunks of the calls' chunk size.
// Nothing is written until a chunk is full or flush() is called.
class FileSink final : public ByteSink {
public:
    FileSink(int fd, FileCalls& calls);
    bool write(std::span<const std::uint8_t> bytes) override;
    // Writes what is buffered; false on failure (error() tells why).
    bool flush();

private:
    bool writeAll(const std::uint8_t* data, std::size_t size);

    int fd_;
    FileCalls& calls_;
    std::vector<std::uint8_t> buffer_;
    std::size_t used_ = 0;
};

}  // namespace qvx
