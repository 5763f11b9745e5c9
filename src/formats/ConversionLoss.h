// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ListFormat.h"

namespace qvx {

class ChannelTree;

// One kind of loss that writing a list in a format, and reading the file
// back, causes, with the number of records it hits.
// `what` is a source text of the window's translation.
struct ConversionLoss {
    std::string_view what;  // "names longer than 23 characters are cut"
    std::size_t records;
};

// "names longer than 23 characters are cut (1 record)".
std::string conversionLossText(const ConversionLoss& loss);
// The count's part of it as a source text, "(%1 records)" for the number.
std::string_view conversionLossCountSource(std::size_t records);

// Every kind of loss that saving these trees in `format` causes, in a fixed
// order; kinds that hit no record are left out.
std::vector<ConversionLoss> conversionLosses(ListFormat format, const ChannelTree& television,
                                             const ChannelTree& radio);

}  // namespace qvx
