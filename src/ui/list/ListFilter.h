// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

#include <QFrame>

class QLabel;
class QLineEdit;

namespace qvx {

class CTreeSat;

// A list's filter: a small field that lies over the bottom of the list's trees
// while it is open (no other control moves). What is typed filters both trees
// of the list, and the field counts what is shown ("37 of 5,000 shown").
// Escape, or clearing the text, shows everything again; Escape also closes it.
class ListFilter final : public QFrame {
    Q_OBJECT

public:
    // Up to this many shown channels in a tree, their providers are opened.
    static constexpr std::size_t kOpenedMatches = 5000;

    // `over` is the place the two trees share; the field lies over its bottom.
    ListFilter(QWidget& over, CTreeSat& television, CTreeSat& radio);

    // Ctrl+F or the tree menu's "Filter...": shows the field with the focus in it.
    void open();
    // Shows everything again and hides the field; the focus goes back to the list's shown tree.
    void close();
    QLineEdit* field() const { return field_; }
    QString countText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    void showCount();

    QWidget& over_;
    CTreeSat& television_;
    CTreeSat& radio_;
    QLineEdit* field_;
    QLabel* count_;
};

}  // namespace qvx
