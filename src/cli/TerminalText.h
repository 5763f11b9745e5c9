// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "formats/JsonText.h"

namespace qvx::cli {

// Nothing the tool prints lets a control character reach the terminal raw:
// C0 controls, DEL and C1 controls become \u00XX escapes, as in JSON.

// Record text: appendRecordText of formats/JsonText.h.

// A message for the terminal (paths and texts in the system's UTF-8): controls
// escaped as above, bytes that are no UTF-8 as \xNN.
std::string terminalSafe(std::string_view text);

}  // namespace qvx::cli
