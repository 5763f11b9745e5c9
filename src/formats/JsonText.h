// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace qvx {

struct ChannelRecord;
struct RecordField;

// Record text (windows-1252) as UTF-8 with control characters (C1 included)
// escaped as \u00XX, so that none reaches a terminal raw; `jsonQuoting`
// escapes quote and backslash too.
void appendRecordText(std::string& out, std::string_view windows1252, bool jsonQuoting);
// The same as a JSON string literal.
void appendQuotedText(std::string& out, std::string_view windows1252);
std::string quotedText(std::string_view windows1252);

// A field's value as JSON: a quoted text, a number, or an array of numbers ("[0, 0, 0]").
void appendFieldValue(std::string& out, const ChannelRecord& record, const RecordField& field);

}  // namespace qvx
