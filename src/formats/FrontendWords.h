// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "formats/ChannelExtras.h"
#include "formats/TextNumbers.h"

namespace qvx {

// The words libdvbv5 spells tuning values with, as its dvbv5 files write
// them ("PSK/8", "2/3", "8K") and as its zap lines do ("8PSK", "FEC_2_3",
// "TRANSMISSION_MODE_8K"). A word may stand for no value the neutral
// description has (dvbv5's "C1" transmission mode): it is still a valid
// word. Readers match words in any case, as libdvbv5 does; writers take the
// first word of a value.
template <typename Value>
struct FrontendWord {
    std::string_view text;
    std::optional<Value> value;
};

template <typename Value>
using FrontendWords = std::span<const FrontendWord<Value>>;

struct FrontendSpelling {
    FrontendWords<CodeRate> codeRates;
    FrontendWords<Modulation> modulations;
    FrontendWords<Inversion> inversions;
    FrontendWords<TransmissionMode> transmissionModes;
    FrontendWords<GuardInterval> guardIntervals;
    FrontendWords<Hierarchy> hierarchies;
    FrontendWords<Polarization> polarizations;
    FrontendWords<Pilot> pilots;                    // dvbv5 only
    FrontendWords<Rolloff> rolloffs;                // dvbv5 only
    FrontendWords<DeliverySystem> deliverySystems;  // dvbv5 only; others by their nearest system
    FrontendWords<std::uint32_t> bandwidths;        // zap only, in Hz (0: automatic)
};

const FrontendSpelling& dvbv5Spelling();
const FrontendSpelling& zapSpelling();

// The entry of a word, or null when the table has none.
template <typename Value>
const FrontendWord<Value>* findWord(FrontendWords<Value> words, std::string_view text) {
    for (const FrontendWord<Value>& word : words)
        if (equalsIgnoringCase(word.text, text)) return &word;
    return nullptr;
}

// The first word of a value; `otherwise` where the table has none.
template <typename Value>
std::string_view wordOf(FrontendWords<Value> words, Value value, std::string_view otherwise) {
    for (const FrontendWord<Value>& word : words)
        if (word.value == value) return word.text;
    return otherwise;
}

}  // namespace qvx
