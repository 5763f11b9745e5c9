// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "formats/FileResult.h"

namespace qvx {

class ByteSink;
class ByteSource;
class ChannelTree;
struct ChannelRecord;

// JSON lists, for scripts (qvxtool only; the window does not offer them):
// {"television": [ITEM...], "radio": [ITEM...]}, ITEM = {"record": REC,
// "children": [REC...]}, REC = every named field of the record by its name
// (text as UTF-8 of the windows-1252 bytes up to the first zero, numbers as
// integers, reservedWords and reservedLongs as arrays) and "image", the 172
// bytes in lower-case hex.
//
// Reading: named fields win over the bytes of "image" they cover (a text
// covers its bytes and its terminator); "image" gives the rest. A record
// without "image" starts as a new provider (an item's "record") or a new
// channel (a child), and its texts are zero after their end. Anything else
// (a syntax error, a value of the wrong type or out of the field's range, a
// text longer than its field or not in windows-1252, an unknown key, a
// child whose isChannel is 0) is BadContent whose reason names the place,
// "television[0].children[2].lnb: 300 is out of range 0..255"; the trees are
// then left empty.
FileResult readJsonList(ByteSource& source, ChannelTree& television, ChannelTree& radio);

// Writes the list as above, in blocks; false when the sink failed.
bool writeJsonList(ByteSink& sink, const ChannelTree& television, const ChannelTree& radio);
// One record as REC.
void appendJsonRecord(std::string& out, const ChannelRecord& record);

}  // namespace qvx
