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

    bool atEnd();
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
