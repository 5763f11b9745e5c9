// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "formats/ChannelExtras.h"
#include "formats/Dvbv5Section.h"

namespace qvx {

// A new section for a channel, in the layout libdvbv5's dvb_write_file
// gives it: the header, the service's IDs and PIDs, the tuning keys of its
// delivery system in libdvbv5's order, DELIVERY_SYSTEM, and a blank line.
// `now` is what the channel is now (currentExtras); SAT_NUMBER is written
// where `satNumberGiven` or the record names an LNB.
void composeDvbv5Section(const ChannelRecord& record, const ChannelExtras& now, bool satNumberGiven,
                         std::string& out);

// A section read from a file with the keys of the `changes` (RecordChanges.h)
// written anew and every other line as it was: a changed value replaces the
// last value of its key, a key the section lacks follows its last key line.
void rewriteDvbv5Section(std::string_view text, const Dvbv5Section& section, unsigned changes,
                         const ChannelRecord& record, const ChannelExtras& now, std::string& out);

}  // namespace qvx
