// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace qvx {

class ByteSource;

// Why BoundedJsonText cut the text short.
enum class JsonRefusal { None, LongKey, LongText, LongNumber, TooDeep };

// The text of a JSON list as the parser gets it, one character at a time,
// with every token bounded, so that memory follows the records and not the
// text: the parser in front of which it stands keeps whole tokens, and
// everything between two tokens, in memory.
// - A run of whitespace reaches the parser as one blank.
// - A string ends the text (as if the file ended there) once it holds more
//   characters than `stringLimit` allows for it (asked as each string begins,
//   with whether it is an object's key), a number once it is longer than
//   kMaxNumberLength, and nesting deeper than kMaxDepth; refusal() says which.
// Where the parser stands in the original text is kept for its messages.
class BoundedJsonText final {
public:
    static constexpr std::size_t kMaxNumberLength = 40;
    static constexpr std::size_t kMaxDepth = 64;
    // The first characters of a refused key, for the message.
    static constexpr std::size_t kKeptKeyStart = 32;

    using StringLimit = std::function<std::size_t(bool key)>;

    BoundedJsonText(ByteSource& source, StringLimit stringLimit);

    // Whether the text has ended; else the next character is current().
    // Most characters are plain ones inside a string or a number, taken here
    // without a call: the parser asks for every character of the file.
    bool atEnd() {
        if (held_) return false;
        if (!ended_ && position_ < size_ && !lookahead_ && takePlain(static_cast<char>(buffer_[position_])))
            return false;
        return atEndSlowly();
    }
    char current() const { return current_; }
    void advance() { held_ = false; }

    JsonRefusal refusal() const { return refusal_; }
    const std::string& refusedKeyStart() const { return keyStart_; }
    // Line and column (from 1) of the last character the parser read; the
    // end of the text counts as one more column, as it does for the parser.
    std::size_t line() const { return line_; }
    std::size_t column() const { return column_; }

private:
    enum class State { Between, InString, InEscape, InNumber };

    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

    // Takes a byte that changes nothing but a token's length, when it is one.
    bool takePlain(char c) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (state_ == State::InString) {
            if (c == '"' || c == '\\' || byte < 0x20) return false;
            if ((byte & 0xC0) != 0x80 && tokenLength_ == stringLimitNow_) return false;  // the limit: said elsewhere
            if ((byte & 0xC0) != 0x80) ++tokenLength_;
            if (stringIsKey_ && keyStart_.size() < kKeptKeyStart) keyStart_ += c;
        } else if (state_ == State::InNumber) {
            if (byte < '0' || byte > '9' || tokenLength_ == kMaxNumberLength) return false;
            ++tokenLength_;
        } else if (state_ == State::Between && c == ':') {
            expectKey_ = false;
        } else if (state_ == State::Between && c == ',') {
            expectKey_ = !containers_.empty() && containers_.back() == '{';
        } else if (state_ != State::Between || !isBlank(c) || position_ + 1 == size_ ||
                   isBlank(static_cast<char>(buffer_[position_ + 1]))) {
            return false;  // a run of blanks, or what opens or closes something
        }
        ++position_;
        ++pendingColumn_;
        if (c == '\n') {
            ++pendingLine_;
            pendingColumn_ = 0;
        }
        current_ = c;
        line_ = pendingLine_;
        column_ = pendingColumn_;
        held_ = true;
        return true;
    }
    bool atEndSlowly();

    bool nextByte(char& c);  // from the source, the position kept
    bool refuse(JsonRefusal why);
    bool produce();          // finds the next character for the parser
    void noteStructure(char c);

    ByteSource& source_;
    StringLimit stringLimit_;
    std::array<std::uint8_t, 1 << 16> buffer_{};
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    bool sourceEnded_ = false;

    char current_ = 0;
    bool held_ = false;      // current_ is waiting for the parser
    bool ended_ = false;     // the parser was told the text ended
    bool lookahead_ = false; // a byte after a run of blanks waits in lookaheadByte_
    char lookaheadByte_ = 0;

    State state_ = State::Between;
    std::size_t tokenLength_ = 0;
    std::size_t stringLimitNow_ = 0;
    bool stringIsKey_ = false;
    int hexLeft_ = 0;  // hex digits of a \u escape still to come
    std::vector<char> containers_;  // '{' or '['
    bool expectKey_ = false;
    JsonRefusal refusal_ = JsonRefusal::None;
    std::string keyStart_;

    std::size_t line_ = 1;
    std::size_t column_ = 0;
    std::size_t pendingLine_ = 1;    // where lookaheadByte_ stands
    std::size_t pendingColumn_ = 0;
};

}  // namespace qvx
