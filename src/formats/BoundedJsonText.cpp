// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/BoundedJsonText.h"

#include "files/ByteStream.h"

namespace qvx {
namespace {

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// The first byte of a UTF-8 sequence, or a plain ASCII one.
bool beginsCharacter(char c) { return (static_cast<std::uint8_t>(c) & 0xC0) != 0x80; }

}  // namespace

BoundedJsonText::BoundedJsonText(ByteSource& source, StringLimit stringLimit)
    : source_(source), stringLimit_(std::move(stringLimit)) {}

bool BoundedJsonText::atEndSlowly() {
    if (ended_) return true;
    if (produce()) {
        held_ = true;
        return false;
    }
    ended_ = true;
    ++column_;  // the parser's end-of-text read
    return true;
}

bool BoundedJsonText::nextByte(char& c) {
    if (position_ == size_) {
        if (sourceEnded_) return false;
        size_ = source_.read(buffer_);
        position_ = 0;
        sourceEnded_ = size_ < buffer_.size();
        if (size_ == 0) return false;
    }
    c = static_cast<char>(buffer_[position_++]);
    ++pendingColumn_;
    if (c == '\n') {
        ++pendingLine_;
        pendingColumn_ = 0;
    }
    return true;
}

bool BoundedJsonText::refuse(JsonRefusal why) {
    refusal_ = why;
    return false;
}

bool BoundedJsonText::produce() {
    char c = 0;
    if (lookahead_) {
        c = lookaheadByte_;
        lookahead_ = false;
    } else if (!nextByte(c)) {
        return false;
    }
    // Where this byte stands; a run of blanks moves it to its last blank.
    std::size_t line = pendingLine_;
    std::size_t column = pendingColumn_;
    if (state_ == State::Between && isBlank(c)) {
        char next = 0;
        while (nextByte(next)) {
            if (!isBlank(next)) {
                lookahead_ = true;
                lookaheadByte_ = next;
                break;
            }
            line = pendingLine_;
            column = pendingColumn_;
        }
        // pendingLine_/pendingColumn_ now stand at the byte kept for later.
        current_ = ' ';
        line_ = line;
        column_ = column;
        return true;
    }
    switch (state_) {
    case State::InNumber:
        if (isNumberCharacter(c)) {
            if (++tokenLength_ > kMaxNumberLength) return refuse(JsonRefusal::LongNumber);
            break;
        }
        state_ = State::Between;
        [[fallthrough]];
    case State::Between:
        if (c == '"') {
            state_ = State::InString;
            tokenLength_ = 0;
            stringIsKey_ = expectKey_ && !containers_.empty() && containers_.back() == '{';
            stringLimitNow_ = stringLimit_(stringIsKey_);
            keyStart_.clear();
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            state_ = State::InNumber;
            tokenLength_ = 1;
        } else if (c == '{' || c == '[') {
            containers_.push_back(c);
            if (containers_.size() > kMaxDepth) return refuse(JsonRefusal::TooDeep);
            expectKey_ = c == '{';
        } else if (c == '}' || c == ']') {
            if (!containers_.empty()) containers_.pop_back();
            expectKey_ = false;
        } else if (c == ',') {
            expectKey_ = !containers_.empty() && containers_.back() == '{';
        } else if (c == ':') {
            expectKey_ = false;
        }
        break;
    case State::InString:
        if (c == '"') {
            state_ = State::Between;
            break;
        }
        if (c == '\\') state_ = State::InEscape;
        if (c == '\\' || beginsCharacter(c)) {
            if (++tokenLength_ > stringLimitNow_)
                return refuse(stringIsKey_ ? JsonRefusal::LongKey : JsonRefusal::LongText);
        }
        if (stringIsKey_ && keyStart_.size() < kKeptKeyStart) keyStart_ += c;
        break;
    case State::InEscape:
        if (hexLeft_ > 0) {
            if (--hexLeft_ == 0) state_ = State::InString;
        } else if (c == 'u') {
            hexLeft_ = 4;
        } else {
            state_ = State::InString;
        }
        if (stringIsKey_ && keyStart_.size() < kKeptKeyStart) keyStart_ += c;
        break;
    }
    current_ = c;
    line_ = line;
    column_ = column;
    return true;
}

}  // namespace qvx
