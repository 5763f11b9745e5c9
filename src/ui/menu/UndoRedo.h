// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "commands/ListCommand.h"

namespace qvx {

class EditSession;
class EditorSession;
class ListColumn;

// What Undo and Redo do in the window: the session takes the step back or
// makes it again, and the item the step names is selected, on its tab, and
// shown in the panel. The trees themselves keep their providers open.
class UndoRedo final {
public:
    UndoRedo(EditorSession& session, std::array<ListColumn*, 2> columns, EditSession& panelEdit);
    UndoRedo(const UndoRedo&) = delete;
    UndoRedo& operator=(const UndoRedo&) = delete;

    void undo();
    void redo();

private:
    void show(const ItemToSelect& selection);

    EditorSession& session_;
    std::array<ListColumn*, 2> columns_;
    EditSession& panelEdit_;
};

}  // namespace qvx
