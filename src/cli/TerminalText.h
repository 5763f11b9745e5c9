#pragma once

#include <string>
#include <string_view>

namespace qvx::cli {

// Nothing the tool prints lets a control character reach the terminal raw:
// C0 controls, DEL and C1 controls become \u00XX escapes, as in JSON.

// Appends record text (windows-1252 bytes) as UTF-8 with controls escaped;
// `jsonQuoting` escapes quote and backslash too.
void appendRecordText(std::string& out, std::string_view windows1252, bool jsonQuoting);

// A message for the terminal (paths and texts in the system's UTF-8): controls
// escaped as above, bytes that are no UTF-8 as \xNN.
std::string terminalSafe(std::string_view text);

}  // namespace qvx::cli
