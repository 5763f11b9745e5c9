#pragma once

#include <string>

namespace qvx {
class ChannelList;
struct ChannelRecord;
}  // namespace qvx

namespace qvx::cli {

// {"television": [ITEM...], "radio": [ITEM...]} with ITEM = {"record": REC,
// "children": [REC...]}; REC holds every named field of the record (text as
// UTF-8 decoded from windows-1252) and "image", the 172 bytes in hex.
std::string listAsJson(const ChannelList& list);
std::string recordAsJson(const ChannelRecord& record);

// A readable outline: each tree, its providers and their channels with the
// main tuning values.
std::string listAsText(const ChannelList& list);

}  // namespace qvx::cli
