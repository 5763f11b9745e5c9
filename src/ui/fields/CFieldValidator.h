// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qvx {

// Checks the text of a field when the user leaves it. Validate may rewrite the
// text; it returns an empty message to accept it, otherwise the message that
// tells the user why it was refused. The base accepts everything.
class CFieldValidator {
public:
    CFieldValidator() = default;
    virtual ~CFieldValidator();
    CFieldValidator(const CFieldValidator&) = delete;
    CFieldValidator& operator=(const CFieldValidator&) = delete;

    virtual QString Validate(QString& text) const;
};

// A number that must not exceed `largest`. An empty text becomes "0" first.
class CLimitValidator : public CFieldValidator {
public:
    CLimitValidator(long long largest, QString message);
    QString Validate(QString& text) const override;

private:
    long long largest_;
    QString message_;
};

class CBelow900000000Validator final : public CLimitValidator {
public:
    CBelow900000000Validator();
};

class CBelow70000000Validator final : public CLimitValidator {
public:
    CBelow70000000Validator();
};

class CBelow65536Validator final : public CLimitValidator {
public:
    CBelow65536Validator();
};

class CAtMost100Validator final : public CLimitValidator {
public:
    CAtMost100Validator();
};

}  // namespace qvx
