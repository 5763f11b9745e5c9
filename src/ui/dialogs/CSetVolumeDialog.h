// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "ui/dialogs/BulkSettingDialog.h"

namespace qvx {

class CFieldValidator;
class CValidatingEdit;

// "Set Volume": up to three digits, at most 100; an empty field counts as 0.
class CSetVolumeDialog final : public BulkSettingDialog {
    Q_OBJECT

public:
    explicit CSetVolumeDialog(QWidget* parent = nullptr);
    ~CSetVolumeDialog() override;

    CValidatingEdit* volumeField() const { return field_; }

protected:
    void prepareField() override;
    bool takeValue() override;

private:
    CSetVolumeDialog(CValidatingEdit* field, QWidget* parent);

    CValidatingEdit* field_;
    std::unique_ptr<CFieldValidator> validator_;
};

}  // namespace qvx
