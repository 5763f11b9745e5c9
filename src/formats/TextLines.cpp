// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/TextLines.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "files/ByteStream.h"
#include "model/ChannelList.h"

namespace qvx {
namespace {

constexpr std::string_view kLooseField = "loose";
constexpr std::string_view kNoFinalNewlineField = "noFinalNewline";

}  // namespace

TextLines::TextLines(ByteSource& source) {
    std::array<std::uint8_t, 1 << 16> block{};
    for (;;) {
        const std::size_t size = source.read(block);
        text_.append(reinterpret_cast<const char*>(block.data()), size);
        if (size < block.size()) break;
    }
    error_ = source.error();
}

bool TextLines::next(std::string_view& line) {
    if (position_ >= text_.size()) return false;
    const std::string_view text(text_);
    const std::size_t end = text.find('\n', position_);
    const std::size_t stop = end == std::string_view::npos ? text.size() : end;
    line = text.substr(position_, stop - position_);
    position_ = stop + 1;
    ++number_;
    return true;
}

CarriedPtr listCarriedOf(std::string_view format, std::uint64_t file, const std::vector<LooseLine>& lines,
                         bool lacksFinalNewline, const std::vector<Carried::Field>& more) {
    // Each loose line as "PLACE TEXT".
    std::vector<std::string> values;
    values.reserve(lines.size());
    for (const LooseLine& line : lines) values.push_back(std::to_string(line.place) + ' ' + line.text);
    std::vector<Carried::Field> fields;
    fields.reserve(values.size() + more.size() + 1);
    for (const std::string& value : values) fields.push_back({kLooseField, value});
    if (lacksFinalNewline) fields.push_back({kNoFinalNewlineField, "1"});
    fields.insert(fields.end(), more.begin(), more.end());
    return makeCarried(format, 0, fields, file);
}

TextLineWriter::TextLineWriter(ByteSink& sink, const ChannelList& list, std::string_view format) : writer_(sink) {
    const CarriedPtr& carried = list.carried();
    if (!carried || carried->format() != format) return;
    for (const Carried::Field& field : carried->fields()) {
        if (field.name == kNoFinalNewlineField) lacksFinalNewline_ = true;
        if (field.name != kLooseField) continue;
        const std::size_t space = field.value.find(' ');
        std::uint32_t place = 0;
        std::from_chars(field.value.data(), field.value.data() + std::min(space, field.value.size()), place);
        loose_.push_back({place, std::string(field.value.substr(std::min(space + 1, field.value.size())))});
    }
    std::stable_sort(loose_.begin(), loose_.end(),
                     [](const LooseLine& a, const LooseLine& b) { return a.place < b.place; });
}

void TextLineWriter::put(std::string_view line) {
    // Each line's newline goes out with the next line, so that the last one
    // can be left off where the file had none.
    if (pendingNewline_) writer_.text().push_back('\n');
    writer_.text().append(line);
    pendingNewline_ = true;
    ok_ = writer_.flushFull() && ok_;
}

void TextLineWriter::looseLinesBefore(std::uint32_t place) {
    while (nextLoose_ < loose_.size() && loose_[nextLoose_].place < place) put(loose_[nextLoose_++].text);
}

void TextLineWriter::line(const FileKey& key, std::string_view line) {
    // An item that follows place p comes after the loose lines up to p too.
    looseLinesBefore(key.after == 0 ? key.place : key.place + 1);
    put(line);
}

void TextLineWriter::line(std::string_view line) { put(line); }

bool TextLineWriter::finish() {
    while (nextLoose_ < loose_.size()) put(loose_[nextLoose_++].text);
    if (pendingNewline_ && !lacksFinalNewline_) writer_.text().push_back('\n');
    return writer_.flush() && ok_;
}

}  // namespace qvx
