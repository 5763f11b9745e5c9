// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "files/ByteStream.h"

namespace qvx {

// Collects a text format's output and hands it to the sink in blocks, so a
// large list is never held as text in memory.
class BlockWriter final {
public:
    explicit BlockWriter(ByteSink& sink) : sink_(sink) { text_.reserve(2 * kBlock); }

    std::string& text() { return text_; }
    // Hands the text on once a block is full; false once any block failed.
    bool flushFull() { return text_.size() < kBlock || flush(); }
    bool flush() {
        ok_ = sink_.write(std::span(reinterpret_cast<const std::uint8_t*>(text_.data()), text_.size())) && ok_;
        text_.clear();
        return ok_;
    }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    ByteSink& sink_;
    std::string text_;
    bool ok_ = true;
};

}  // namespace qvx
