// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs/BulkSettingDialog.h"

namespace qvx {

// "Set Rotor Position": one of the 61 rotor positions, shown as "%02d %s".
class CSetRotorPositionDialog final : public BulkChoiceDialog {
    Q_OBJECT

public:
    explicit CSetRotorPositionDialog(QWidget* parent = nullptr);
};

}  // namespace qvx
