// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields/DecimalText.h"

#include <limits>

namespace qvx {

long long decimalValue(const QString& text) {
    qsizetype at = 0;
    const qsizetype size = text.size();
    while (at < size && (text[at] == u' ' || (text[at] >= u'\t' && text[at] <= u'\r'))) ++at;
    bool negative = false;
    if (at < size && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
    constexpr long long kMost = std::numeric_limits<long long>::max();
    long long value = 0;
    for (; at < size && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        const int digit = text[at].unicode() - u'0';
        value = value > (kMost - digit) / 10 ? kMost : value * 10 + digit;
    }
    return negative ? -value : value;
}

}  // namespace qvx
