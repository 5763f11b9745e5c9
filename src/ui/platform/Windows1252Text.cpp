// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/Windows1252Text.h"

#include <cstdint>

#include "model/Windows1252.h"

namespace qvx {

QString fromWindows1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(static_cast<char16_t>(windows1252ToCodePoint(static_cast<std::uint8_t>(byte))));
    return text;
}

std::string toWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text) {
        const auto byte = codePointToWindows1252(character.unicode());
        bytes.push_back(static_cast<char>(byte.value_or('?')));
    }
    return bytes;
}

}  // namespace qvx
