// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <ostream>
#include <string>

namespace qvx::cli {

// Collects output text and hands it to a stream in pieces of about 64 KiB, so
// that printing a list of any length needs no more memory than one piece.
class PieceWriter final {
public:
    explicit PieceWriter(std::ostream& out) : out_(out) {}
    PieceWriter(const PieceWriter&) = delete;
    PieceWriter& operator=(const PieceWriter&) = delete;

    std::string& text() { return text_; }
    // Hands the text on once a piece is full; false once the stream failed,
    // so the caller stops early instead of producing output no one gets.
    bool pass() { return text_.size() < kPieceSize ? static_cast<bool>(out_) : passAll(); }
    // Hands on everything collected.
    bool passAll() {
        out_.write(text_.data(), static_cast<std::streamsize>(text_.size()));
        text_.clear();
        return static_cast<bool>(out_);
    }

private:
    static constexpr std::size_t kPieceSize = 64 * 1024;
    std::ostream& out_;
    std::string text_;
};

}  // namespace qvx::cli
