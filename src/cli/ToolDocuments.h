#pragma once

#include <iosfwd>
#include <string>

#include "formats/ListFormat.h"

namespace qvx {
class ListDocument;
struct FileResult;
}  // namespace qvx

namespace qvx::cli {

// The format of a path's extension; tells `err` and gives none when the
// extension names no format.
const ListFormatEntry* formatOfPath(const std::string& path, std::ostream& err);

// Load and Save as of the window, for the tool: kExitOk, or the exit status
// after telling `err` why not.
int loadDocument(ListDocument& document, const std::string& path, std::ostream& err);
int saveDocumentAs(ListDocument& document, const std::string& path, std::ostream& err);

// Tells `err` what went wrong; the exit status of a failed read or write.
int reportFailure(const FileResult& result, std::ostream& err);

}  // namespace qvx::cli
