// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <QStatusBar>
#include <QTimer>

namespace qvx {

class StatusPane;

// The window's status bar: seven panes of fixed width, the last one taking the
// rest. Panes 1 and 3 show the files of the two lists; pane 5 holds the
// quick-search field; the last one shows short notes that go by themselves.
class EditorStatusBar final : public QStatusBar {
    Q_OBJECT

public:
    static constexpr int kPaneCount = 7;
    static constexpr int kList1Pane = 1;
    static constexpr int kList2Pane = 3;
    static constexpr int kQuickSearchPane = 5;
    static constexpr int kNotePane = 6;
    static constexpr int kNoteMilliseconds = 4000;

    explicit EditorStatusBar(QWidget* parent = nullptr);

    void setPaneText(int pane, const QString& text);
    QString paneText(int pane) const;
    // Where the pane lies, in the status bar's coordinates.
    QRect paneRect(int pane) const;
    // Shows `text` in the note pane for a few seconds; a later note replaces it.
    void showNote(const QString& text);
    // What the note pane holds while no note shows (how many items are selected).
    void setStandingText(const QString& text);
    bool isNoteShowing() const { return noteTimer_.isActive(); }
    // The widget that fills pane 5.
    QWidget* quickSearchSlot() const { return quickSearchSlot_; }

private:
    std::array<StatusPane*, kPaneCount> panes_{};
    QWidget* quickSearchSlot_;
    QTimer noteTimer_;
    QString standingText_;
};

}  // namespace qvx
