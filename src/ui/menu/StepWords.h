// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "commands/StepName.h"
#include "editing/BulkSettings.h"

namespace qvx {

enum class MenuTarget;

// The tree menu's entry of a setting on what was right-clicked: "Set LNB" on
// a channel (and, grayed, in an empty tree), "Set LNB for provider", "Set LNB
// for all" below the items.
QString bulkEntryText(BulkField field, MenuTarget target);

// A step of the history as the menu names it: "Delete ZDFvision", "Set LNB
// for all", "Compare Lists".
QString stepText(const StepName& step);

}  // namespace qvx
