// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPointer>

#include "ui/fields/ST_InfoWnd.h"

class QAbstractButton;

namespace qvx {

class CFieldValidator;

// An edit field of the settings panel: refuses characters outside its set with
// a beep, stops at its length limit, moves on with Enter, keeps Tab and Escape
// from the window, and checks its value when the user leaves it, showing a
// refusal in an info window above itself.
class CValidatingEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit CValidatingEdit(QWidget* parent = nullptr);
    ~CValidatingEdit() override;
    CValidatingEdit(const CValidatingEdit&) = delete;
    CValidatingEdit& operator=(const CValidatingEdit&) = delete;

    void setLengthLimit(int limit);
    int lengthLimit() const { return lengthLimit_; }
    // An empty text lets every character through.
    void setAcceptedCharacters(const QString& characters) { acceptedCharacters_ = characters; }
    // Not owned; may be shared by several fields.
    void setFieldValidator(const CFieldValidator* validator) { validator_ = validator; }
    // A move of the focus to this button is not checked, so a dialog can be left with a refused value.
    void setCancelButton(const QAbstractButton* button) { cancelButton_ = button; }
    // Creates the info window with `dialog` as its owner.
    void attach(QWidget* dialog);

    ST_InfoWnd& infoWindow() const { return *infoWindow_; }

    // The check made on leaving the field: puts the (rewritten) text back and
    // returns the refusal message, empty when the value is accepted.
    QString checkValue();
    // While set, an empty text stays empty and is accepted (a field several values share no value of).
    void setEmptyAccepted(bool accepted) { emptyAccepted_ = accepted; }
    // Takes the focus back, selects the text and shows `message` above the field.
    void refuse(const QString& message);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool emptyAccepted_ = false;
    QChar nextFieldCharacter_ = QChar(13);
    int lengthLimit_ = -1;
    QString acceptedCharacters_;
    const CFieldValidator* validator_ = nullptr;
    const QAbstractButton* cancelButton_ = nullptr;
    // Becomes a child of the dialog once attached; whichever goes first takes it along.
    QPointer<ST_InfoWnd> infoWindow_;
};

}  // namespace qvx
