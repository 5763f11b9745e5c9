// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "compare/ChannelPlace.h"

namespace qvx::cli {

// How the findings of duplicates and diff name a channel.
// Text: provider 0 "ARD", channel 2 "Das Erste HD"
void appendPlaceText(std::string& out, const ChannelPlace& place);
// JSON: {"provider": 0, "providerName": "ARD", "channel": 2, "name": "Das Erste HD"}
void appendPlaceJson(std::string& out, const ChannelPlace& place);

}  // namespace qvx::cli
