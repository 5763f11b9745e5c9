// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "formats/ListFormat.h"

namespace qvx {

// Which of the binary list formats a file's contents look like, from its
// first bytes (up to kProbeSize) and its size; none when it looks like none
// of them. Used only to warn: the extension alone chooses the reader.
// Native and WinDVBLive files share one layout: both are "Native" here.
std::optional<ListFormat> binaryFormatOfContent(std::span<const std::uint8_t> head, std::uint64_t size);

// Whether a file of format `a` is read the same way as one of format `b`.
bool sameLayout(ListFormat a, ListFormat b);

}  // namespace qvx
