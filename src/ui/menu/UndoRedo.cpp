// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/UndoRedo.h"

#include <utility>
#include <vector>

#include <QTabWidget>

#include "model/ChannelList.h"
#include "session/EditorSession.h"
#include "ui/list/ListColumn.h"
#include "ui/panel/EditSession.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {

UndoRedo::UndoRedo(EditorSession& session, std::array<ListColumn*, 2> columns, EditSession& panelEdit)
    : session_(session), columns_(columns), panelEdit_(panelEdit) {}

void UndoRedo::undo() { show(keepingOpenProviders([this] { return session_.undo(); })); }

void UndoRedo::redo() { show(keepingOpenProviders([this] { return session_.redo(); })); }

// A step of many items resets the views, which would close every provider.
ItemToSelect UndoRedo::keepingOpenProviders(const std::function<ItemToSelect()>& step) {
    std::vector<std::pair<CTreeSat*, std::vector<const TreeItem*>>> open;
    for (ListColumn* column : columns_)
        for (const TreeKind kind : {TreeKind::Television, TreeKind::Radio})
            open.emplace_back(column->tree(kind), column->tree(kind)->openProviders());
    const ItemToSelect selection = step();
    for (const auto& [tree, providers] : open) tree->reopenProviders(providers);
    return selection;
}

// The item goes to the front of its list column, selected, and the panel shows
// its record (also when it was selected already, as the record may have changed).
void UndoRedo::show(const ItemToSelect& selection) {
    if (!selection.tree || !selection.item) return;
    for (ListColumn* column : columns_) {
        for (const TreeKind kind : {TreeKind::Television, TreeKind::Radio}) {
            CTreeSat* tree = column->tree(kind);
            if (&tree->channelModel()->tree() != selection.tree) continue;
            column->tabs()->setCurrentWidget(tree);
            tree->selectItem(selection.item);
            panelEdit_.showCurrentItem(*tree, selection.item);
            return;
        }
    }
}

}  // namespace qvx
