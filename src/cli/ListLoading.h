#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "formats/ListFormat.h"

namespace qvx {
class ChannelList;
}

namespace qvx::cli {

// The format of a path's extension; tells `err` and gives none when the
// extension is none of the four.
std::optional<ListFormat> formatOfPath(const std::string& path, std::ostream& err);

// Loads `path` into `list` as Load does. Returns kExitOk, or the exit status
// after telling `err` why not.
int loadList(const std::string& path, ChannelList& list, std::ostream& err);

}  // namespace qvx::cli
