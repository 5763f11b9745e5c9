// SPDX-License-Identifier: GPL-3.0-or-later
// The keys added beside the specified ones: the Menu key and Shift+F10 for the tree menu,
// Ctrl+X, Ctrl+C and Ctrl+V for Cut, Copy and Paste, Enter through the panel's drop-down
// lists. Every key goes in as a real key event to the focused control.
#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "TreeMenuDriver.h"
#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

struct MenuKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const MenuKey kMenuKeys[] = {{"Menu", Qt::Key_Menu, Qt::NoModifier}, {"Shift+F10", Qt::Key_F10, Qt::ShiftModifier}};

class KeyboardRoutes : public EditorTest {
protected:
    void SetUp() override { load(1, writeStandardList(QStringLiteral("list.qvx"))); }

    ChannelTree& television() const { return dialog_->list(1).television(); }
    TreeItem* provider(int row) const { return television().topLevelItem(row); }
    QStringList providerNames() const {
        QStringList names;
        for (const auto& item : television().topLevelItems()) names << QString::fromStdString(item->label());
        return names;
    }
    void focusAndSelect(CTreeSat* view, const TreeItem* item) const {
        view->setFocus();
        view->selectItem(item);
    }
    static SeenMenu pressForMenu(CTreeSat* view, const MenuKey& key, const QString& pick = {}) {
        return menuOpenedBy(view, [view, key] { QTest::keyClick(view, key.key, key.modifiers); }, pick);
    }
};

TEST_F(KeyboardRoutes, MenuKeyAndShiftF10OpenTheMenuOfTheSelectedItemBelowItsRow) {
    for (const MenuKey& key : kMenuKeys) {
        TreeItem* channel = provider(0)->child(1);  // "B"
        focusAndSelect(tree(1), channel);
        const SeenMenu seen = pressForMenu(tree(1), key, QStringLiteral("Copy"));
        ASSERT_TRUE(seen.opened) << key.name;
        EXPECT_TRUE(seen.texts.contains("Set Volume")) << key.name;  // the entries of a channel
        const QRect row = tree(1)->visualRect(tree(1)->channelModel()->indexOf(channel));
        const int rowBottom = tree(1)->viewport()->mapToGlobal(row.bottomLeft()).y();
        EXPECT_GE(seen.topLeft.y(), rowBottom) << key.name;
        EXPECT_LE(seen.topLeft.y(), rowBottom + 2) << key.name;
        EXPECT_TRUE(seen.picked) << key.name;
        ASSERT_EQ(dialog_->session().clipboard().records().size(), 1u) << key.name;
        EXPECT_EQ(ChannelRecord::fromImage(dialog_->session().clipboard().records()[0]).nameText(), "B") << key.name;
        dialog_->session().clearClipboard();
    }
    EXPECT_TRUE(prompts_->questions.isEmpty());
}

TEST_F(KeyboardRoutes, MenuKeyOnAnEmptyTreeOffersWhatAClickBelowTheItemsDoes) {
    CTreeSat* empty = tree(2);
    empty->setFocus();
    const SeenMenu byKey = pressForMenu(empty, kMenuKeys[1]);
    const SeenMenu byClick = rightClickMenu(empty, pointBelowItems(empty));
    ASSERT_TRUE(byKey.opened);
    EXPECT_EQ(byKey.texts, byClick.texts);
    EXPECT_EQ(byKey.enabled, byClick.enabled);
    // Of the entries on an item, only New channel and New provider are open (Paste needs a filled clipboard).
    const auto isOpen = [&byKey](const char* text) { return byKey.enabled.value(byKey.texts.indexOf(text)); };
    EXPECT_TRUE(isOpen("New channel"));
    EXPECT_TRUE(isOpen("New provider"));
    for (const char* closed : {"Edit", "Rename", "Cut", "Copy", "Paste", "Delete", "Set LNB"})
        EXPECT_FALSE(isOpen(closed)) << closed;
}

