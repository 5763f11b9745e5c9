// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ByteStream.h"

#include <algorithm>
#include <cstring>

namespace qvx {

std::size_t MemorySource::read(std::span<std::uint8_t> buffer) {
    const std::size_t count = std::min(buffer.size(), data_.size() - position_);
    if (count != 0) std::memcpy(buffer.data(), data_.data() + position_, count);
    position_ += count;
    return count;
}

bool MemorySink::write(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return true;
}

}  // namespace qvx
