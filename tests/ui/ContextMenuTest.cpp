// SPDX-License-Identifier: GPL-3.0-or-later
// The tree context menu: what a right-click shows where, and what each entry does.
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "TreeMenuDriver.h"
#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/list/ListColumn.h"

namespace qvx {
namespace {

// Remove duplicates, Sort channels, Arrange like the other list and Filter...,
// then Undo and Redo, follow the specified entries; nothing was done yet, so
// Undo and Redo are grayed, and list 2 is empty, so Arrange is too.
const QStringList kChannelTexts{"Edit", "Rename", "", "Cut", "Copy", "Paste", "Delete", "", "New channel",
                                "New provider", "", "Set LNB", "Set Rotor position", "Set Volume", "",
                                "Remove duplicates", "Sort channels", "Arrange like the other list",
                                "Filter...", "", "Undo", "Redo"};

QStringList withBulkTexts(const QString& lnb, const QString& rotor, const QString& volume) {
    QStringList texts = kChannelTexts;
    texts[11] = lnb;
    texts[12] = rotor;
    texts[13] = volume;
    return texts;
}

// Enabled states in menu order: separators count as grayed.
QList<bool> states(bool onItem, bool paste, bool bulk) {
    return {onItem, onItem, false, onItem, onItem, paste, onItem, false, true,  true,  false, bulk,
            bulk,   bulk,   false, bulk,   bulk,  false, true,  false,  false, false};
}

class ContextMenu : public EditorTest {
protected:
    void SetUp() override {
        load(1, writeStandardList(QStringLiteral("list.qvx")));
        tree(1)->expandAll();
    }

    ChannelTree& television(int list = 1) const { return dialog_->list(list).television(); }
    ChannelTree& radio(int list = 1) const { return dialog_->list(list).radio(); }
    TreeItem* channel(int provider, int row) const { return television().topLevelItem(provider)->child(row); }

