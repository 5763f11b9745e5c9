// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

namespace qvx {
class ChannelTree;
}

namespace qvx::cli {

struct ToolFormats;

// What the commands that read IN, change the list and write it to OUT share:
// both extensions are checked before anything is read or written, then IN is
// loaded, `change` runs on the Television and then the Radio tree, and the
// list is saved as OUT; OUT that is IN is not written when the read of IN
// left out what writing it would lose, unless `force`. Returns the exit
// status, having told `err` of any failure.
int rewriteList(const std::string& input, const std::string& output, const std::function<void(ChannelTree&)>& change,
                bool force, const ToolFormats& formats, std::ostream& err);

}  // namespace qvx::cli
