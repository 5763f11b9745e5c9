#pragma once

#include <QComboBox>

namespace qvx {

// A drop-down list of the settings panel. It keeps Enter, Escape and Tab to
// itself, so they neither move the focus nor act on the window.
class CPanelComboBox final : public QComboBox {
    Q_OBJECT

public:
    explicit CPanelComboBox(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The entry screen readers were last told of.
    QString shownEntry_;
};

}  // namespace qvx
