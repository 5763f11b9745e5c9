// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace qvx::cli {

// The whole of qvxtool: `arguments` without the program name; returns the
// exit status. Normal output goes to `out`, messages to `err`.
int runQvxtool(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err);

}  // namespace qvx::cli
