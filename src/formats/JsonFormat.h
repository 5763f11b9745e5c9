// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "files/FileResult.h"

namespace qvx {

class ByteSink;
class ByteSource;
class Carried;
class ChannelList;
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
//
// What an item carries from a text format is its REC's "carried", what the
// list carries the top level's: {"format": "vdr", "place": 12, "file":
// "HEX", "fields": [[NAME, VALUE]...]}, a VALUE that is not UTF-8 (an old
// Latin-1 line) as {"hex": "..."}; "place" and "file" only where they are
// not 0. So conf -> json -> (edit a name) -> conf changes one line.
FileResult readJsonList(ByteSource& source, ChannelList& list);

// Writes the list as above, in blocks; false when the sink failed.
bool writeJsonList(ByteSink& sink, const ChannelList& list);
// One record as REC, with what its item carries where given.
void appendJsonRecord(std::string& out, const ChannelRecord& record, const Carried* carried = nullptr);

}  // namespace qvx
