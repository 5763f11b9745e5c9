// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace qvx {

// One pane of the status bar; a screen reader reads its whole text as the pane's name.
// An eliding pane (a list's file) shows a text wider than itself with an ellipsis in its
// middle, so the file name keeps its extension and no glyph is cut; the others show their
// fixed texts as they are.
class StatusPane final : public QLabel {
    Q_OBJECT

public:
    StatusPane(const QString& text, bool elides, QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showFitted();

    QString fullText_;
    bool elides_;
};

}  // namespace qvx
