// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

namespace qvx {

// Something a read left out or changed without failing, so that nothing is
// dropped without a word. The kind and its arguments are what the core
// knows; fileWarningText() words them in English for the command-line tool,
// and the window words fileWarningSource() in its language.
enum class FileWarningKind {
    RecordsPastCount,          // count: whole records after the last one the header counts
    BytesOfNoRecord,           // count: bytes at the end that form no whole record
    ChannelsWithoutKind,       // count: channels whose service type names no tree, dropped
    ProvidersWithoutChannels,  // count: provider entries without a channel, which no tree keeps
    FieldsReset,               // count: records whose volume, rotor position or DVBextreme fields were reset
    LooksLikeFormat,           // argument: the program of the format the contents look like
    NoRecordRecognised,        // a file that is not empty, in which no record was found
};

struct FileWarning {
    FileWarningKind kind;
    std::size_t count = 0;
    std::string argument = {};

    bool operator==(const FileWarning&) const = default;
};

// "bytes at the end that form no whole record were not read (17 bytes)".
std::string fileWarningText(const FileWarning& warning);
// The same as a source text of the window's translation: %1 stands for the
// count, %2 for the argument.
std::string_view fileWarningSource(const FileWarning& warning);

// Whether writing the list back over the file it was read from would lose
// what the read left out (the resets of the native read and the pruning of empty
// providers happen on every read of the file, so they lose nothing more).
bool rewriteWouldLose(FileWarningKind kind);

}  // namespace qvx
