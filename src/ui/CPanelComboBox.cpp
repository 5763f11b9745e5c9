#include "ui/CPanelComboBox.h"

#include <QKeyEvent>

#include "ui/FieldColours.h"

namespace qvx {
namespace {

bool isClaimedKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}

}  // namespace

CPanelComboBox::CPanelComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setMaxVisibleItems(16);
    applyFieldColours(this);
}

bool CPanelComboBox::event(QEvent* event) {
    // Tab is taken for focus moves before keyPressEvent sees it.
    if (event->type() == QEvent::KeyPress && isClaimedKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QComboBox::event(event);
}

void CPanelComboBox::keyPressEvent(QKeyEvent* event) {
    if (isClaimedKey(event->key())) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace qvx
