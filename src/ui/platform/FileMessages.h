// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qvx {

struct FileResult;

// What a load or save tells the user, in the window's language: the core's
// source text with its arguments (paths as the file system spells them).
QString fileMessage(const FileResult& result);

}  // namespace qvx
