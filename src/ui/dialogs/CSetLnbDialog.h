// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs/BulkSettingDialog.h"

namespace qvx {

// "Set LNB": the LNB number of a channel, a provider with its channels, or a whole tree.
class CSetLnbDialog final : public BulkChoiceDialog {
    Q_OBJECT

public:
    explicit CSetLnbDialog(QWidget* parent = nullptr);
};

}  // namespace qvx
