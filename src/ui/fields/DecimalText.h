// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qvx {

// The value of a text read as a decimal integer the standard way: leading
// blanks skipped, an optional sign, then digits up to the first other
// character; no digits give 0. Values too large for 64 bits saturate, so a long
// digit string still compares as large.
long long decimalValue(const QString& text);

}  // namespace qvx
