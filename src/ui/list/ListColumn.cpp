// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/list/ListColumn.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "model/ChannelList.h"
#include "ui/list/ListFilter.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/platform/Pictures.h"

namespace qvx {

ListColumn::ListColumn(ChannelList& list, int number, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("Window", "File %1").arg(number), parent), list_(list), number_(number) {
    const QString prefix = QStringLiteral("list%1").arg(number);
    setObjectName(prefix + QStringLiteral("Column"));

    const auto makeTree = [&](const QString& kind, const QString& shownKind, ChannelTree& channels) {
        auto* tree = new CTreeSat;
        tree->setObjectName(prefix + kind + QStringLiteral("Tree"));
        tree->setAccessibleName(shownKind);
        tree->setAccessibleDescription(title());
        auto* model = new ChannelTreeModel(channels, tree);
        tree->setChannelModel(model);
        tree->setMinimumSize(250, 400);
        return tree;
    };
    television_ = makeTree(QStringLiteral("Television"), QCoreApplication::translate("Window", "Television"), list.television());
    radio_ = makeTree(QStringLiteral("Radio"), QCoreApplication::translate("Window", "Radio"), list.radio());

    tabs_ = new QTabWidget;
    tabs_->setObjectName(prefix + QStringLiteral("Tabs"));
    tabs_->setAccessibleName(title());
    tabs_->setTabPosition(QTabWidget::South);
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->tabBar()->setFocusPolicy(Qt::NoFocus);
    tabs_->setDocumentMode(false);
    tabs_->addTab(television_, tabIcon(0), QCoreApplication::translate("Window", "Television"));
    tabs_->addTab(radio_, tabIcon(1), QCoreApplication::translate("Window", "Radio"));
    connect(tabs_, &QTabWidget::currentChanged, this, &ListColumn::showTreeOfTab);

    load_ = makeButton("LoadButton");
    saveAs_ = makeButton("SaveAsButton");
    save_ = makeButton("SaveButton");
    clearAll_ = makeButton("ClearAllButton");
    close_ = makeButton("CloseButton");

    auto* buttons = new QGridLayout;
    buttons->setSpacing(6);
    // Upper row: two wide buttons; lower row: three.
    buttons->addWidget(load_, 0, 0, 1, 3);
    buttons->addWidget(saveAs_, 0, 3, 1, 3);
    buttons->addWidget(clearAll_, 1, 0, 1, 2);
    buttons->addWidget(close_, 1, 2, 1, 2);
    buttons->addWidget(save_, 1, 4, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    // The trees' shared place: the tab control's page stack.
    filter_ = new ListFilter(*television_->parentWidget(), *television_, *radio_);
    showTreeOfTab(0);
}

ChannelTreeModel* ListColumn::model(TreeKind kind) const { return tree(kind)->channelModel(); }

// The caption and state come from the window's command the button presses.
QPushButton* ListColumn::makeButton(const char* role) {
    auto* button = new QPushButton;
    button->setObjectName(QStringLiteral("list%1").arg(number_) + QLatin1String(role));
    button->setAccessibleDescription(title());
    return button;
}

void ListColumn::showTreeOfTab(int tab) {
    // The tab control stacks both trees in one place; only the chosen one is shown.
    television_->setVisible(tab == 0);
    radio_->setVisible(tab != 0);
}

}  // namespace qvx
