#pragma once

#include <QLabel>

namespace qvx {

// One pane of the status bar. A text wider than the pane is shown with an ellipsis
// in its middle (the list's file name keeps its extension), never cut inside a glyph;
// a screen reader reads the whole text as the pane's name.
class StatusPane final : public QLabel {
    Q_OBJECT

public:
    explicit StatusPane(const QString& text, QWidget* parent = nullptr);

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showFitted();

    QString fullText_;
};

}  // namespace qvx
