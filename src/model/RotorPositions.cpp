// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RotorPositions.h"

#include <cstdio>

namespace qvx {

// Literals are split after "\xB0" so that the letter after the degree sign is
// not read as one more hex digit.
const std::array<std::string_view, kRotorPositionCount>& rotorPositionNames() {
    static constexpr std::string_view kNotAssigned = "not assigned";
    static const std::array<std::string_view, kRotorPositionCount> names = [] {
        std::array<std::string_view, kRotorPositionCount> table{
            "Predefined",
            "Hot Bird  13\xB0" "E",
            "Astra 19.2\xB0" "E",
            "Eutelsat F3 16\xB0" "E",
            "Eutelsat F2 10\xB0" "E",
            "Eutelsat F4 7\xB0" "E",
            "Sirius 5\xB0" "E",
            "Telecom 2C 3\xB0" "E",
            "Intelsat 707 1\xB0" "E",
            "Telecom 2B,2D 5\xB0" "W",
            "Telecom 2A 8\xB0" "W",
            "Intelsat 705 18\xB0" "W",
            "Intelsat Star 21\xB0" "W",
            "Intelsat 803 27\xB0" "W",
            "Hispasat 30\xB0" "W",
            "Orion 37\xB0" "W",
            "Kopernicus 3 23\xB0" "E",
            "Arabsat 2A 26\xB0" "E",
            "Kopernicus 2 28\xB0" "E",
            "Astra 2 28\xB0" "E",
            "Arabsat 2B 30\xB0" "E",
            "Turksat 1B 31\xB0" "E",
            "Turksat 1C 42\xB0" "E",
            "Intelsat 601 34.5\xB0" "E",
            "Pas 1 45\xB0" "W",
            "Amos 4\xB0" "W",
            "Thor 0.8\xB0" "W",
            "Nilesat 7\xB0" "W",
            "Eutelsat 12.5\xB0" "W",
        };
        for (int i = 29; i < kRotorPositionCount; ++i) table[static_cast<std::size_t>(i)] = kNotAssigned;
        return table;
    }();
    return names;
}

std::string rotorPositionEntry(int index) {
    if (index < 0 || index >= kRotorPositionCount) return {};
    char number[16];
    std::snprintf(number, sizeof number, "%02d ", index);
    return std::string(number) += rotorPositionNames()[static_cast<std::size_t>(index)];
}

std::string lnbEntry(int index) { return "LNB" + std::to_string(index); }

}  // namespace qvx
