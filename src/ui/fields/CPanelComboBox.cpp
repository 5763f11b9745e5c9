#include "ui/fields/CPanelComboBox.h"

#include <QKeyEvent>

#include "input/InputMessages.h"
#include "ui/fields/FieldColours.h"

namespace qvx {

CPanelComboBox::CPanelComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(16);
    applyFieldColours(this);
}

bool CPanelComboBox::event(QEvent* event) {
    // Tab is taken for focus moves before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress && isWindowKey(static_cast<QKeyEvent*>(event)->key())) {
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
