// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/CSetRotorPositionDialog.h"

#include <QCoreApplication>

#include "model/RotorPositions.h"
#include "ui/platform/Windows1252Text.h"

namespace qvx {
namespace {

QStringList rotorEntries() {
    QStringList entries;
    // The names are record text, so the degree sign is byte 0xB0.
    for (int index = 0; index < kRotorPositionCount; ++index)
        entries << fromWindows1252(rotorPositionEntry(index));
    return entries;
}

}  // namespace

CSetRotorPositionDialog::CSetRotorPositionDialog(QWidget* parent)
    : BulkChoiceDialog(QCoreApplication::translate("Window", "Set Rotor Position"), QCoreApplication::translate("Window", "Rotor Position"), rotorEntries(),
                       parent) {
    setObjectName(QStringLiteral("setRotorPositionDialog"));
}

}  // namespace qvx
