// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace qvx::csv {

// The columns and words of a CSV list beside the record's field names.
inline constexpr std::string_view kTree = "tree";
inline constexpr std::string_view kLevel = "level";
inline constexpr std::string_view kImage = "image";
inline constexpr std::string_view kCarriedFormat = "carriedFormat";
inline constexpr std::string_view kCarriedPlace = "carriedPlace";
inline constexpr std::string_view kCarriedFile = "carriedFile";
inline constexpr std::string_view kCarriedPrefix = "carried.";
inline constexpr std::string_view kCarriedHexPrefix = "carriedHex.";

inline constexpr std::string_view kTelevision = "television";
inline constexpr std::string_view kRadio = "radio";
inline constexpr std::string_view kProvider = "provider";
inline constexpr std::string_view kChannel = "channel";
inline constexpr std::string_view kList = "list";
inline constexpr std::string_view kMore = "more";

// Image bytes per group of hex digits.
inline constexpr std::size_t kImageGroup = 4;

}  // namespace qvx::csv
