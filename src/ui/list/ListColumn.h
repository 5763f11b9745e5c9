// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include "model/ChannelTree.h"

class QPushButton;
class QTabWidget;

namespace qvx {

class ChannelList;
class ChannelTreeModel;
class CTreeSat;
class ListFilter;

// One list's column: the tab control with the Television and Radio trees
// stacked in one place, and the list's five buttons.
class ListColumn final : public QGroupBox {
    Q_OBJECT

public:
    // number: 1 for the left list, 2 for the right one.
    ListColumn(ChannelList& list, int number, QWidget* parent = nullptr);
    ListColumn(const ListColumn&) = delete;
    ListColumn& operator=(const ListColumn&) = delete;

    ChannelList& list() const { return list_; }
    int number() const { return number_; }
    CTreeSat* tree(TreeKind kind) const { return kind == TreeKind::Television ? television_ : radio_; }
    ChannelTreeModel* model(TreeKind kind) const;
    QTabWidget* tabs() const { return tabs_; }

    QPushButton* loadButton() const { return load_; }
    QPushButton* saveAsButton() const { return saveAs_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* clearAllButton() const { return clearAll_; }
    QPushButton* closeButton() const { return close_; }
    // The filter of both trees, over their bottom while open.
    ListFilter* filter() const { return filter_; }

private:
    // The tab change reaction: the tree of the chosen tab is shown, the other hidden.
    void showTreeOfTab(int tab);
    QPushButton* makeButton(const char* role);

    ChannelList& list_;
    int number_;
    QTabWidget* tabs_;
    CTreeSat* television_;
    CTreeSat* radio_;
    QPushButton* load_;
    QPushButton* saveAs_;
    QPushButton* save_;
    QPushButton* clearAll_;
    QPushButton* close_;
    ListFilter* filter_;
};

}  // namespace qvx
