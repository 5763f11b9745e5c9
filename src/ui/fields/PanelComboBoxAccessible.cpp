// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields/PanelComboBoxAccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

#include "ui/fields/CPanelComboBox.h"

namespace qvx {

PanelComboBoxAccessible::PanelComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

QAccessibleInterface* PanelComboBoxAccessible::create(const QString&, QObject* object) {
    auto* box = qobject_cast<CPanelComboBox*>(object);
    return box ? new PanelComboBoxAccessible(box) : nullptr;
}

QComboBox* PanelComboBoxAccessible::box() const { return static_cast<QComboBox*>(widget()); }

QString PanelComboBoxAccessible::text(QAccessible::Text which) const {
    if (which == QAccessible::Value) return box()->currentText();
    return QAccessibleWidget::text(which);
}

QAccessible::State PanelComboBoxAccessible::state() const {
    QAccessible::State current = QAccessibleWidget::state();
    current.expandable = true;
    current.hasPopup = true;
    current.expanded = box()->view()->isVisible();
    current.collapsed = !current.expanded;
    return current;
}

int PanelComboBoxAccessible::childCount() const { return 1; }

QAccessibleInterface* PanelComboBoxAccessible::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
}

int PanelComboBoxAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && child->object() == box()->view() ? 0 : -1;
}

void* PanelComboBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList PanelComboBoxAccessible::actionNames() const {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void PanelComboBoxAccessible::doAction(const QString& action) {
    if (action == showMenuAction() || action == pressAction()) {
        if (box()->view()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
        return;
    }
    QAccessibleWidget::doAction(action);
}

void PanelComboBoxAccessible::selection(int, int* start, int* end) const { *start = *end = 0; }

QString PanelComboBoxAccessible::text(int start, int end) const {
    const QString entry = box()->currentText();
    if (end < 0 || end > entry.size()) end = static_cast<int>(entry.size());
    return start < 0 || start >= end ? QString() : entry.mid(start, end - start);
}

int PanelComboBoxAccessible::characterCount() const { return static_cast<int>(box()->currentText().size()); }

QString PanelComboBoxAccessible::attributes(int, int* start, int* end) const {
    *start = 0;
    *end = characterCount();
    return {};
}

}  // namespace qvx
