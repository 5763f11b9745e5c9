// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QComboBox;

namespace qvx {

// What a screen reader is told of a drop-down list of the panel: its label ("LNB") as
// the name, the chosen entry ("LNB3") as the value and as its read-only text, which
// AT-SPI readers speak. Qt's own combo box interface names the box by its entry on Linux.
class PanelComboBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PanelComboBoxAccessible(QComboBox* box);

    // For QAccessible::installFactory: this interface for every CPanelComboBox.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    QString text(QAccessible::Text which) const override;
    QAccessible::State state() const override;
    // The one child is the pop-up list with the entries.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    // QAccessibleTextInterface: the chosen entry, read-only, without a cursor.
    void selection(int index, int* start, int* end) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    int characterCount() const override;
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override;

private:
    QComboBox* box() const;
};

}  // namespace qvx
