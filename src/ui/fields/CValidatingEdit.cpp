// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fields/CValidatingEdit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

#include "ui/fields/CFieldValidator.h"
#include "ui/fields/FieldColours.h"
#include "ui/fields/ST_InfoWnd.h"

namespace qvx {

CValidatingEdit::CValidatingEdit(QWidget* parent)
    : QLineEdit(parent), infoWindow_(new ST_InfoWnd(QColor(255, 129, 129))) {
    applyFieldColours(this);
}

CValidatingEdit::~CValidatingEdit() { delete infoWindow_.data(); }

void CValidatingEdit::setLengthLimit(int limit) {
    lengthLimit_ = limit;
    setMaxLength(limit < 0 ? 32767 : limit);
}

void CValidatingEdit::attach(QWidget* dialog) { infoWindow_->Create(dialog); }

bool CValidatingEdit::event(QEvent* event) {
    // Tab would move the focus before keyPressEvent is asked; in a field it does nothing.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            event->accept();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CValidatingEdit::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && nextFieldCharacter_ == QChar(13)) {
        // Shift+Enter walks the same order backwards, to the fields Enter reaches only after OK.
        if (event->modifiers() & Qt::ShiftModifier)
            focusPreviousChild();
        else
            focusNextChild();
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape) {
        event->accept();  // never reaches the window's cancel command
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && !acceptedCharacters_.isEmpty() && !acceptedCharacters_.contains(typed[0])) {
        const char16_t code = typed[0].unicode();
        if (code >= 32 && code <= 126) {
            QApplication::beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

QString CValidatingEdit::checkValue() {
    if (!validator_ || (emptyAccepted_ && text().isEmpty())) return {};
    QString value = text();
    const QString message = validator_->Validate(value);
    if (value != text()) setText(value);
    return message;
}

void CValidatingEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A pop-up menu of the field itself is no leaving.
    if (event->reason() == Qt::PopupFocusReason) return;
    if (!validator_ || !isEnabled()) return;
    if (cancelButton_ && QApplication::focusWidget() == cancelButton_) return;
    const QString message = checkValue();
    if (message.isEmpty()) {
        infoWindow_->HideInfo();
        return;
    }
    // The focus cannot be taken back while it is still moving away: do it right after.
    QPointer<CValidatingEdit> self(this);
    QTimer::singleShot(0, this, [self, message] {
        if (self) self->refuse(message);
    });
}

void CValidatingEdit::refuse(const QString& message) {
    if (!isEnabled()) return;
    setFocus(Qt::OtherFocusReason);
    selectAll();
    infoWindow_->HideInfo();
    infoWindow_->ShowInfo(this, message);
}

}  // namespace qvx
