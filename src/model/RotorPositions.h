// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qvx {

inline constexpr int kRotorPositionCount = 61;
inline constexpr int kLnbCount = 60;

// The names of the rotor positions 0 to 60, windows-1252 text (0xB0 is the degree sign).
const std::array<std::string_view, kRotorPositionCount>& rotorPositionNames();

// A rotor list entry: "%02d %s", e.g. "01 Hot Bird  13\xB0E".
std::string rotorPositionEntry(int index);

// An LNB list entry: "LNB%d".
std::string lnbEntry(int index);

}  // namespace qvx
