// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "formats/ChannelExtras.h"

namespace qvx {

struct ChannelRecord;

// The parameter string of a DVB channel ("HC23M5O35S1", "B8C23D12G8M16T8Y0S0"):
// key letters, each but the polarization followed by its number. VDR reads
// the letters in any order and case; a later letter overrides an earlier one.
class VdrParameters final {
public:
    // Reads a parameter string; false when it holds a letter VDR does not
    // know, a letter without its number, or a number the letter does not take.
    bool parse(std::string_view text);

    // The polarization letter as written ('h', 'V'...), or 0.
    char polarization() const { return polarization_; }
    std::optional<std::uint32_t> value(char key) const { return values_[index(key)]; }

    // What the parameters say in neutral terms, for a source of this type
    // ('S', 'C', 'T', 'A'): the S key tells DVB-S2 and DVB-T2 apart.
    void describe(ChannelExtras& extras, char sourceType) const;
    // The record's share of them: polarity, code rate and modulation where given.
    void applyTo(ChannelRecord& record) const;

    // The parameter string VDR writes for these extras: the letters in its
    // order, automatic values left out.
    static std::string compose(const ChannelExtras& extras, char sourceType);

    // `text` with the polarization, the code rate and the modulation replaced
    // by those of `extras` where `change` says so; every other letter, its
    // case and its place stay. A value that became automatic is left out.
    struct Change {
        bool polarization = false;
        bool codeRate = false;
        bool modulation = false;
    };
    static std::string edited(std::string_view text, const Change& change, const ChannelExtras& extras);

private:
    static std::size_t index(char key) { return static_cast<std::size_t>((key | 0x20) - 'a'); }

    char polarization_ = 0;
    std::array<std::optional<std::uint32_t>, 26> values_{};
};

}  // namespace qvx
