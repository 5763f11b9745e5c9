// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QEvent;
class QObject;
class QWidget;

namespace qvx {

// The window's hover hints. It is fed the window's mouse messages and shows a
// control's hint as soon as the pointer rests on it, hiding it when the pointer leaves.
class HintControl final {
public:
    void addHint(QWidget* control, const QString& text);
    void relayMouseEvent(QObject* target, QEvent* event);
    // The hint shown at the moment; empty when none.
    QString shownHint() const;

private:
    struct Hint {
        QPointer<QWidget> control;
        QString text;
    };
    QList<Hint> hints_;
    QPointer<QWidget> shownFor_;
};

}  // namespace qvx
