// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ChannelRecord.h"

namespace qvx {

// The start of a record converted from a DVB98 or DVBextreme entry: tag "QRVX",
// version "1", the reserved bytes as a new record has them and everything else
// zero, ready for the fields the entry holds.
inline ChannelRecord convertedRecordBase() {
    ChannelRecord record{};
    ChannelRecord::setFieldText(record.tag, "QRVX");
    ChannelRecord::setFieldText(record.version, "1");
    record.reservedA = 1;
    record.reservedB = 0;
    record.reservedD = 1;
    return record;
}

}  // namespace qvx
