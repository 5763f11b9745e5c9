#pragma once

#include <iosfwd>
#include <string>

namespace qvx {
class ChannelList;
struct ChannelRecord;
}  // namespace qvx

namespace qvx::cli {

// {"television": [ITEM...], "radio": [ITEM...]} with ITEM = {"record": REC,
// "children": [REC...]}; REC holds every named field of the record (text as
// UTF-8 decoded from windows-1252) and "image", the 172 bytes in hex.
// Written as it goes; false (and stopped early) when `out` failed.
bool writeListAsJson(const ChannelList& list, std::ostream& out);
std::string recordAsJson(const ChannelRecord& record);

// A readable outline: each tree, its providers and their channels with the
// main tuning values; control characters in names escaped. Written as it
// goes; false when `out` failed.
bool writeListAsText(const ChannelList& list, std::ostream& out);

}  // namespace qvx::cli
