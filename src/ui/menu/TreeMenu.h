// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editing/BulkSettings.h"
#include "editing/SortChannels.h"

class QPoint;
class QWidget;

namespace qvx {

class CTreeSat;
class ChannelSettingsPanel;
class CommandTable;
class EditorStatusBar;
class EditSession;
class EditorSession;
class Operand;
class UserPrompts;

// The context menu of the four trees and what its commands do: it finds what
// a right-click hit and shows the table's entries for it, and carries out each
// tree command on its operand, the bulk-setting dialogs included. Remove
// duplicates and Arrange like the other list take their rule from the panel's
// comparison check boxes and tell in the status bar what they removed or placed. Every change it makes is a command of
// the editing session, whose clipboard it uses; Edit hands over to the
// panel's edit session.
class TreeMenu final {
public:
    // `window` parents the menu and the dialogs; `prompts` runs the dialogs.
    TreeMenu(QWidget& window, CommandTable& commands, EditSession& panelEdit, EditorSession& session,
             UserPrompts& prompts, const ChannelSettingsPanel& panel, EditorStatusBar& statusBar);
    TreeMenu(const TreeMenu&) = delete;
    TreeMenu& operator=(const TreeMenu&) = delete;

    // The menu of a right-click at `viewportPoint` of `tree`; the picked entry runs on what it hit.
    void OnTreeRightClick(CTreeSat& tree, const QPoint& viewportPoint);

    // The tree commands, on the item of `on` (or, without one, below the items). An item that
    // went meanwhile (while the menu or a dialog was open) is no reason to act on the whole
    // tree: then they do nothing.
    void edit(const Operand& on);
    void rename(const Operand& on);
    void copy(const Operand& on);
    void cut(const Operand& on);
    void paste(const Operand& on);
    void remove(const Operand& on);
    void newChannel(const Operand& on);
    void newProvider(const Operand& on);
    void setBulkValue(BulkField field, const Operand& on);
    void removeDuplicates(const Operand& on);
    void sortChannels(SortKey key, const Operand& on);
    void arrangeLikeOtherList(const Operand& on);

private:
    QWidget& window_;
    CommandTable& commands_;
    EditSession& panelEdit_;
    EditorSession& session_;
    UserPrompts& prompts_;
    const ChannelSettingsPanel& panel_;
    EditorStatusBar& statusBar_;
};

}  // namespace qvx
