// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qvx {

// One "#EXTINF:" line of an M3U playlist:
// '#EXTINF:0 tvg-id="ard.de" group-title="ARD" radio="true",Das Erste HD'.
// Attribute values are quoted (or, in older files, a word without blanks);
// the title is everything after the first comma outside quotes.
inline constexpr std::string_view kExtinf = "#EXTINF:";

bool isExtinfLine(std::string_view line);

struct ExtinfAttribute {
    std::size_t start = 0;  // where its blank before the key starts in the line
    std::size_t end = 0;    // just after its value (and closing quote)
    std::string_view value;
};

class ExtinfLine {
public:
    // `line` without its newline; a carriage return at its end stays its own.
    explicit ExtinfLine(std::string_view line);

    // The title, blanks around it left off; none when the line has no comma.
    std::optional<std::string_view> title() const;
    std::optional<ExtinfAttribute> attribute(std::string_view key) const;

    // The line with the title set to `title`.
    std::string withTitle(std::string_view title) const;
    // The line with the attribute set (replaced, or added before the comma),
    // or, for an empty value, left out.
    std::string withAttribute(std::string_view key, std::string_view value) const;

private:
    std::string_view line_;
    std::size_t comma_;  // the comma before the title; the line's end (before a '\r') when it has none
    bool hasComma_;
    std::size_t end_;    // the line's end before a '\r'
};

// An attribute value as a playlist can hold it (no quotes, no line breaks).
std::string attributeValueOf(std::string_view text);
// A title as a playlist can hold it (no line breaks).
std::string titleOf(std::string_view text);

}  // namespace qvx
