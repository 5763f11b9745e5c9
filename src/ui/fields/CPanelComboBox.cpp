// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields/CPanelComboBox.h"

#include <utility>

#include <QAccessible>
#include <QKeyEvent>

#include "ui/input/InputMessages.h"
#include "ui/fields/FieldColours.h"
#include "ui/fields/PanelComboBoxAccessible.h"

namespace qvx {

CPanelComboBox::CPanelComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(16);
    applyFieldColours(this);
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&PanelComboBoxAccessible::create);
        return true;
    }();
    (void)accessibleInstalled;
    // Screen readers hear the new entry as a change of the box's text.
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString& entry) {
        const QString old = std::exchange(shownEntry_, entry);
        if (!QAccessible::isActive()) return;
        QAccessibleTextUpdateEvent update(this, 0, old, entry);
        QAccessible::updateAccessibility(&update);
    });
}

bool CPanelComboBox::event(QEvent* event) {
    // Tab is taken for focus moves before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress && isWindowKey(static_cast<QKeyEvent*>(event)->key())) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter moves on, as in the edit fields, so Enter alone walks the panel to OK. (With the
        // entries open, Enter reaches the open list instead and picks its entry.)
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Shift+Enter walks the same order backwards.
            if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier)
                focusPreviousChild();
            else
                focusNextChild();
        }
        event->accept();
        return true;
    }
    return QComboBox::event(event);
}

void CPanelComboBox::keyPressEvent(QKeyEvent* event) {
    if (isWindowKey(event->key())) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace qvx
