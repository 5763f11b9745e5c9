// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace qvx {

// The frame shared by the Set LNB, Set Rotor Position and Set Volume dialogs:
// a title, one labelled field, "Cancel" at the left and "OK" (the default) at
// the right. The caller sets the value before opening and reads it after OK.
class BulkSettingDialog : public QDialog {
    Q_OBJECT

public:
    BulkSettingDialog(const BulkSettingDialog&) = delete;
    BulkSettingDialog& operator=(const BulkSettingDialog&) = delete;

    int value() const { return value_; }
    void setValue(int value) { value_ = value; }

    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

public slots:
    void accept() override;

protected:
    BulkSettingDialog(const QString& title, const QString& label, QWidget* field, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    // Fills the field from the value each time the dialog opens.
    virtual void prepareField() = 0;
    // Reads the value back on OK; false keeps the dialog open.
    virtual bool takeValue() = 0;

    int value_ = 0;

private:
    QPushButton* ok_;
    QPushButton* cancel_;
};

// A setting chosen from a fixed, unsorted list; the value is the entry's index
// (-1 when none is chosen, as for a start value no entry stands for).
class BulkChoiceDialog : public BulkSettingDialog {
    Q_OBJECT

public:
    QComboBox* choices() const { return choices_; }

protected:
    BulkChoiceDialog(const QString& title, const QString& label, QStringList entries, QWidget* parent);

    void prepareField() override;
    bool takeValue() override;

private:
    BulkChoiceDialog(const QString& title, const QString& label, QStringList entries, QComboBox* choices,
                     QWidget* parent);

    QStringList entries_;
    QComboBox* choices_;
};

}  // namespace qvx
