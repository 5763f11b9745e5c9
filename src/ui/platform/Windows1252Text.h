// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace qvx {

// The one place where record text (single-byte windows-1252) meets QString,
// through the core's table (model/Windows1252.h): every byte has a character,
// so bytes -> QString -> bytes gives the same bytes.
QString fromWindows1252(std::string_view bytes);

// Characters that windows-1252 cannot hold become '?'.
std::string toWindows1252(const QString& text);

}  // namespace qvx
