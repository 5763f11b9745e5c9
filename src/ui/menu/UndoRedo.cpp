// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/menu/UndoRedo.h"

#include <utility>
#include <vector>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QTextEdit>

#include "model/ChannelList.h"
#include "session/EditorSession.h"
#include "ui/menu/StepWords.h"
#include "ui/list/ListColumn.h"
#include "ui/panel/EditSession.h"
#include "ui/platform/Windows1252Text.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {
namespace {

// A field that takes typed text keeps its own undo keys.
bool typingInTextField() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) return !edit->isReadOnly();
    return qobject_cast<QTextEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus);
}

QString entryText(const char* action, const StepName* step) {
    QString text = QString::fromLatin1(action);
    // An ampersand in a label is a character, not a menu mnemonic.
    if (step) text += QLatin1Char(' ') + stepText(*step).replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

}  // namespace

UndoRedo::UndoRedo(QWidget& window, EditorSession& session, std::array<ListColumn*, 2> columns,
                   EditSession& panelEdit, std::function<bool()> busy)
    : QObject(&window), window_(window), session_(session), columns_(columns), panelEdit_(panelEdit),
      busy_(std::move(busy)) {
    auto bind = [this](QKeyCombination keys, void (UndoRedo::*act)()) {
        auto* shortcut = new QShortcut(QKeySequence(keys), &window_);
        connect(shortcut, &QShortcut::activated, this, [this, act] {
            if (!typingInTextField()) (this->*act)();
        });
    };
    bind(Qt::CTRL | Qt::Key_Z, &UndoRedo::undo);
    bind(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, &UndoRedo::redo);
    bind(Qt::CTRL | Qt::Key_Y, &UndoRedo::redo);
}

bool UndoRedo::blocked() const { return busy_ && busy_(); }

bool UndoRedo::canUndo() const { return !blocked() && session_.canUndo(); }

bool UndoRedo::canRedo() const { return !blocked() && session_.canRedo(); }

QString UndoRedo::undoText() const { return entryText("Undo", session_.undoStep()); }

QString UndoRedo::redoText() const { return entryText("Redo", session_.redoStep()); }

void UndoRedo::undo() {
    if (canUndo()) show(keepingOpenProviders([this] { return session_.undo(); }));
}

void UndoRedo::redo() {
    if (canRedo()) show(keepingOpenProviders([this] { return session_.redo(); }));
}

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
