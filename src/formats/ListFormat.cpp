#include "formats/ListFormat.h"

namespace qvx {

std::optional<ListFormat> listFormatForExtension(std::string_view lowerCasedExtension) {
    if (lowerCasedExtension == "qvx") return ListFormat::Native;
    if (lowerCasedExtension == "chl") return ListFormat::WinDvbLive;
    if (lowerCasedExtension == "dvb") return ListFormat::Dvb98;
    if (lowerCasedExtension == "xch") return ListFormat::DvbExtreme;
    return std::nullopt;
}

}  // namespace qvx
