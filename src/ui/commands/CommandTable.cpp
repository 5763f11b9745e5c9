// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/commands/CommandTable.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>
#include <QTextEdit>

#include <utility>

#include "editing/TreeCommands.h"
#include "model/ChannelTree.h"
#include "ui/platform/Windows1252Text.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {
namespace {

QString translated(const char* text) { return QCoreApplication::translate("Commands", text); }

// A field that takes typed text keeps its own keys (its own undo, say).
bool typingInTextField() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* edit = qobject_cast<QLineEdit*>(focus)) return !edit->isReadOnly();
    return qobject_cast<QTextEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus);
}

}  // namespace

Operand::Operand(CTreeSat* tree, TreeItem* item) : tree_(tree), named_(item != nullptr) {
    if (tree && item) item_.hold(tree->channelModel(), item);
}

std::vector<TreeItem*> Operand::items() const {
    TreeItem* item = item_.get();
    if (!item) return {};
    if (tree_->selectedCount() > 1 && tree_->isSelected(item)) return operandItems(tree_->selectedItems());
    return {item};
}

CommandTable::CommandTable(QWidget& window, QObject* parent) : QObject(parent), window_(window) {}

void CommandTable::setRows(std::vector<CommandRow> rows) {
    rows_ = std::move(rows);
    for (const CommandRow& row : rows_) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(row.objectName));
        actions_[static_cast<std::size_t>(row.command)] = action;
        const Command command = row.command;
        connect(action, &QAction::triggered, this, [this, command] {
            // A pick in an open menu runs once the menu is gone (it may open a label editor).
            if (menuOpen_) {
                picked_ = command;
                return;
            }
            if (const CommandRow* found = rowOf(command)) found->run(operand_);
        });
        if (row.route != KeyRoute::Window && row.route != KeyRoute::WindowAlsoWhileTyping) continue;
        for (const QKeySequence& keys : row.keys) {
            auto* shortcut = new QShortcut(keys, &window_);
            const bool whileTyping = row.route == KeyRoute::WindowAlsoWhileTyping;
            connect(shortcut, &QShortcut::activated, this, [this, command, whileTyping] {
                if (!whileTyping && typingInTextField()) return;
                trigger(command, operand_);
            });
        }
    }
    refresh();
}

const CommandRow* CommandTable::rowOf(Command command) const {
    for (const CommandRow& row : rows_)
        if (row.command == command) return &row;
    return nullptr;
}

void CommandTable::setOperand(Operand operand) { operand_ = std::move(operand); }

QString CommandTable::textFor(const CommandRow& row) const {
    if (row.textNow) return row.textNow();
    const TreeItem* item = operand_.item();
    if (manyCount_ > 1 && row.manyText) return translated(row.manyText).arg(manyCount_);
    if (item && !item->hasParent() && row.providerText) return translated(row.providerText);
    if (!item && row.allText && operand_.tree() && !operand_.tree()->channelModel()->tree().empty()) {
        const ChannelTreeModel* model = operand_.tree()->channelModel();
        if (model->isFiltered() && row.shownText) return translated(row.shownText).arg(model->shownChannelCount());
        return translated(row.allText);
    }
    return translated(row.text);
}

void CommandTable::refresh() {
    const TreeItem* item = operand_.item();
    manyCount_ = item && operand_.tree()->selectedCount() > 1 ? operand_.items().size() : 0;
    for (const CommandRow& row : rows_) {
        QAction* action = actions_[static_cast<std::size_t>(row.command)];
        action->setText(textFor(row));
        action->setEnabled(row.enabled(operand_));
    }
}

bool CommandTable::trigger(Command command, Operand operand) {
    setOperand(std::move(operand));
    refresh();
    QAction* chosen = action(command);
    if (!chosen || !chosen->isEnabled()) return false;
    chosen->trigger();
    return true;
}

bool CommandTable::runTreeKey(CTreeSat& tree, const QKeyCombination& keys, KeyRoute route) {
    const QKeySequence pressed(keys);
    for (const CommandRow& row : rows_) {
        if (row.route != route || !row.keys.contains(pressed)) continue;
        trigger(row.command, Operand(&tree, tree.selectedItem()));
        return true;
    }
    return false;
}

void CommandTable::execMenu(QMenu& menu, const QPoint& topLeft) {
    fillMenu(menu);
    picked_.reset();
    menuOpen_ = true;
    menu.exec(topLeft);
    menuOpen_ = false;
    const std::optional<Command> picked = std::exchange(picked_, std::nullopt);
    if (const CommandRow* found = picked ? rowOf(*picked) : nullptr) found->run(operand_);
}

void CommandTable::fillMenu(QMenu& menu) const {
    int group = 0;
    QMenu* submenu = nullptr;
    const char* submenuText = nullptr;
    for (const CommandRow& row : rows_) {
        if (row.menuGroup == 0) continue;
        if (group != 0 && row.menuGroup != group) menu.addSeparator();
        group = row.menuGroup;
        QAction* entry = actions_[static_cast<std::size_t>(row.command)];
        if (!row.submenu) {
            submenu = nullptr;
            menu.addAction(entry);
            continue;
        }
        if (!submenu || submenuText != row.submenu) {
            submenu = menu.addMenu(translated(row.submenu));
            submenuText = row.submenu;
            submenu->setEnabled(false);
        }
        submenu->addAction(entry);
        // A submenu is open while one of its entries is.
        if (entry->isEnabled()) submenu->setEnabled(true);
    }
}

QString CommandTable::stepText(const StepName& step) const {
    for (const CommandRow& row : rows_) {
        if (row.step != step.kind) continue;
        const char* text = row.stepText ? row.stepText : row.text;
        if (step.scope == StepScope::Provider && row.providerStepText) text = row.providerStepText;
        if (step.scope == StepScope::All && row.allText) text = row.allText;
        if (step.scope == StepScope::Shown && row.shownText) return translated(row.shownText).arg(step.count);
        if (step.scope == StepScope::Items && (row.manyStepText || row.manyText)) {
            text = row.manyStepText ? row.manyStepText : row.manyText;
            return translated(text).arg(step.count);
        }
        QString named = translated(text);
        if (named.contains(QLatin1String("%1"))) named = named.arg(fromWindows1252(step.subject));
        return named;
    }
    return {};
}

void CommandTable::bindButton(QAbstractButton& button, Command command) {
    QAction* pressed = action(command);
    connect(&button, &QAbstractButton::clicked, pressed, [pressed] { pressed->trigger(); });
    const auto follow = [&button, pressed] {
        button.setText(pressed->text());
        button.setAccessibleName(pressed->text());
        button.setEnabled(pressed->isEnabled());
    };
    connect(pressed, &QAction::changed, &button, follow);
    follow();
}

}  // namespace qvx
