// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qvx {

struct ConversionLoss;
struct FileResult;
struct FileWarning;

// What a load or save tells the user, in the window's language: the core's
// source text with its arguments (paths as the file system spells them).
QString fileMessage(const FileResult& result);
// What a read left out, and what a format written cannot hold, as the notes
// of the status bar say them in the window's language.
QString fileWarningNote(const FileWarning& warning);
QString conversionLossNote(const ConversionLoss& loss);

}  // namespace qvx
