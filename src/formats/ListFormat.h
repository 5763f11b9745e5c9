#pragma once

#include <optional>
#include <string_view>

namespace qvx {

// The four list formats. Only the lower-cased extension selects one; a file's
// contents are never examined to guess it.
enum class ListFormat {
    Native,      // "qvx"
    WinDvbLive,  // "chl": native layout, with the LNB rule on saving
    Dvb98,       // "dvb"
    DvbExtreme,  // "xch"
};

// The format of a lower-cased extension, or none for any other text.
std::optional<ListFormat> listFormatForExtension(std::string_view lowerCasedExtension);

}  // namespace qvx
