// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/list/ListFilter.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include "editing/ChannelFilter.h"
#include "ui/platform/Windows1252Text.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {

ListFilter::ListFilter(QWidget& over, CTreeSat& television, CTreeSat& radio)
    : QFrame(&over), over_(over), television_(television), radio_(radio) {
    setObjectName(QStringLiteral("listFilter"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("filterField"));
    field_->setAccessibleName(QCoreApplication::translate("Window", "Filter"));
    field_->setPlaceholderText(QCoreApplication::translate("Window", "Filter: name, sid:, freq:, lnb:"));
    field_->installEventFilter(this);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("filterCount"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(field_, 1);
    layout->addWidget(count_);
    connect(field_, &QLineEdit::textChanged, this, &ListFilter::apply);
    hide();
}

void ListFilter::open() {
    const int height = sizeHint().height();
    setGeometry(0, over_.height() - height, over_.width(), height);
    showCount();
    show();
    raise();
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
}

void ListFilter::close() {
    field_->clear();
    hide();
    CTreeSat& shown = television_.isVisible() ? television_ : radio_;
    shown.setFocus(Qt::OtherFocusReason);
}

void ListFilter::apply() {
    const ChannelFilter filter = ChannelFilter::parse(toWindows1252(field_->text()));
    for (CTreeSat* tree : {&television_, &radio_}) {
        ChannelTreeModel* model = tree->channelModel();
        model->setFilter(filter);
        // The matches are what the user looks for: their providers open, once there are few
        // enough to look through (laying out tens of thousands of rows would slow each keystroke).
        if (!filter.empty() && model->shownChannelCount() <= kOpenedMatches) tree->expandAll();
    }
    showCount();
}

void ListFilter::showCount() {
    count_->setText(countText());
}

QString ListFilter::countText() const {
    const ChannelTreeModel* television = television_.channelModel();
    const ChannelTreeModel* radio = radio_.channelModel();
    const std::size_t total = channelCount(television->tree()) + channelCount(radio->tree());
    const std::size_t shown = television->shownChannelCount() + radio->shownChannelCount();
    const QLocale locale;
    return QCoreApplication::translate("Window", "%1 of %2 shown")
        .arg(locale.toString(static_cast<qulonglong>(shown)), locale.toString(static_cast<qulonglong>(total)));
}

bool ListFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The window's own Escape and Enter (its questions) stay out of the field.
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CTreeSat& shown = television_.isVisible() ? television_ : radio_;
            shown.setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace qvx
