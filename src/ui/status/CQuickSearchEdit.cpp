// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status/CQuickSearchEdit.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>

#include "ui/input/InputMessages.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/platform/Windows1252Text.h"

namespace qvx {

CQuickSearchEdit::CQuickSearchEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("quickSearchEdit"));
    setAccessibleName(QCoreApplication::translate("Window", "Quick search"));
    setMaxLength(kLengthLimit);
    // The user clicks into it; Tab never lands here.
    setFocusPolicy(Qt::ClickFocus);
    QFont small(QStringLiteral("Sans Serif"), 8);
    small.setStyleHint(QFont::SansSerif);
    setFont(small);
    setFrame(true);
    // A thin border, as the pane is low: the room inside it goes to the text.
    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid palette(mid); padding: 0px; }"));
    setTextMargins(1, 0, 1, 0);
}

void CQuickSearchEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    fitFont();
}

void CQuickSearchEdit::fitFont() {
    // Inside the border QLineEdit keeps a pixel above and below the text.
    const int room = contentsRect().height() - 2;
    QFont fitted = font();
    for (int pixels = 11; pixels > 6; --pixels) {
        fitted.setPixelSize(pixels);
        if (QFontMetrics(fitted).height() <= room) break;
    }
    if (fitted != font()) setFont(fitted);
}

bool CQuickSearchEdit::event(QEvent* event) {
    // Tab must not move the focus on, nor Enter and Escape reach the window's buttons.
    if (event->type() == QEvent::KeyPress && isWindowKey(static_cast<QKeyEvent*>(event)->key())) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride && isWindowKey(static_cast<QKeyEvent*>(event)->key())) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void CQuickSearchEdit::keyPressEvent(QKeyEvent* event) {
    if (!isWindowKey(event->key())) QLineEdit::keyPressEvent(event);
    event->accept();
    // Every typed character searches again, Backspace included.
    if (!event->text().isEmpty()) search();
}

void CQuickSearchEdit::search() const {
    const std::string prefix = toWindows1252(text());
    for (std::size_t i = 0; i < trees_.size(); ++i) {
        CTreeSat* tree = trees_[i];
        if (!tree || !tree->channelModel()) continue;
        const ChannelTreeModel* model = tree->channelModel();
        // With a filter on, only what it shows is searched.
        ItemShown shown;
        if (model->isFiltered()) shown = [model](const TreeItem& item) { return model->indexOf(&item).isValid(); };
        TreeItem* match = indexes_[i].find(prefix, model->tree(), shown);
        // A tree whose first match is already selected reports no change.
        if (match && match != tree->selectedItem()) tree->selectItem(match);
    }
}

}  // namespace qvx
