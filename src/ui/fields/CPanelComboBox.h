// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace qvx {

// A drop-down list of the settings panel. It keeps Enter, Escape and Tab from the
// window, so they never act on it; Tab and Escape do nothing, and Enter moves the
// focus to the next control, as in the panel's edit fields.
class CPanelComboBox final : public QComboBox {
    Q_OBJECT

public:
    explicit CPanelComboBox(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The entry screen readers were last told of.
    QString shownEntry_;
};

}  // namespace qvx
