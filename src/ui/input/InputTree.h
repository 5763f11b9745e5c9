// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace qvx {

// What the key filter asks of, and does to, one channel tree. The window's
// tree view implements it, so this folder needs none of the window's classes.
class InputTree {
public:
    virtual ~InputTree() = default;

    // The tree's widget, to tell it among the filtered messages' targets.
    virtual QWidget* treeWidget() = 0;
    virtual bool hasSelectedItem() const = 0;
    virtual bool isEditingLabel() const = 0;
    // Opens the label editor on the selected item; false when there is none.
    virtual bool startLabelEdit() = 0;
    // Ends an open label edit: `accept` takes the typed text, otherwise it is dropped.
    virtual void endLabelEdit(bool accept) = 0;

protected:
    InputTree() = default;
    InputTree(const InputTree&) = default;
    InputTree& operator=(const InputTree&) = default;
};

}  // namespace qvx
