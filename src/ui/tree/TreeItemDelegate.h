// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace qvx {

// Draws a selected row with its item's selected picture, and the drop highlight.
class TreeItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Where the row's picture and label are drawn inside `option.rect`.
    QRect iconAndLabelRect(QStyleOptionViewItem option, const QModelIndex& index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace qvx
