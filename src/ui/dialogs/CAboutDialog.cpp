// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/CAboutDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/platform/Pictures.h"

namespace qvx {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About YLTA"));
    setWindowIcon(programIcon());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto* icon = new QLabel;
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);
    auto* version = new QLabel(QStringLiteral("YLTA Version 1.06"));
    version->setObjectName(QStringLiteral("aboutVersion"));
    auto* date = new QLabel(QStringLiteral("Date: 03.10.2002"));
    date->setObjectName(QStringLiteral("aboutDate"));
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("aboutOkButton"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(16);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(date, 1, 1);
    layout->addWidget(ok, 0, 2, 2, 1, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace qvx
