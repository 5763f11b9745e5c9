// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editing/BulkSettings.h"
#include "editing/SortChannels.h"

class QPoint;
class QWidget;

namespace qvx {

class CTreeSat;
class ChannelSettingsPanel;
class EditorStatusBar;
class EditSession;
class EditorSession;
class TreeItem;
class UndoRedo;
class UserPrompts;
enum class TreeMenuCommand;
enum class TreeKeyCommand;

// The context menu of the four trees and what its commands do: it finds what
// a right-click hit, offers the entries that suit it and runs the
// bulk-setting dialogs. Remove duplicates takes its
// rule from the panel's comparison check boxes and tells in the status bar
// what it removed. Every change it makes is a
// command of the editing session, whose clipboard it uses; Edit hands over to
// the panel's edit session, Undo and Redo to `undoRedo`.
class TreeMenu final {
public:
    // `window` parents the menu and the dialogs; `prompts` runs the dialogs.
    TreeMenu(QWidget& window, EditSession& panelEdit, EditorSession& session, UndoRedo& undoRedo,
             UserPrompts& prompts, const ChannelSettingsPanel& panel, EditorStatusBar& statusBar);
    TreeMenu(const TreeMenu&) = delete;
    TreeMenu& operator=(const TreeMenu&) = delete;

    // The menu of a right-click at `viewportPoint` of `tree`, and the picked command run.
    void OnTreeRightClick(CTreeSat& tree, const QPoint& viewportPoint);
    // The command picked for `item` (null: the click was elsewhere).
    void RunTreeCommand(TreeMenuCommand command, CTreeSat& tree, TreeItem* item);
    // The keyboard's way to the same: the Menu key or Shift+F10 opens the menu of the selected
    // item; Ctrl+X, Ctrl+C and Ctrl+V run Cut, Copy and Paste as their entries would.
    void OnTreeKey(CTreeSat& tree, TreeKeyCommand command);

private:
    void runBulkSetting(BulkField field, CTreeSat& tree, TreeItem* item);
    void removeDuplicates(CTreeSat& tree);
    void sortChannels(CTreeSat& tree, TreeItem* item, SortKey key);

    QWidget& window_;
    EditSession& panelEdit_;
    EditorSession& session_;
    UndoRedo& undoRedo_;
    UserPrompts& prompts_;
    const ChannelSettingsPanel& panel_;
    EditorStatusBar& statusBar_;
};

}  // namespace qvx
