// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace qvx {

// One pane of the status bar; a screen reader reads its whole text as the pane's name.
// An eliding pane shows a text wider than itself with an ellipsis (a list's file in its
// middle, so the file name keeps its extension; the note pane at its end); the others
// show their fixed texts as they are.
class StatusPane final : public QLabel {
    Q_OBJECT

public:
    StatusPane(const QString& text, Qt::TextElideMode elide, QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showFitted();

    QString fullText_;
    Qt::TextElideMode elide_;
};

}  // namespace qvx
