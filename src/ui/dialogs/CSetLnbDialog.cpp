// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/CSetLnbDialog.h"

#include <QCoreApplication>

#include "model/RotorPositions.h"

namespace qvx {
namespace {

QStringList lnbEntries() {
    QStringList entries;
    for (int index = 0; index < kLnbCount; ++index) entries << QString::fromStdString(lnbEntry(index));
    return entries;
}

}  // namespace

CSetLnbDialog::CSetLnbDialog(QWidget* parent)
    : BulkChoiceDialog(QCoreApplication::translate("Window", "Set LNB"), QCoreApplication::translate("Window", "LNB"), lnbEntries(), parent) {
    setObjectName(QStringLiteral("setLnbDialog"));
}

}  // namespace qvx
