// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

class QEvent;
class QObject;
class QWidget;

namespace qvx {

class InputTree;

// What the key and mouse filter needs to know about, and do to, its window.
class InputFilterHost {
public:
    virtual ~InputFilterHost() = default;

    // The window whose messages the filter looks at (it and its children).
    virtual QWidget* filteredWindow() const = 0;
    // List 1 Television, list 1 Radio, list 2 Television, list 2 Radio.
    virtual std::array<InputTree*, 4> inputTrees() const = 0;
    virtual bool isEditing() const = 0;
    virtual bool isDragging() const = 0;
    virtual void CancelDrag() = 0;
    // Runs the window's command of `key` on the tree's selected item (Delete removes it with
    // its channels, F2 starts its rename); false when no command has the key.
    virtual bool runSelectedItemKey(InputTree& tree, int key) = 0;
    virtual void relayToHints(QObject* target, QEvent* event) = 0;
};

}  // namespace qvx
