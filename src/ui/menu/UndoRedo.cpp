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

void UndoRedo::undo() { show(session_.undo()); }

void UndoRedo::redo() { show(session_.redo()); }

// The item goes to the front of its list column, selected, and the panel shows
// its record (also when it was selected already, as the record may have changed).
void UndoRedo::show(const ItemToSelect& selection) {
    if (!selection.tree || !selection.item) return;
    for (ListColumn* column : columns_) {
        for (const TreeKind kind : {TreeKind::Television, TreeKind::Radio}) {
            CTreeSat* tree = column->tree(kind);
            if (&tree->channelModel()->tree() != selection.tree) continue;
            column->tabs()->setCurrentWidget(tree);
            tree->selectItems(selection.item, selection.more);
            panelEdit_.showCurrentItem(*tree, selection.item);
            return;
        }
    }
}

}  // namespace qvx
