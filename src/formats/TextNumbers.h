// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvx {

// Numbers as the Linux channel files write them: decimal digits only, no
// sign, no blanks. None for anything else or for a value above `max`.
inline std::optional<std::uint64_t> parseUnsigned(std::string_view text, std::uint64_t max) {
    if (text.empty() || text.size() > 20) return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > max) return std::nullopt;
    if (text.front() < '0' || text.front() > '9') return std::nullopt;
    return value;
}

// The same with an optional leading '-' (libdvbv5 writes no satellite number as -1).
inline std::optional<std::int64_t> parseSigned(std::string_view text, std::int64_t min, std::int64_t max) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::optional<std::uint64_t> magnitude = parseUnsigned(negative ? text.substr(1) : text, 1ull << 62);
    if (!magnitude) return std::nullopt;
    const std::int64_t value = negative ? -static_cast<std::int64_t>(*magnitude) : static_cast<std::int64_t>(*magnitude);
    if (value < min || value > max) return std::nullopt;
    return value;
}

inline void appendNumber(std::string& out, std::uint64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// Text without the blanks (spaces, tabs) and carriage returns at either end.
inline bool isBlankOrReturn(char c) { return c == ' ' || c == '\t' || c == '\r'; }
inline std::string_view trimBlanks(std::string_view text) {
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && isBlankOrReturn(text[first])) ++first;
    while (end > first && isBlankOrReturn(text[end - 1])) --end;
    return text.substr(first, end - first);
}

// Whether two texts are equal but for the case of ASCII letters, as libdvbv5
// compares keys and values.
inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

}  // namespace qvx
