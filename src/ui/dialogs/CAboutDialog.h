// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace qvx {

// The About box: program icon, version line, date line and OK.
class CAboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace qvx
