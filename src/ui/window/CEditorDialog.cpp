// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/CEditorDialog.h"

#include <QCoreApplication>
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/ListCommands.h"
#include "ui/input/CInputFilter.h"
#include "ui/commands/CommandTable.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/drag/DragController.h"
#include "ui/list/ListColumn.h"
#include "ui/list/ListColumnCommands.h"
#include "ui/menu/TreeMenu.h"
#include "ui/menu/UndoRedo.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/panel/EditSession.h"
#include "ui/platform/Pictures.h"
#include "ui/platform/Windows1252Text.h"
#include "ui/status/ListPaneText.h"
#include "ui/status/CQuickSearchEdit.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/HintControl.h"

namespace qvx {
namespace {

// The caption and state come from the command the button presses.
QPushButton* makeCommandButton(const char* objectName) {
    auto* button = new QPushButton;
    button->setObjectName(QLatin1String(objectName));
    // Hidden buttons keep their place, so the layout does not jump between modes.
    QSizePolicy policy = button->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    button->setSizePolicy(policy);
    return button;
}

}  // namespace

CEditorDialog::CEditorDialog(std::unique_ptr<UserPrompts> prompts, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts ? std::move(prompts) : std::make_unique<QtUserPrompts>()),
      session_(std::make_unique<EditorSession>()),
      hints_(std::make_unique<HintControl>()) {
    setObjectName(QStringLiteral("editorDialog"));
    setWindowTitle(QStringLiteral("Quorvex Channel List Editor V1.06b"));
    // Fixed size: minimisable, neither resizable nor maximisable.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // A sans-serif face every Linux desktop has, at the size the layout was made for.
    QFont windowFont(QStringLiteral("Sans Serif"), 9);
    windowFont.setStyleHint(QFont::SansSerif);
    setFont(windowFont);
    setWindowIcon(programIcon());

    buildWindow();
    buildQuickSearch();
    // The window's accept command, for Enter; only now does the button know its dialog.
    quitButton_->setDefault(true);
    panel_->attach(this);
    hints_->addHint(panel_->compareByName(), QCoreApplication::translate("Window", "Include Channel name into Channellist Compare"));
    hints_->addHint(panel_->compareByServiceId(),
                    QCoreApplication::translate("Window", "Include Service ID into Channellist Compare"));
    hints_->addHint(compareButton_,
                    QCoreApplication::translate("Window", "Compare channel  lists, removes equal entries in both lists"));

    connectDrag();
    buildCommands();
    session_->setChangeListener([this] { showSessionState(); });
    showSessionState();

    inputFilter_ = new CInputFilter(*this, this);
    qApp->installEventFilter(inputFilter_);
    setFocusOrder();
}

CEditorDialog::~CEditorDialog() {
    qApp->removeEventFilter(inputFilter_);
    // The trees' models observe the lists, which go before the widgets do.
    delete columns_[0];
    delete columns_[1];
}

void CEditorDialog::buildWindow() {
    commands_ = new CommandTable(*this, this);
    columns_[0] = new ListColumn(session_->list(1), 1);
    columns_[1] = new ListColumn(session_->list(2), 2);
    panel_ = new ChannelSettingsPanel;
    panel_->setObjectName(QStringLiteral("settingsPanel"));
    panelEdit_ = new EditSession(*panel_, *session_, this);
    connect(panelEdit_, &EditSession::modeChanged, this, &CEditorDialog::showEditControls);
    undoRedo_ = std::make_unique<UndoRedo>(*session_, columns_, *panelEdit_);
    statusBar_ = new EditorStatusBar;
    treeMenu_ =
        std::make_unique<TreeMenu>(*this, *commands_, *panelEdit_, *session_, *prompts_, *panel_, *statusBar_);
    for (int number = 1; number <= 2; ++number)
        listCommands_[static_cast<std::size_t>(number - 1)] =
            std::make_unique<ListColumnCommands>(number, *session_, *statusBar_, *prompts_, *this);

    auto* settingsColumn = new QVBoxLayout;
    settingsColumn->addWidget(panel_);
    settingsColumn->addStretch(1);
    settingsColumn->addWidget(buildCommandGroup());

    auto* columns = new QHBoxLayout;
    columns->setSpacing(8);
    columns->addWidget(columns_[0]);
    columns->addWidget(columns_[1]);
    columns->addLayout(settingsColumn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 0);
    layout->addLayout(columns);
    layout->addWidget(statusBar_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectList(1);
    connectList(2);
}

void CEditorDialog::showSessionState() {
    for (int number = 1; number <= 2; ++number)
        statusBar_->setPaneText(number == 1 ? EditorStatusBar::kList1Pane : EditorStatusBar::kList2Pane,
                                listPaneText(number, session_->pane(number)));
    commands_->refresh();
}

void CEditorDialog::showSelectionCount(const CTreeSat& tree) {
    const std::size_t count = tree.selectedCount();
    statusBar_->setStandingText(count > 1 ? QCoreApplication::translate("Window", "%1 items selected").arg(count)
                                          : QString());
}

void CEditorDialog::loadStartupFile(const QString& commandLine) {
    listCommands_[0]->loadStartupFile(commandLine);
}

QWidget* CEditorDialog::buildCommandGroup() {
    compareButton_ = makeCommandButton("compareListsButton");
    okButton_ = makeCommandButton("okButton");
    cancelButton_ = makeCommandButton("cancelButton");
    quitButton_ = makeCommandButton("quitButton");
    okButton_->hide();
    cancelButton_->hide();
    quitButton_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    QSizePolicy quitPolicy = quitButton_->sizePolicy();
    quitPolicy.setRetainSizeWhenHidden(true);
    quitButton_->setSizePolicy(quitPolicy);


    auto* group = new QGroupBox;
    group->setObjectName(QStringLiteral("commandGroup"));
    auto* grid = new QGridLayout(group);
    grid->addWidget(compareButton_, 0, 0, 2, 1, Qt::AlignVCenter);
    grid->addWidget(okButton_, 0, 1);
    grid->addWidget(cancelButton_, 1, 1);
    grid->addWidget(quitButton_, 0, 2, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

void CEditorDialog::connectList(int number) {
    ListColumn& listColumn = column(number);
    for (const TreeKind kind : {TreeKind::Television, TreeKind::Radio}) {
        CTreeSat* tree = listColumn.tree(kind);
        // While a reader fills a list, selection changes leave the panel alone.
        connect(tree, &CTreeSat::currentItemChanged, this, [this, tree](TreeItem* item) {
            if (session_->isLoading()) return;
            if (tree->selectedCount() > 1)
                panelEdit_->showSelection(*tree, tree->selectedItems());
            else
                panelEdit_->showCurrentItem(*tree, item);
        });
        panelEdit_->watchRemovals(*tree);
        // The note pane counts a selection of several items, of the tree whose selection changed last.
        const auto count = [this, tree] {
            showSelectionCount(*tree);
            if (!session_->isLoading() && tree->selectedCount() > 1)
                panelEdit_->showSelection(*tree, tree->selectedItems());
        };
        connect(tree->selectionModel(), &QItemSelectionModel::selectionChanged, this, count);
        connect(tree->channelModel(), &QAbstractItemModel::modelReset, this, count);
        connect(tree->channelModel(), &QAbstractItemModel::rowsRemoved, this, count);
        connect(tree, &CTreeSat::itemClicked, this, [this, tree](TreeItem* item) {
            if (tree->selectedCount() > 1)
                panelEdit_->showSelection(*tree, tree->selectedItems());
            else
                panelEdit_->ShowRecordOfClickedItem(*tree, item);
        });
        connect(tree, &CTreeSat::editRequested, this,
                [this, tree] { commands_->trigger(Command::Edit, Operand(tree, tree->selectedItem())); });
        connect(tree, &CTreeSat::rightClicked, this,
                [this, tree](const QPoint& point) { treeMenu_->OnTreeRightClick(*tree, point); });
        tree->setKeyRoute([this](CTreeSat& focused, const QKeyCombination& keys) {
            return commands_->runTreeKey(focused, keys, KeyRoute::Tree);
        });
        // The rename rule: the record takes the text's first 31 characters, the label all of
        // it, and the panel shows it.
        connect(tree->channelModel(), &ChannelTreeModel::labelEdited, this,
                [this, tree](TreeItem* item, const QString& text) {
                    panel_->nameField()->setText(text);
                    session_->run(makeRenameCommand(tree->channelModel()->tree(), *item, toWindows1252(text)));
                });
    }
}

void CEditorDialog::buildQuickSearch() {
    quickSearch_ = new CQuickSearchEdit(statusBar_->quickSearchSlot());
    auto* slotLayout = new QHBoxLayout(statusBar_->quickSearchSlot());
    slotLayout->setContentsMargins(0, 0, 0, 0);
    slotLayout->addWidget(quickSearch_);
    quickSearch_->setTrees({column(1).tree(TreeKind::Television), column(2).tree(TreeKind::Television),
                            column(1).tree(TreeKind::Radio), column(2).tree(TreeKind::Radio)});
}

void CEditorDialog::connectDrag() {
    drag_ = new DragController(*this, channelTrees(), *session_, this);
    for (CTreeSat* tree : channelTrees()) {
        connect(tree, &CTreeSat::dragStarted, this, [this, tree](TreeItem* item, const QPoint& globalPoint) {
            // The trees are disabled while the panel edits; this only keeps the rule in one place.
            if (!isEditing()) drag_->BeginDrag(*tree, item, globalPoint);
        });
    }
}

void CEditorDialog::showEditControls(bool editing, bool asChannel) {
    statusBar_->quickSearchSlot()->setEnabled(!editing);
    for (CTreeSat* tree : channelTrees()) tree->setEnabled(!editing);
    quitButton_->setVisible(!editing);
    compareButton_->setVisible(!editing);
    panel_->setFieldsEnabled(editing, asChannel);
    okButton_->setVisible(editing);
    cancelButton_->setVisible(editing);
}

void CEditorDialog::setFocusOrder() {
    ListColumn& first = column(1);
    ListColumn& second = column(2);
    QList<QWidget*> order{second.tree(TreeKind::Television), second.tree(TreeKind::Radio),
                          first.tree(TreeKind::Television), first.tree(TreeKind::Radio)};
    order << panel_->leadingFocusOrder();
    order << first.loadButton() << first.saveAsButton() << okButton_ << quitButton_ << first.saveButton()
          << cancelButton_ << first.clearAllButton() << second.loadButton() << second.saveAsButton()
          << second.saveButton() << second.clearAllButton() << panel_->compareByName()
          << panel_->compareByServiceId() << compareButton_ << second.closeButton() << first.closeButton();
    order << panel_->trailingFocusOrder();
    for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void CEditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    // The first control in focus order: list 2's Television tree.
    column(2).tree(TreeKind::Television)->setFocus(Qt::OtherFocusReason);
}

void CEditorDialog::setViewerNotifier(std::function<void(unsigned long)> notifier) {
    // The viewer rereads list 1 after every Save, also one that failed.
    if (!notifier) {
        listCommands_[0]->setAfterSave({});
        return;
    }
    listCommands_[0]->setAfterSave(
        [this, notify = std::move(notifier)] { notify(static_cast<unsigned long>(winId())); });
}

void CEditorDialog::accept() {
    if (!prompts_->askYesNo(this, QCoreApplication::translate("Window", "Exit now?"), DefaultAnswer::Yes)) return;
    session_->clearClipboard();
    QDialog::accept();
}

void CEditorDialog::reject() {
    if (!prompts_->askYesNo(this, QCoreApplication::translate("Window", "Discard changes?"), DefaultAnswer::Yes)) return;
    session_->clearClipboard();
    QDialog::reject();
}

QWidget* CEditorDialog::filteredWindow() const { return const_cast<CEditorDialog*>(this); }

std::array<CTreeSat*, 4> CEditorDialog::channelTrees() const {
    return {column(1).tree(TreeKind::Television), column(1).tree(TreeKind::Radio),
            column(2).tree(TreeKind::Television), column(2).tree(TreeKind::Radio)};
}

std::array<InputTree*, 4> CEditorDialog::inputTrees() const {
    const auto trees = channelTrees();
    return {trees[0], trees[1], trees[2], trees[3]};
}

bool CEditorDialog::runSelectedItemKey(InputTree& filtered, int key) {
    for (CTreeSat* tree : channelTrees())
        if (tree->treeWidget() == filtered.treeWidget())
            return commands_->runTreeKey(*tree, QKeyCombination(Qt::Key(key)), KeyRoute::TreeSelection);
    return false;
}

bool CEditorDialog::isDragging() const { return drag_ && drag_->isDragging(); }

void CEditorDialog::CancelDrag() {
    if (drag_) drag_->CancelDrag();
}

void CEditorDialog::relayToHints(QObject* target, QEvent* event) { hints_->relayMouseEvent(target, event); }

}  // namespace qvx