TEST_F(KeyboardRoutes, CtrlXCAndVRunCutCopyAndPasteLikeTheirEntries) {
    CTreeSat* view = tree(1);
    // Paste with an empty clipboard, like its grayed entry, does nothing.
    focusAndSelect(view, provider(0));
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(providerNames(), (QStringList{"P1", "P2"}));

    // Ctrl+C copies; Ctrl+V pastes once, before the selected provider.
    focusAndSelect(view, provider(1));
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(dialog_->session().clipboard().records().size(), 2u);  // P2 with its channel
    focusAndSelect(view, provider(0));
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(providerNames(), (QStringList{"P2", "P1", "P2"}));
    EXPECT_TRUE(dialog_->session().clipboard().empty());

    // Ctrl+X cuts the selected provider with its channels; Ctrl+V in list 2's tree takes it there.
    focusAndSelect(view, provider(1));
    QTest::keyClick(view, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(providerNames(), (QStringList{"P2", "P2"}));
    CTreeSat* other = tree(2);
    other->setFocus();
    QTest::keyClick(other, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(dialog_->list(2).television().topLevelCount(), 1);
    EXPECT_EQ(dialog_->list(2).television().topLevelItem(0)->label(), "P1");
    EXPECT_EQ(dialog_->list(2).television().topLevelItem(0)->childCount(), 2);
    EXPECT_TRUE(prompts_->questions.isEmpty());
}

TEST_F(KeyboardRoutes, TheSpecifiedKeysOfATreeStayAsTheyWere) {
    CTreeSat* view = tree(1);
    focusAndSelect(view, provider(1));
    // Shift+Delete is Delete, not Cut: the provider goes and the clipboard stays empty.
    QTest::keyClick(view, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_EQ(providerNames(), QStringList{"P1"});
    EXPECT_TRUE(dialog_->session().clipboard().empty());
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_EQ(prompts_->questions, (QStringList{"Exit now?", "Discard changes?"}));
    // Plain letters still go to the tree's own search, not to the clipboard.
    QTest::keyClick(view, Qt::Key_C);
    EXPECT_TRUE(dialog_->session().clipboard().empty());
}

TEST_F(KeyboardRoutes, EnterAloneWalksAChannelFromItsFirstFieldToOk) {
    CTreeSat* view = tree(1);
    focusAndSelect(view, provider(0)->child(0));
    ASSERT_TRUE(editSelected(view));
    ChannelSettingsPanel& panel = dialog_->panel();
    ASSERT_TRUE(panel.nameField()->hasFocus());
    QStringList walked;
    auto* ok = button("okButton");
    for (int step = 0; step < 25 && QApplication::focusWidget() != ok; ++step) {
        QWidget* focused = QApplication::focusWidget();
        walked << focused->accessibleName();
        QTest::keyClick(focused, Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget(), ok);
    EXPECT_EQ(walked, (QStringList{"Channel Name", "Transp.", "Frequency [KHz]", "Symbolrate [Hz]", "LNB", "QAM",
                                   "FEC", "Polarity", "Scrambling", "Service ID", "Network ID", "Video PID",
                                   "Audio PID", "Teletext PID", "Transport Stream", "PCRPID", "PMTPID", "PMCPID",
                                   "AC3PID"}));
    EXPECT_TRUE(dialog_->isEditing());  // Enter in the lists never pressed a button
    EXPECT_TRUE(prompts_->questions.isEmpty());
    // Enter on OK stores and leaves edit mode.
    QTest::keyClick(ok, Qt::Key_Return);
    EXPECT_FALSE(dialog_->isEditing());
}

// Shift+Enter walks the Enter order backwards from "Channel Name", wrapping around, so the
// three fields Enter reaches only after OK are reached by keys too.
TEST_F(KeyboardRoutes, ShiftEnterWalksTheEnterOrderBackwards) {
    CTreeSat* view = tree(1);
    focusAndSelect(view, provider(0)->child(0));
    ASSERT_TRUE(editSelected(view));
    QStringList walked;
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
        walked << QApplication::focusWidget()->accessibleName();
    }
    // The edit-mode order ends "... AC3PID, OK, Cancel, the two check boxes, Rotor Pos., Volume,
    // TV signal" and wraps to "Channel Name".
    EXPECT_EQ(walked, (QStringList{"TV signal", "Volume", "Rotor Pos."}));
    EXPECT_TRUE(dialog_->isEditing());
    EXPECT_TRUE(prompts_->questions.isEmpty());
    // And forward again from there, as Enter walks.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), "Volume");
}

}  // namespace
}  // namespace qvx
