// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "files/TranslatableText.h"

namespace qvx {

// Cause numbers of file failures, as the messages show them.
enum FileErrorCause : int {
    kCauseNone = 0,
    kCauseGeneric = 1,
    kCauseFileNotFound = 2,
    kCauseBadPath = 3,
    kCauseTooManyOpenFiles = 4,
    kCauseAccessDenied = 5,
    kCauseInvalidFile = 6,
    kCauseRemoveCurrentDir = 7,
    kCauseDirectoryFull = 8,
    kCauseBadSeek = 9,
    kCauseHardIo = 10,
    kCauseSharingViolation = 11,
    kCauseLockViolation = 12,
    kCauseDiskFull = 13,
    kCauseEndOfFile = 14,
};

// The cause number of an errno value (one table for the whole program).
int causeForErrno(int errorNumber);

// The file-error text of a cause, with `fileName` for %1. Readers pass
// "an unnamed file", writers the path.
std::string fileErrorText(int cause, std::string_view fileName);
// The same text with its %1 (the window words it).
std::string_view fileErrorSource(int cause);

inline constexpr std::string_view kUnnamedFile = QVX_TRANSLATE_NOOP("Files", "an unnamed file");

}  // namespace qvx