    // Shows the Radio tab of a list, so its tree can be clicked.
    CTreeSat* radioTree(int list) const {
        dialog_->column(list).tabs()->setCurrentIndex(1);
        tree(list, false)->expandAll();
        QCoreApplication::processEvents();
        return tree(list, false);
    }
    SeenMenu pickOn(CTreeSat* view, const TreeItem* item, const QString& entry) const {
        return rightClickMenu(view, pointOnLabel(view, item), entry);
    }
    QLineEdit* labelEditor(CTreeSat* view) const { return view->findChild<QLineEdit*>(); }
};

TEST_F(ContextMenu, OnAChannelSelectsItShowsItAndOffersEverything) {
    TreeItem* target = channel(0, 1);
    const QPoint point = pointOnLabel(tree(1), target);
    const SeenMenu seen = rightClickMenu(tree(1), point);
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.texts, kChannelTexts);
    EXPECT_EQ(seen.enabled, states(true, false, true));
    EXPECT_EQ(tree(1)->selectedItem(), target);
    EXPECT_EQ(dialog_->panel().nameField()->text(), "B");
    // Top-left at the pointer, one row lower.
    const int rowHeight = tree(1)->visualRect(tree(1)->channelModel()->indexOf(target)).height();
    EXPECT_EQ(seen.topLeft, tree(1)->viewport()->mapToGlobal(point) + QPoint(0, rowHeight));
}

TEST_F(ContextMenu, OnAProviderTheBulkEntriesActOnTheProvider) {
    const SeenMenu seen = rightClickMenu(tree(1), pointOnLabel(tree(1), television().topLevelItem(1)));
    EXPECT_EQ(seen.texts,
              withBulkTexts("Set LNB for provider", "Set Rotor Pos for provider", "Set Volume for provider"));
    EXPECT_EQ(seen.enabled, states(true, false, true));
    EXPECT_EQ(dialog_->panel().nameField()->text(), "P2");
}

TEST_F(ContextMenu, ElsewhereInATreeWithItemsTheBulkEntriesActOnAll) {
    TreeItem* selected = channel(1, 0);
    tree(1)->selectItem(selected);
    const QPoint below = pointBelowItems(tree(1));
    SeenMenu seen = rightClickMenu(tree(1), below);
    EXPECT_EQ(seen.texts, withBulkTexts("Set LNB for all", "Set Rotor Pos for all", "Set Volume for all"));
    EXPECT_EQ(seen.enabled, states(false, false, true));
    EXPECT_EQ(seen.topLeft, tree(1)->viewport()->mapToGlobal(below));  // not lowered
    EXPECT_EQ(tree(1)->selectedItem(), selected);

    // Left of a channel's picture (the indentation) is no hit either.
    const QRect row = tree(1)->visualRect(tree(1)->channelModel()->indexOf(channel(0, 0)));
    seen = rightClickMenu(tree(1), QPoint(2, row.center().y()));
    EXPECT_EQ(seen.texts[11], "Set LNB for all");
    EXPECT_EQ(tree(1)->selectedItem(), selected);
}

TEST_F(ContextMenu, InAnEmptyTreeOnlyNewAndPasteCanBeChosen) {
    SeenMenu seen = rightClickMenu(tree(2), QPoint(20, 20));
    EXPECT_EQ(seen.texts, kChannelTexts);
    EXPECT_EQ(seen.enabled, states(false, false, false));

    pickOn(tree(1), channel(0, 0), QStringLiteral("Copy"));
    seen = rightClickMenu(tree(2), QPoint(20, 20));
    EXPECT_EQ(seen.enabled, states(false, true, false));
}

TEST_F(ContextMenu, NothingOpensWhileAnItemIsEdited) {
    tree(1)->selectItem(channel(0, 0));
    ASSERT_TRUE(editSelected(tree(1)));
    // The tree is locked, and so is the command that opens its menu from the keyboard.
    EXPECT_FALSE(tree(1)->isEnabled());
    EXPECT_FALSE(dialog_->commands().trigger(Command::ContextMenu, Operand(tree(1), channel(1, 0))));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(tree(1)->selectedItem(), channel(0, 0));
    EXPECT_EQ(dialog_->panel().nameField()->text(), "A");
}

TEST_F(ContextMenu, CopiedProviderPastesOnceBeforeTheTargetsProviderWithTheTargetsKind) {
    TreeItem* p1 = television().topLevelItem(0);
    EXPECT_TRUE(pickOn(tree(1), p1, QStringLiteral("Copy")).picked);
    EXPECT_EQ(dialog_->session().clipboard().count(), 3);

    CTreeSat* radioView = radioTree(1);
    TreeItem* radioChannel = radio().topLevelItem(0)->child(0);
    EXPECT_TRUE(pickOn(radioView, radioChannel, QStringLiteral("Paste")).picked);
    ASSERT_EQ(radio().topLevelCount(), 2);
    TreeItem* pasted = radio().topLevelItem(0);
    EXPECT_EQ(pasted->label(), "P1");
    ASSERT_EQ(pasted->childCount(), 2);
    EXPECT_EQ(pasted->child(0)->label(), "A");
    EXPECT_EQ(pasted->child(1)->label(), "B");
    for (const TreeItem* item : {pasted, pasted->child(0), pasted->child(1)})
        EXPECT_EQ(item->record().serviceType, 2) << item->label();
    EXPECT_EQ(radio().topLevelItem(1)->label(), "R1");
    EXPECT_EQ(radioView->selectedItem(), pasted);
    // The originals keep their kind; the clipboard is empty in every tree of both lists.
    EXPECT_EQ(p1->record().serviceType, 1);
    EXPECT_EQ(dialog_->session().clipboard().count(), 0);
    EXPECT_FALSE(rightClickMenu(radioView, pointOnLabel(radioView, pasted)).enabled[5]);
    EXPECT_FALSE(rightClickMenu(tree(2), QPoint(20, 20)).enabled[5]);
}

TEST_F(ContextMenu, CutChannelPastedIntoAnEmptyTreeGetsAProviderOfItsName) {
    TreeItem* a = channel(0, 0);
    pickOn(tree(1), a, QStringLiteral("Cut"));
    ASSERT_EQ(television().topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(television().topLevelItem(0)->child(0)->label(), "B");
    EXPECT_EQ(dialog_->session().clipboard().count(), 1);

    EXPECT_TRUE(rightClickMenu(tree(2), QPoint(20, 20), QStringLiteral("Paste")).picked);
    ASSERT_EQ(television(2).topLevelCount(), 1);
    const TreeItem* provider = television(2).topLevelItem(0);
    EXPECT_EQ(provider->label(), "A");
    EXPECT_EQ(provider->record().nameText(), "A");
    EXPECT_EQ(provider->record().isChannel, 0);
    EXPECT_EQ(provider->record().frequency, 0u);
    EXPECT_EQ(provider->record().symbolRate, 0u);
    ASSERT_EQ(provider->childCount(), 1);
    EXPECT_EQ(provider->child(0)->label(), "A");
    EXPECT_EQ(tree(2)->selectedItem(), provider->child(0));
}

TEST_F(ContextMenu, DeleteRemovesAProviderWithItsChannels) {
    pickOn(tree(1), television().topLevelItem(0), QStringLiteral("Delete"));
    ASSERT_EQ(television().topLevelCount(), 1);
    EXPECT_EQ(television().topLevelItem(0)->label(), "P2");
    EXPECT_EQ(television().itemCount(), 2u);
    EXPECT_TRUE(prompts_->questions.isEmpty());
}

TEST_F(ContextMenu, RightButtonInsideTheMenuPicksToo) {
    const QPoint point = pointOnLabel(tree(1), channel(0, 1));
    const SeenMenu seen = rightClickMenu(tree(1), point, QStringLiteral("Copy"), Qt::RightButton);
    EXPECT_TRUE(seen.picked);
    ASSERT_EQ(dialog_->session().clipboard().count(), 1);
    EXPECT_EQ(ChannelRecord::fromImage(dialog_->session().clipboard().records()[0]).nameText(), "B");
}

TEST_F(ContextMenu, NewChannelOnAFirstChannelGoesFirstAndIsRenamedAtOnce) {
    pickOn(tree(1), channel(0, 0), QStringLiteral("New channel"));
    TreeItem* created = channel(0, 0);
    EXPECT_EQ(created->label(), "undefined");
    EXPECT_EQ(channel(0, 1)->label(), "A");
    EXPECT_EQ(tree(1)->selectedItem(), created);
    ASSERT_TRUE(tree(1)->isEditingLabel());
    QLineEdit* editor = labelEditor(tree(1));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Forty characters of a channel name, ok!!"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(tree(1)->isEditingLabel());
    EXPECT_EQ(created->label(), "Forty characters of a channel name, ok!!");
    EXPECT_EQ(created->record().nameText(), "Forty characters of a channel n");
    EXPECT_TRUE(prompts_->questions.isEmpty());
}

TEST_F(ContextMenu, NewChannelInAnEmptyRadioTreeMakesItsProviderAndAnAbandonedNameStays) {
    CTreeSat* view = radioTree(2);
    rightClickMenu(view, QPoint(20, 20), QStringLiteral("New channel"));
    ChannelTree& channels = radio(2);
    ASSERT_EQ(channels.topLevelCount(), 1);
    const TreeItem* provider = channels.topLevelItem(0);
    ASSERT_EQ(provider->childCount(), 1);
    const TreeItem* created = provider->child(0);
    EXPECT_EQ(provider->label(), "undefined");
    EXPECT_TRUE(provider->isBold());
    EXPECT_EQ(provider->record().serviceType, 2);
    EXPECT_EQ(created->record().serviceType, 2);
    EXPECT_EQ(created->record().isChannel, 1);
    ASSERT_TRUE(view->isEditingLabel());
    labelEditor(view)->setText(QStringLiteral("never taken"));
    QTest::keyClick(labelEditor(view), Qt::Key_Escape);
    EXPECT_FALSE(view->isEditingLabel());
    EXPECT_EQ(created->label(), "undefined");
    EXPECT_EQ(created->record().nameText(), "undefined");
    EXPECT_TRUE(dialog_->isVisible());
}

TEST_F(ContextMenu, NewChannelBelowTheItemsEndsTheLastProvider) {
    rightClickMenu(tree(1), pointBelowItems(tree(1)), QStringLiteral("New channel"));
    const TreeItem* last = television().topLevelItem(1);
    ASSERT_EQ(last->childCount(), 2);
    EXPECT_EQ(last->child(1)->label(), "undefined");
    EXPECT_EQ(tree(1)->selectedItem(), last->child(1));
    EXPECT_TRUE(tree(1)->isEditingLabel());
}

TEST_F(ContextMenu, NewProviderOnTheFirstProviderLandsSecond) {
    pickOn(tree(1), television().topLevelItem(0), QStringLiteral("New provider"));
    ASSERT_EQ(television().topLevelCount(), 3);
    const TreeItem* created = television().topLevelItem(1);
    EXPECT_EQ(created->label(), "undefined");
    EXPECT_TRUE(created->isBold());
    EXPECT_EQ(television().topLevelItem(0)->label(), "P1");
    EXPECT_EQ(television().topLevelItem(2)->label(), "P2");
    EXPECT_EQ(tree(1)->selectedItem(), created);
    EXPECT_TRUE(tree(1)->isEditingLabel());
}

TEST_F(ContextMenu, RenameOpensTheLabelOfTheClickedItem) {
    pickOn(tree(1), television().topLevelItem(1), QStringLiteral("Rename"));
    ASSERT_TRUE(tree(1)->isEditingLabel());
    QLineEdit* editor = labelEditor(tree(1));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "P2");
    editor->setText(QString());
    QTest::keyClick(editor, Qt::Key_Return);
    // An empty name is taken as it is.
    EXPECT_EQ(television().topLevelItem(1)->label(), "");
    EXPECT_EQ(television().topLevelItem(1)->record().nameText(), "");
}

TEST_F(ContextMenu, EditOpensTheClickedChannelInThePanel) {
    pickOn(tree(1), channel(1, 0), QStringLiteral("Edit"));
    EXPECT_TRUE(dialog_->isEditing());
    EXPECT_FALSE(tree(1)->isEnabled());
    EXPECT_TRUE(dialog_->panel().volumeField()->isEnabled());  // a channel's own fields are open
    EXPECT_EQ(dialog_->panel().nameField()->text(), "C");
    press(Command::Cancel);
    EXPECT_FALSE(dialog_->isEditing());

    pickOn(tree(1), television().topLevelItem(0), QStringLiteral("Edit"));
    EXPECT_TRUE(dialog_->isEditing());
    EXPECT_FALSE(dialog_->panel().volumeField()->isEnabled());  // a provider has only name, LNB, rotor
}

}  // namespace
}  // namespace qvx
