// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qvx {

// Named temporary files of a save: ".qvxsave-PID-RANDOM-NAME" beside the
// target. The process number tells a later save whether its owner still
// runs; the target's name at the end tells a person what it was.
inline constexpr std::string_view kTemporaryPrefix = ".qvxsave-";

// A fresh name for a temporary file of this process for `targetName`, never
// longer than `nameLimit` bytes: the target's name is cut (at a character
// boundary) so that no legal target name makes the temporary one too long.
std::string temporaryName(const std::string& targetName, std::size_t nameLimit);

// An unnamed file (O_TMPFILE) gets its name through /proc: the path that
// names the open file `fd`, and whether it can be used (not without /proc).
std::string procPathOf(int fd);
bool canBeNamed(int fd);

// Removes from the open folder `folder` the temporary files that a process of
// this user left behind when it was killed: plain files of ours whose process
// no longer exists. Everything else is left alone.
void removeStaleTemporaries(int folder);

}  // namespace qvx
