// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "formats/BlockWriter.h"
#include "formats/FileOrder.h"
#include "model/Carried.h"

namespace qvx {

class ByteSource;
class ChannelList;

// A text file read whole, handed out line by line with each line's exact
// bytes, so that a writer can give back what nobody changed byte for byte.
class TextLines final {
public:
    // Reads everything `source` holds; error() tells a failed read.
    explicit TextLines(ByteSource& source);

    // The next line without its "\n" (a "\r" before it stays part of the
    // line); false after the last one.
    bool next(std::string_view& line);
    // The number of the line `next` gave last, from 1: its place.
    std::uint32_t number() const { return number_; }
    // Whether the text ends without "\n" after its last line.
    bool lacksFinalNewline() const { return !text_.empty() && text_.back() != '\n'; }
    int error() const { return error_; }
    std::size_t size() const { return text_.size(); }
    // The whole text, for what a reader must know before its first line (the encoding).
    std::string_view text() const { return text_; }

private:
    std::string text_;
    std::size_t position_ = 0;
    std::uint32_t number_ = 0;
    int error_ = 0;
};

// The lines of a text file that belong to no item (comments, blank lines, a
// header), kept in the list's carried texts with their places, and whether
// the file ended without a newline. The list always gets them with a text
// format's read, for the number of the read it holds (see Carried::file).
struct LooseLine {
    std::uint32_t place;
    std::string text;
};
CarriedPtr listCarriedOf(std::string_view format, std::uint64_t file, const std::vector<LooseLine>& lines,
                         bool lacksFinalNewline, const std::vector<Carried::Field>& more = {});

// Writes lines, giving back a list's loose lines of the same format at their
// places: each before the first item whose place lies after it.
class TextLineWriter final {
public:
    TextLineWriter(ByteSink& sink, const ChannelList& list, std::string_view format);

    // Writes the loose lines placed before an item of this key, then `line` and "\n".
    void line(const FileKey& key, std::string_view line);
    // Writes a line that belongs to no item's place (it follows what came before).
    void line(std::string_view line);
    // The loose lines still left, the final newline as the file had it, and
    // the last block; false when the sink failed.
    bool finish();

private:
    void looseLinesBefore(std::uint32_t place);
    void put(std::string_view line);

    BlockWriter writer_;
    std::vector<LooseLine> loose_;
    std::size_t nextLoose_ = 0;
    bool lacksFinalNewline_ = false;
    bool pendingNewline_ = false;
    bool ok_ = true;
};

}  // namespace qvx
