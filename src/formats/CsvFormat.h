// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/FileResult.h"

namespace qvx {

class ByteSink;
class ByteSource;
class ChannelList;

// CSV tables, for spreadsheets: RFC 4180 (cells with the separator, a quote
// or a line break quoted, quotes doubled, rows ended by CRLF), UTF-8 text,
// one row per provider and channel in tree order after a header row:
//
//   tree,level,tag,version,name,...,reservedD,image,carriedFormat,carriedPlace,carriedFile,carried.line,...
//
// "tree" is television or radio; "level" provider (a top-level item, a
// channel too where isChannel says so), channel (a child of the top-level
// item above it in its tree), list (what the list as a whole carries) or
// more (carried fields of the row above that did not fit its row: a name
// given twice, or out of the header's order). The record's fields go by
// their JSON names (texts as UTF-8, numbers decimal, reservedWords and
// reservedLongs as numbers between blanks); "image" holds the 172 bytes as
// hex in groups of eight digits (a group of digits alone is no number a
// spreadsheet would round); what an item carries from a text format follows
// as carriedFormat, carriedPlace (decimal), carriedFile (hex, two groups) and one column
// per field name, "carried.NAME", or "carriedHex.NAME" with the bytes in hex
// where they are not UTF-8 or hold a zero. A present field with an empty
// value is written "" (an empty cell is no field).
//
// Reading takes what spreadsheets write back: quoted or unquoted cells, CRLF,
// LF or CR, a UTF-8 byte order mark, windows-1252 where the text is not
// UTF-8, ';' or a tab as separator where the header has one before any ',',
// rows shorter than the header, the columns in any order or left out (only
// tree and level are needed). As in JSON, named fields win over the image's
// bytes; without an image a row starts as a new provider or channel. A blank
// row is skipped. An unknown column or a bad cell is BadContent
// "LINE: COLUMN: reason" (LINE where the row begins).
FileResult readCsvList(ByteSource& source, ChannelList& list);

// Writes the list as above, in blocks; false when the sink failed.
bool writeCsvList(ByteSink& sink, const ChannelList& list);

}  // namespace qvx
