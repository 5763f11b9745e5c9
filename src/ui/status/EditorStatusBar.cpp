// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status/EditorStatusBar.h"

#include <QCoreApplication>
#include <QHBoxLayout>

#include "ui/status/StatusPane.h"

namespace qvx {

EditorStatusBar::EditorStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("statusBar"));
    setSizeGripEnabled(false);
    const struct {
        const char* text;
        int width;  // 0: takes the rest
    } panes[kPaneCount] = {
        // The lists' panes show what the window's session tells.
        {" ", 15}, {"", 218}, {" ", 4}, {"", 218}, {QT_TRANSLATE_NOOP("Window", "Quick search:"), 80}, {"", 140},
        {"", 0},
    };
    for (int i = 0; i < kPaneCount; ++i) {
        const Qt::TextElideMode elide = i == kList1Pane || i == kList2Pane ? Qt::ElideMiddle
                                        : i == kNotePane                   ? Qt::ElideRight
                                                                           : Qt::ElideNone;
        auto* pane = new StatusPane(QCoreApplication::translate("Window", panes[i].text), elide);
        pane->setObjectName(QStringLiteral("statusPane%1").arg(i));
        if (panes[i].width > 0) {
            pane->setFixedWidth(panes[i].width);
            addWidget(pane);
        } else {
            // Takes the room left, whatever the length of a note: it never widens the window.
            pane->setSizePolicy(QSizePolicy::Ignored, pane->sizePolicy().verticalPolicy());
            addWidget(pane, 1);
        }
        panes_[static_cast<std::size_t>(i)] = pane;
    }
    // Pane 5 is kept for the quick-search field; the slot fills it.
    StatusPane* searchPane = panes_[kQuickSearchPane];
    auto* slotLayout = new QHBoxLayout(searchPane);
    slotLayout->setContentsMargins(1, 1, 1, 1);
    quickSearchSlot_ = new QWidget(searchPane);
    quickSearchSlot_->setObjectName(QStringLiteral("quickSearchSlot"));
    slotLayout->addWidget(quickSearchSlot_);

    noteTimer_.setSingleShot(true);
    noteTimer_.setInterval(kNoteMilliseconds);
    connect(&noteTimer_, &QTimer::timeout, this, [this] { setPaneText(kNotePane, standingText_); });
}

void EditorStatusBar::showNote(const QString& text) {
    setPaneText(kNotePane, text);
    noteTimer_.start();
}

void EditorStatusBar::setStandingText(const QString& text) {
    standingText_ = text;
    if (!noteTimer_.isActive()) setPaneText(kNotePane, text);
}

void EditorStatusBar::setPaneText(int pane, const QString& text) {
    panes_[static_cast<std::size_t>(pane)]->setFullText(text);
}

QString EditorStatusBar::paneText(int pane) const { return panes_[static_cast<std::size_t>(pane)]->fullText(); }

QRect EditorStatusBar::paneRect(int pane) const { return panes_[static_cast<std::size_t>(pane)]->geometry(); }

}  // namespace qvx
