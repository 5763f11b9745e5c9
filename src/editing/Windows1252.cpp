// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/Windows1252.h"

namespace qvx {

std::string lowerWindows1252(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(lowerWindows1252(static_cast<std::uint8_t>(c)));
    return lower;
}

}  // namespace qvx
