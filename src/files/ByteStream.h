// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qvx {

// Where a reader takes its bytes from. Readers know nothing of paths, locks
// or descriptors, so they run the same on a file and on a memory buffer.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills `buffer`; returns fewer bytes only at the end of the data or on a
    // failure, which error() then tells apart.
    virtual std::size_t read(std::span<std::uint8_t> buffer) = 0;
    // errno of the failure that cut the last read short; 0 at the plain end.
    int error() const { return error_; }

protected:
    void setError(int errorNumber) { error_ = errorNumber; }

private:
    int error_ = 0;
};

// Where a writer puts its bytes.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Takes all of `bytes`; false when that failed (error() tells why). After
    // a failure every further write fails too.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    int error() const { return error_; }

protected:
    void setError(int errorNumber) { error_ = errorNumber; }

private:
    int error_ = 0;
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const std::uint8_t> data) : data_(data) {}
    std::size_t read(std::span<std::uint8_t> buffer) override;

private:
    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
};

class MemorySink final : public ByteSink {
public:
    bool write(std::span<const std::uint8_t> bytes) override;
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace qvx
