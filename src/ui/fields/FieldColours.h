// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace qvx {

// The colours of the fields that draw text on a background of their own:
// enabled black on yellow, disabled red on black.
void applyFieldColours(QWidget* field);

}  // namespace qvx
