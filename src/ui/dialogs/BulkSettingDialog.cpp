// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/BulkSettingDialog.h"

#include <QCoreApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "ui/fields/FieldColours.h"

namespace qvx {

BulkSettingDialog::BulkSettingDialog(const QString& title, const QString& label, QWidget* field,
                                     QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ok_(new QPushButton(QCoreApplication::translate("Window", "OK"))),
      cancel_(new QPushButton(QCoreApplication::translate("Window", "Cancel"))) {
    setWindowTitle(title);
    setModal(true);
    field->setObjectName(QStringLiteral("settingField"));
    ok_->setObjectName(QStringLiteral("okButton"));
    cancel_->setObjectName(QStringLiteral("cancelButton"));
    ok_->setDefault(true);

    auto* caption = new QLabel(label);
    caption->setBuddy(field);
    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(field, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Left to right the buttons read Cancel, OK; the keyboard reaches OK first,
    // so Enter after leaving the field confirms.
    setTabOrder(field, ok_);
    setTabOrder(ok_, cancel_);
    connect(ok_, &QPushButton::clicked, this, &BulkSettingDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &BulkSettingDialog::reject);
}

void BulkSettingDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    prepareField();
}

void BulkSettingDialog::accept() {
    if (!takeValue()) return;
    QDialog::accept();
}

BulkChoiceDialog::BulkChoiceDialog(const QString& title, const QString& label, QStringList entries,
                                   QWidget* parent)
    : BulkChoiceDialog(title, label, std::move(entries), new QComboBox, parent) {}

BulkChoiceDialog::BulkChoiceDialog(const QString& title, const QString& label, QStringList entries,
                                   QComboBox* choices, QWidget* parent)
    : BulkSettingDialog(title, label, choices, parent), entries_(std::move(entries)), choices_(choices) {
    choices_->setEditable(false);
    choices_->setMaxVisibleItems(16);
    applyFieldColours(choices_);
    applyFieldColours(choices_->view());
    // The drop-down draws its entries like menu items, on the window colour.
    QPalette popup = choices_->view()->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        popup.setColor(group, QPalette::Window, popup.color(group, QPalette::Base));
    choices_->view()->setPalette(popup);
}

void BulkChoiceDialog::prepareField() {
    choices_->clear();
    choices_->addItems(entries_);
    // A value no entry stands for (possible in loaded files) leaves the list without a choice.
    choices_->setCurrentIndex(value_ >= 0 && value_ < choices_->count() ? value_ : -1);
    choices_->setFocus(Qt::OtherFocusReason);
}

bool BulkChoiceDialog::takeValue() {
    value_ = choices_->currentIndex();
    return true;
}

}  // namespace qvx
