// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qvx {

struct ListPane;

// The text of list `number`'s status pane: "File1: none" at start, "File1:
// NAME" for the chosen file, marked " (changed)" while the list differs from
// it, and "File1: none " (with its blank) after Close.
QString listPaneText(int number, const ListPane& pane);

}  // namespace qvx
