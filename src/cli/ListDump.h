// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>

namespace qvx {
class ChannelList;
struct ChannelRecord;
}  // namespace qvx

namespace qvx::cli {

// The list in the JSON format (formats/JsonFormat.h), as `convert` writes a
// .json file. Written as it goes; false when `out` failed.
bool writeListAsJson(const ChannelList& list, std::ostream& out);
std::string recordAsJson(const ChannelRecord& record);

// A readable outline: each tree, its providers and their channels with the
// main tuning values; control characters in names escaped. Written as it
// goes; false when `out` failed.
bool writeListAsText(const ChannelList& list, std::ostream& out);

}  // namespace qvx::cli
