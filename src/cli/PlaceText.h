#pragma once

#include <string>

#include "compare/ChannelPlace.h"

namespace qvx {
struct ChannelRecord;
struct RecordField;
}  // namespace qvx

namespace qvx::cli {

// How the findings of duplicates and diff name a channel.
// Text: provider 0 "ARD", channel 2 "Das Erste HD"
void appendPlaceText(std::string& out, const ChannelPlace& place);
// JSON: {"provider": 0, "providerName": "ARD", "channel": 2, "name": "Das Erste HD"}
void appendPlaceJson(std::string& out, const ChannelPlace& place);

// A field's value as JSON: a quoted text, a number, or an array of numbers.
void appendFieldValue(std::string& out, const ChannelRecord& record, const RecordField& field);

}  // namespace qvx::cli
