// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "formats/VdrText.h"
#include "model/Carried.h"

namespace qvx::vdr {

// What items and lists read from a channels.conf carry.
inline constexpr std::string_view kFormat = "vdr";
// A channel's or group's line, exactly as the file had it.
inline constexpr std::string_view kLine = "line";
// On the list: the file's encoding where it is not UTF-8. On an item: the
// encoding of its line where its bytes alone do not tell.
inline constexpr std::string_view kEncoding = "encoding";
inline constexpr std::string_view kWindows1252 = "windows-1252";
// On the made-up provider of the channels without a provider part: the name
// it was given (the file's); while it keeps that name, its channels get none.
inline constexpr std::string_view kWithoutProviderPart = "withoutProviderPart";

// The encoding of a carried line: as marked, else UTF-8 where its bytes are.
inline VdrEncoding encodingOfLine(const Carried& carried, std::string_view line) {
    if (carried.field(kEncoding) == kWindows1252) return VdrEncoding::Windows1252;
    return isAscii(line) || isUtf8(line) ? VdrEncoding::Utf8 : VdrEncoding::Windows1252;
}

}  // namespace qvx::vdr
