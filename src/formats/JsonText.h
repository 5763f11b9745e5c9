#pragma once

#include <string>
#include <string_view>

namespace qvx {

struct ChannelRecord;
struct RecordField;

// Record text (windows-1252) as a JSON string literal in UTF-8: quotes and
// backslashes escaped, control characters (C1 included) as \u00XX, so that no
// control character of a list reaches a terminal raw.
void appendQuotedText(std::string& out, std::string_view windows1252);
std::string quotedText(std::string_view windows1252);

// A field's value as JSON: a quoted text, a number, or an array of numbers ("[0, 0, 0]").
void appendFieldValue(std::string& out, const ChannelRecord& record, const RecordField& field);

}  // namespace qvx
