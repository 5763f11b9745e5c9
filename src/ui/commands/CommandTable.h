// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QKeySequence>
#include <QList>
#include <QObject>

#include "commands/StepName.h"
#include "ui/tree/HeldItem.h"

class QAbstractButton;
class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace qvx {

class CTreeSat;
class TreeItem;

// Every command of the window: the list buttons, the panel's buttons, the
// tree menu's entries, the keys and the steps the history names.
enum class Command {
    Load1, SaveAs1, Save1, ClearAll1, Close1,
    Load2, SaveAs2, Save2, ClearAll2, Close2,
    CompareLists, Ok, Cancel, Quit, About,
    Edit, Rename, Cut, Copy, Paste, Delete, NewChannel, NewProvider,
    SetLnb, SetRotorPosition, SetVolume, RemoveDuplicates,
    SortByName, SortByFrequency, SortByServiceId, ArrangeLikeOtherList, Filter,
    Undo, Redo, ContextMenu, MoveByDrag, CopyByDrag,
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::CopyByDrag) + 1;

// What a tree command works on: a tree and an item in it, or (no item) the
// place below the items. An item that goes meanwhile is let go.
class Operand final {
public:
    Operand() = default;
    Operand(CTreeSat* tree, TreeItem* item);

    CTreeSat* tree() const { return tree_; }
    TreeItem* item() const { return item_.get(); }
    // What the command acts on: the whole selection (operandItems) when the item is one of
    // several selected items, else the item alone; none without an item.
    std::vector<TreeItem*> items() const;
    // True when an item was named and is gone by now.
    bool lost() const { return named_ && !item_; }

private:
    CTreeSat* tree_ = nullptr;
    HeldItem item_;
    bool named_ = false;
};

// Where a command's keys act: in the whole window (not while text is typed in
// a field), in a focused tree, or in the window's key filter (a focused tree
// with a selected item, outside edit mode).
enum class KeyRoute { None, Window, WindowAlsoWhileTyping, Tree, TreeSelection };

// One command, declared once. Texts are source texts of the "Commands"
// translation context; those for a provider and for all only where the tree
// menu's entry names what it covers.
struct CommandRow {
    Command command;
    const char* objectName;
    const char* text;
    const char* providerText = nullptr;
    const char* allText = nullptr;
    // The history's name of its step ("Delete %1": %1 the item's label; the
    // text itself when none is given; "... for provider %1" and the text for
    // all where a setting covers more), for commands that are steps.
    std::optional<StepKind> step = std::nullopt;
    const char* stepText = nullptr;
    const char* providerStepText = nullptr;
    // Several selected items: the entry's text and the step's name, %1 their count
    // ("Set LNB for %1 items", "Delete %1 items").
    const char* manyText = nullptr;
    const char* manyStepText = nullptr;
    // The "for all" form while a filter hides part of the tree: entry and step, %1 the shown channels.
    const char* shownText = nullptr;
    QList<QKeySequence> keys = {};
    KeyRoute route = KeyRoute::None;
    // Tree menu place: entries of one group stand between two separators, in
    // table order; 0 is no entry. `submenu` gathers entries in a submenu.
    int menuGroup = 0;
    const char* submenu = nullptr;
    std::function<bool(const Operand&)> enabled = [](const Operand&) { return true; };
    // A text that follows the state (Undo and Redo name their step); null for the fixed ones.
    std::function<QString()> textNow = nullptr;
    std::function<void(const Operand&)> run = [](const Operand&) {};
};

// The window's commands as QActions built from their rows: text, keys,
// enabled rule and what each runs. Buttons, the tree menu, the key routes and
// the names of the history's steps all come from here. refresh() applies the
// rules; the window calls it when the session tells of a change, and the tree
// menu and the keys after they set the operand.
class CommandTable final : public QObject {
    Q_OBJECT

public:
    explicit CommandTable(QWidget& window, QObject* parent = nullptr);
    CommandTable(const CommandTable&) = delete;
    CommandTable& operator=(const CommandTable&) = delete;

    void setRows(std::vector<CommandRow> rows);
    QAction* action(Command command) const { return actions_[static_cast<std::size_t>(command)]; }

    // The tree and item tree commands work on until the next one is set.
    void setOperand(Operand operand);
    const Operand& operand() const { return operand_; }
    // Texts and enabled states from the rules, for the current operand.
    void refresh();
    // Runs the command on `operand` when its rule allows; true when it ran.
    bool trigger(Command command, Operand operand);
    // The command of a focused tree's key (route Tree or TreeSelection), run on the tree's
    // selected item; false when no row of that route has the key.
    bool runTreeKey(CTreeSat& tree, const QKeyCombination& keys, KeyRoute route);

    // The tree menu, its entries in table order, each group between separators, opened at
    // `topLeft`; the picked entry runs on the operand once the menu has closed.
    void execMenu(QMenu& menu, const QPoint& topLeft);
    // A step as the menu names it ("Delete ZDFvision", "Set LNB for all").
    QString stepText(const StepName& step) const;

    // Lets a button press its command: clicked runs it, its enabled state follows the rule.
    void bindButton(QAbstractButton& button, Command command);

private:
    const CommandRow* rowOf(Command command) const;
    void fillMenu(QMenu& menu) const;
    QString textFor(const CommandRow& row) const;

    QWidget& window_;
    std::vector<CommandRow> rows_;
    // How many items the operand covers when more than one; 0 otherwise (set by refresh).
    std::size_t manyCount_ = 0;
    std::array<QAction*, kCommandCount> actions_{};
    Operand operand_;
    bool menuOpen_ = false;
    std::optional<Command> picked_;
};

}  // namespace qvx
