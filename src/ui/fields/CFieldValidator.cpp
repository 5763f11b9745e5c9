// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields/CFieldValidator.h"

#include <QCoreApplication>

#include "ui/fields/DecimalText.h"

namespace qvx {

CFieldValidator::~CFieldValidator() = default;

QString CFieldValidator::Validate(QString&) const { return {}; }

CLimitValidator::CLimitValidator(long long largest, QString message)
    : largest_(largest), message_(std::move(message)) {}

QString CLimitValidator::Validate(QString& text) const {
    if (text.isEmpty()) text = QStringLiteral("0");
    return decimalValue(text) > largest_ ? message_ : QString();
}

CBelow900000000Validator::CBelow900000000Validator()
    : CLimitValidator(899999999, QCoreApplication::translate("Window", "Must be less than 900000000")) {}

CBelow70000000Validator::CBelow70000000Validator()
    : CLimitValidator(69999999, QCoreApplication::translate("Window", "Must be less than 70000000")) {}

CBelow65536Validator::CBelow65536Validator()
    : CLimitValidator(65535, QCoreApplication::translate("Window", "Must be less than 65536")) {}

CAtMost100Validator::CAtMost100Validator()
    : CLimitValidator(100, QCoreApplication::translate("Window", "Volume must be less or equal than 100")) {}

}  // namespace qvx
