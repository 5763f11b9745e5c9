// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>

#include <QObject>
#include <QString>

#include "commands/ListCommand.h"

class QWidget;

namespace qvx {

class EditSession;
class EditorSession;
class ListColumn;

// Undo and redo in the window: Ctrl+Z takes back the last change of either
// list, Ctrl+Shift+Z and Ctrl+Y make it again, from anywhere in the window but
// a text field being typed in (whose own undo acts there). The item a step
// names is selected, on its tab, and shown in the panel. Nothing happens in
// edit mode or while `busy` says so (a drag, a load). Providers shown open stay open.
class UndoRedo final : public QObject {
    Q_OBJECT

public:
    UndoRedo(QWidget& window, EditorSession& session, std::array<ListColumn*, 2> columns, EditSession& panelEdit,
             std::function<bool()> busy);
    UndoRedo(const UndoRedo&) = delete;
    UndoRedo& operator=(const UndoRedo&) = delete;

    bool canUndo() const;
    bool canRedo() const;
    // The menu's entries: "Undo Delete ZDFvision", or "Undo" when there is nothing to undo.
    QString undoText() const;
    QString redoText() const;

    void undo();
    void redo();

private:
    bool blocked() const;
    void show(const ItemToSelect& selection);
    // Runs the step; the providers shown open before are open after it.
    ItemToSelect keepingOpenProviders(const std::function<ItemToSelect()>& step);

    QWidget& window_;
    EditorSession& session_;
    std::array<ListColumn*, 2> columns_;
    EditSession& panelEdit_;
    std::function<bool()> busy_;
};

}  // namespace qvx
