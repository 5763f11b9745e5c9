// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/CommandLine.h"
#include "files/FileWarning.h"
#include "formats/ListFormat.h"

namespace qvx {
class ListDocument;
struct FileResult;
}  // namespace qvx

namespace qvx::cli {

// The format of a path: the named one, else the one of its extension (for
// ".conf", the first of its formats; reading then looks at the content);
// tells `err` and gives none when neither names a format.
const ListFormatEntry* formatOfPath(const std::string& path, std::optional<ListFormat> named, std::ostream& err);

// Load of the window, for the tool, in the named format if there is one:
// kExitOk, or the exit status after telling `err` why not. What the read left
// out is told as warnings (and, when `warnings` is given, kept there).
int loadDocument(ListDocument& document, const std::string& path, std::optional<ListFormat> named,
                 std::ostream& err, std::vector<FileWarning>* warnings = nullptr);
// A command whose output is one of its inputs (the same file, however named)
// does not write it back when the read of that input left out what writing
// it would lose, unless `force`: kExitOk, or kExitFailure after saying why.
struct ReadInput {
    const std::string& path;
    const std::vector<FileWarning>& warnings;
};
int refuseLosingRewrite(std::initializer_list<ReadInput> inputs, std::initializer_list<std::string_view> outputs,
                        bool force, std::ostream& err);
// Save as of the window, for the tool, in the format `formats.to` names or
// the path's extension says, with `formats.source` for channels that name
// none; once saved, a warning for each kind of loss the format causes.
int saveDocumentAs(ListDocument& document, const std::string& path, const ToolFormats& formats, std::ostream& err);
// The warnings of saveDocumentAs alone.
void warnOfLosses(const ListDocument& document, const std::string& path, std::ostream& err);

// "qvxtool: " + the message + ": " + the system's reason where there is one;
// the exit status of a failed read or write.
int reportFailure(const FileResult& result, std::ostream& err);
// "qvxtool: warning: " + `subject` + ": " + `text`.
void warn(std::string_view subject, std::string_view text, std::ostream& err);

}  // namespace qvx::cli
