// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace qvx {

// Why the window system cannot be reached, as one line for the terminal
// ("qvxedit: cannot open the display \":1\": set DISPLAY or run it on a
// desktop"); empty when it can, or when a platform other than X11 was chosen.
// Asked before the toolkit starts, which would otherwise abort with a core dump.
std::string displayProblem();

}  // namespace qvx
