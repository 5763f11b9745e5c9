#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qvx {

// Lower case of one windows-1252 byte: A-Z, the accented capitals 0xC0-0xDE
// (not 0xD7, the multiplication sign), and Š Œ Ž Ÿ. Every other byte stays.
std::uint8_t lowerWindows1252(std::uint8_t byte);

std::string lowerWindows1252(std::string_view text);

}  // namespace qvx
