// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/CSetVolumeDialog.h"

#include <QCoreApplication>
#include <QPushButton>

#include "ui/fields/CFieldValidator.h"
#include "ui/fields/CValidatingEdit.h"

namespace qvx {

CSetVolumeDialog::CSetVolumeDialog(QWidget* parent) : CSetVolumeDialog(new CValidatingEdit, parent) {}

CSetVolumeDialog::CSetVolumeDialog(CValidatingEdit* field, QWidget* parent)
    : BulkSettingDialog(QCoreApplication::translate("Window", "Set Volume"), QCoreApplication::translate("Window", "Volume"), field, parent),
      field_(field),
      validator_(std::make_unique<CAtMost100Validator>()) {
    setObjectName(QStringLiteral("setVolumeDialog"));
    field_->setLengthLimit(3);
    field_->setAcceptedCharacters(QStringLiteral("0123456789"));
    field_->setFieldValidator(validator_.get());
    field_->setCancelButton(cancelButton());
    field_->attach(this);
}

// The field goes with the dialog's children, after the validator it points to is
// no longer asked: nothing checks the field while the dialog is being destroyed.
CSetVolumeDialog::~CSetVolumeDialog() { field_->setFieldValidator(nullptr); }

void CSetVolumeDialog::prepareField() {
    field_->setText(QString::number(value_));
    field_->setFocus(Qt::OtherFocusReason);
    field_->selectAll();
}

bool CSetVolumeDialog::takeValue() {
    // A click on OK can come before the refusal of the value just typed is
    // shown, so OK checks again: a volume above 100 never reaches a record.
    const QString refusal = field_->checkValue();
    if (!refusal.isEmpty()) {
        field_->refuse(refusal);
        return false;
    }
    value_ = field_->text().toInt();
    return true;
}

}  // namespace qvx
