// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace qvx {

class InputFilterHost;

// Looks at every key and mouse message of the window before the ordinary
// dialog handling: Enter and Escape end a label edit or a drag, Delete and F2
// act on the focused tree's selected item, and mouse messages feed the hints.
class CInputFilter final : public QObject {
    Q_OBJECT

public:
    explicit CInputFilter(InputFilterHost& host, QObject* parent = nullptr);

    // True when the message is consumed and goes no further.
    bool PreTranslateInput(QObject* target, QEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputFilterHost& host_;
};

}  // namespace qvx
