// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QLineEdit>

#include "editing/PrefixSearch.h"

namespace qvx {

class CTreeSat;

// The quick-search field of the status bar. After every character typed into
// it, each of the four trees selects its first provider or channel whose name
// begins with the field's text, ignoring case.
class CQuickSearchEdit final : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kLengthLimit = 16;

    explicit CQuickSearchEdit(QWidget* parent = nullptr);
    CQuickSearchEdit(const CQuickSearchEdit&) = delete;
    CQuickSearchEdit& operator=(const CQuickSearchEdit&) = delete;

    // Searched in this order: list 1 Television, list 2 Television, list 1 Radio, list 2 Radio.
    void setTrees(const std::array<CTreeSat*, 4>& trees) { trees_ = trees; }
    // Runs the search with the field's text.
    void search() const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The largest size of the small sans-serif face whose letters, descenders included,
    // fit inside the frame.
    void fitFont();

    std::array<CTreeSat*, 4> trees_{};
    // One per tree, so a keystroke on large lists stays quick.
    mutable std::array<PrefixIndex, 4> indexes_;
};

}  // namespace qvx
