// SPDX-License-Identifier: GPL-3.0-or-later
// The key and mouse filter, the tab reaction, clicks on items and leaving the window.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

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

class KeysAndClicks : public EditorTest {
protected:
    void SetUp() override { load(1, writeStandardList(QStringLiteral("list.qvx"))); }

    ChannelTree& television() const { return dialog_->list(1).television(); }
    CTreeSat* view() const { return tree(1); }
    void focusAndSelect(const TreeItem* item) const {
        view()->setFocus();
        view()->selectItem(item);
    }
    QLineEdit* labelEditor() const { return view()->findChild<QLineEdit*>(); }
};

TEST_F(KeysAndClicks, EnterInALabelEditAcceptsWithoutAskingToExit) {
    TreeItem* channel = television().topLevelItem(0)->child(0);
    focusAndSelect(channel);
    QTest::keyClick(view(), Qt::Key_F2);
    ASSERT_TRUE(view()->isEditingLabel());
    QLineEdit* editor = labelEditor();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("A channel name of forty characters, yes!"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(view()->isEditingLabel());
    EXPECT_TRUE(prompts_->questions.isEmpty());
    EXPECT_EQ(channel->label(), "A channel name of forty characters, yes!");
    EXPECT_EQ(channel->record().nameText(), "A channel name of forty charact");
    EXPECT_EQ(dialog_->panel().nameField()->text(), "A channel name of forty charact");
}

TEST_F(KeysAndClicks, EscapeInALabelEditKeepsTheOldName) {
    TreeItem* channel = television().topLevelItem(0)->child(1);
    focusAndSelect(channel);
    QTest::keyClick(view(), Qt::Key_F2);
    ASSERT_TRUE(view()->isEditingLabel());
    labelEditor()->setText(QStringLiteral("forgotten"));
    QTest::keyClick(labelEditor(), Qt::Key_Escape);
    EXPECT_FALSE(view()->isEditingLabel());
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_TRUE(prompts_->questions.isEmpty());
    EXPECT_EQ(channel->label(), "B");
    EXPECT_EQ(channel->record().nameText(), "B");
}

TEST_F(KeysAndClicks, DeleteRemovesTheSelectedProviderWithItsChannels) {
    focusAndSelect(television().topLevelItem(0));
    QTest::keyClick(view(), Qt::Key_Delete);
    ASSERT_EQ(television().topLevelCount(), 1);
    EXPECT_EQ(television().topLevelItem(0)->label(), "P2");
    EXPECT_EQ(television().itemCount(), 2u);
    EXPECT_TRUE(prompts_->questions.isEmpty());
    // The selection moved on to what is left, and the panel followed it.
    EXPECT_EQ(view()->selectedItem(), television().topLevelItem(0));
    EXPECT_EQ(dialog_->panel().nameField()->text(), "P2");
}

TEST_F(KeysAndClicks, DeleteAndF2NeedAFocusedTreeWithASelection) {
    QTest::keyClick(view(), Qt::Key_F2);  // nothing selected
    EXPECT_FALSE(view()->isEditingLabel());
    view()->selectItem(television().topLevelItem(1));
    tree(2)->setFocus();
    QTest::keyClick(tree(2), Qt::Key_Delete);
    EXPECT_EQ(television().topLevelCount(), 2);
}

TEST_F(KeysAndClicks, DeleteInAPanelFieldEditsTheFieldOnly) {
    TreeItem* channel = television().topLevelItem(0)->child(0);
    view()->selectItem(channel);
    ASSERT_TRUE(editSelected(view()));
    CValidatingEdit* name = dialog_->panel().nameField();
    name->setFocus();
    name->setCursorPosition(0);
    QTest::keyClick(name, Qt::Key_Delete);
    EXPECT_EQ(name->text(), "");
    EXPECT_EQ(television().itemCount(), 5u);
    press(Command::Cancel);
}

TEST_F(KeysAndClicks, EnterAndEscapeOnATreeAskTheWindowsQuestions) {
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_Return);
    EXPECT_EQ(prompts_->questions, QStringList{"Exit now?"});
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(prompts_->questions, (QStringList{"Exit now?", "Discard changes?"}));
    EXPECT_TRUE(dialog_->isVisible());  // both answered No
}

TEST_F(KeysAndClicks, QuitAndCloseBoxCloseOnlyOnYes) {
    button("quitButton")->click();
    EXPECT_TRUE(dialog_->isVisible());
    prompts_->yesNoAnswers.push_back(true);
    dialog_->close();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(prompts_->questions, (QStringList{"Exit now?", "Discard changes?"}));
}

TEST_F(KeysAndClicks, QuitWithYesAccepts) {
    prompts_->yesNoAnswers.push_back(true);
    button("quitButton")->click();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(KeysAndClicks, F1OpensTheAboutBox) {
    QTest::keyClick(view(), Qt::Key_F1);
    EXPECT_EQ(prompts_->dialogTitles, QStringList{"About YLTA"});
}

TEST_F(KeysAndClicks, RadioTabShowsTheRadioTreeOfThatListOnly) {
    view()->selectItem(television().topLevelItem(1));
    const QString shown = dialog_->panel().nameField()->text();
    dialog_->column(2).tabs()->setCurrentIndex(1);
    EXPECT_TRUE(tree(2, false)->isVisible());
    EXPECT_FALSE(tree(2, true)->isVisible());
    EXPECT_TRUE(tree(1, true)->isVisible());
    EXPECT_EQ(dialog_->panel().nameField()->text(), shown);
    EXPECT_EQ(dialog_->column(2).tabs()->tabText(1), "Radio");
    EXPECT_EQ(dialog_->column(2).tabs()->tabPosition(), QTabWidget::South);
}

TEST_F(KeysAndClicks, OnlyAClickOnPictureOrLabelShowsTheRecord) {
    TreeItem* provider = television().topLevelItem(1);
    const QModelIndex index = view()->channelModel()->indexOf(provider);
    const QRect label = view()->iconAndLabelRect(index);
    ASSERT_FALSE(label.isEmpty());
    dialog_->panel().nameField()->setText(QStringLiteral("untouched"));
    // Left of the label: the expand button.
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(label.left() - 8, label.center().y()));
    EXPECT_EQ(dialog_->panel().nameField()->text(), "untouched");
    // Far right of the label, on the same row.
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(label.right() + 60, label.center().y()));
    EXPECT_EQ(view()->indexOnIconOrLabel(QPoint(label.right() + 60, label.center().y())), QModelIndex());
    dialog_->panel().nameField()->setText(QStringLiteral("untouched"));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, label.center());
    EXPECT_EQ(dialog_->panel().nameField()->text(), "P2");
    // Clicking the selected item again shows its stored values again.
    dialog_->panel().nameField()->setText(QStringLiteral("typed"));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, label.center(), 600);
    EXPECT_EQ(dialog_->panel().nameField()->text(), "P2");
}

TEST_F(KeysAndClicks, DoubleClickEntersEditModeForTheSelectedItem) {
    TreeItem* provider = television().topLevelItem(0);
    view()->selectItem(provider);
    const QPoint where = view()->iconAndLabelRect(view()->channelModel()->indexOf(provider)).center();
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, where);
    EXPECT_TRUE(dialog_->isEditing());
    EXPECT_FALSE(dialog_->panel().frequencyField()->isEnabled());  // a provider
    press(Command::Cancel);
    // The double-click leaves the button down; let it go, as the user's finger does.
    QTest::mouseRelease(view()->viewport(), Qt::LeftButton, {}, where);
}

}  // namespace
}  // namespace qvx
