// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tree/TreeItemDelegate.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>

#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {

void TreeItemDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* tree = qobject_cast<const CTreeSat*>(option->widget);
    if (tree && tree->isDropHighlighted(index)) {
        // The place of a drop: drawn highlighted, with the item's ordinary picture.
        option->state |= QStyle::State_Selected;
        return;
    }
    if (option->state & QStyle::State_Selected) {
        const QIcon selected = index.data(ChannelTreeModel::SelectedDecorationRole).value<QIcon>();
        if (!selected.isNull()) option->icon = selected;
    }
}

QRect TreeItemDelegate::iconAndLabelRect(QStyleOptionViewItem option, const QModelIndex& index) const {
    initStyleOption(&option, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect iconRect = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, widget);
    QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget);
    // The text rectangle runs to the end of the cell; only the text itself counts.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    textRect.setWidth(option.fontMetrics.horizontalAdvance(option.text) + 2 * margin);
    return (iconRect | textRect) & option.rect;
}

}  // namespace qvx
