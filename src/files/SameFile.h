// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace qvx {

// Whether two paths name the same file, however they are spelled: "list" and
// "./list", a symbolic link and its target, two hard links. Files that exist
// are compared by device and inode; a file still to be created by the folder
// it will be created in (device and inode) and its name.
bool nameSameFile(const std::string& first, const std::string& second);

}  // namespace qvx
