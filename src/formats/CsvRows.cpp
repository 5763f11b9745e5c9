// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CsvRows.h"

#include <cstring>

namespace qvx {

void CsvRows::skipLineEnd() {
    if (position_ >= text_.size()) return;
    if (text_[position_] == '\r') ++position_;
    if (position_ < text_.size() && text_[position_] == '\n') ++position_;
    ++line_;
}

bool CsvRows::next(std::vector<CsvCell>& cells) {
    cells.clear();
    if (position_ >= text_.size() || unclosed_) return false;
    rowLine_ = line_;
    char* const data = text_.data();
    const std::size_t size = text_.size();
    for (;;) {
        std::size_t at = position_;
        CsvCell cell;
        if (at < size && data[at] == '"') {
            // Unquoted in place: `to` never passes `at`.
            const std::size_t begin = at + 1;
            std::size_t to = begin;
            ++at;
            for (;;) {
                const void* found = at < size ? std::memchr(data + at, '"', size - at) : nullptr;
                if (!found) {
                    unclosed_ = true;
                    return false;
                }
                const std::size_t quote = static_cast<std::size_t>(static_cast<const char*>(found) - data);
                for (std::size_t i = at; i < quote; ++i)
                    if (data[i] == '\n') ++line_;
                if (to != at) std::memmove(data + to, data + at, quote - at);
                to += quote - at;
                at = quote + 1;
                if (at < size && data[at] == '"') {
                    data[to++] = '"';
                    ++at;
                    continue;
                }
                break;
            }
            // Text after the closing quote joins the cell.
            while (at < size && data[at] != separator_ && data[at] != '\n' && data[at] != '\r') data[to++] = data[at++];
            cell = {std::string_view(data + begin, to - begin), true};
        } else {
            const std::size_t begin = at;
            while (at < size && data[at] != separator_ && data[at] != '\n' && data[at] != '\r') ++at;
            cell = {std::string_view(data + begin, at - begin), false};
        }
        cells.push_back(cell);
        if (at < size && data[at] == separator_) {
            position_ = at + 1;
            continue;
        }
        position_ = at;
        skipLineEnd();
        return true;
    }
}

char csvSeparatorOf(std::string_view text) {
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == ',' || c == ';' || c == '\t') return c;
        if (c == '\n' || c == '\r') break;
    }
    return ',';
}

void appendCsvCell(std::string& out, std::string_view text, char separator) {
    bool quote = false;
    for (const char c : text)
        if (c == separator || c == '"' || c == '\r' || c == '\n') {
            quote = true;
            break;
        }
    if (!quote) {
        out.append(text);
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace qvx
