// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a whole: fixed size, names of the controls, focus order, hints, pictures, command line.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/window/CEditorApp.h"
#include "ui/window/CEditorDialog.h"
#include "ui/fields/CPanelComboBox.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/tree/CTreeSat.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/HintControl.h"
#include "ui/list/ListColumn.h"

namespace qvx {
namespace {

using WindowLayout = EditorTest;

// Presses Tab `count` times and lists the object names that got the focus.
QStringList tabThrough(int count) {
    QStringList visited;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

// Moves the pointer through the window system, as a user's mouse does. A move to
// where the pointer already is would be dropped, so it comes from one pixel away.
void movePointerTo(QWidget* widget, QPoint at) {
    const QPoint inWindow = widget->mapTo(widget->window(), at);
    QTest::mouseMove(widget->window()->windowHandle(), inWindow + QPoint(1, 1));
    QTest::mouseMove(widget->window()->windowHandle(), inWindow);
}

TEST_F(WindowLayout, HasAFixedSize) {
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
    EXPECT_TRUE(dialog_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog_->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowLayout, EveryControlHasANameForTestsAndAssistiveTools) {
    int controls = 0;
    for (QWidget* widget : dialog_->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget) &&
            !qobject_cast<QComboBox*>(widget) && !qobject_cast<CTreeSat*>(widget))
            continue;
        if (widget->parentWidget() && qobject_cast<CTreeSat*>(widget->parentWidget()->parentWidget()))
            continue;  // a label editor
        ++controls;
        EXPECT_FALSE(widget->objectName().isEmpty()) << widget->metaObject()->className();
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
    }
    EXPECT_GE(controls, 44);
}

TEST_F(WindowLayout, TabFollowsTheFocusOrderAndSkipsWhatIsOff) {
    ASSERT_TRUE(tree(2)->hasFocus());
    EXPECT_EQ(tabThrough(12),
              (QStringList{"list1TelevisionTree", "list1LoadButton", "list1SaveAsButton", "quitButton",
                           "list1ClearAllButton", "list2LoadButton", "list2SaveAsButton",
                           "list2ClearAllButton", "compareByNameBox", "compareByServiceIdBox",
                           "compareListsButton", "list2TelevisionTree"}));
}

TEST_F(WindowLayout, EditModeOfAProviderCyclesThroughItsFields) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    tree(1)->selectItem(dialog_->list(1).television().topLevelItem(0));
    ASSERT_TRUE(editSelected(tree(1)));
    ASSERT_TRUE(dialog_->panel().nameField()->hasFocus());
    // Tab is kept by the fields; the buttons and check boxes pass it on.
    QTest::keyClick(dialog_->panel().nameField(), Qt::Key_Return);
    EXPECT_TRUE(dialog_->panel().lnbList()->hasFocus());
    button("okButton")->setFocus();
    EXPECT_EQ(tabThrough(4), (QStringList{"cancelButton", "compareByNameBox", "compareByServiceIdBox",
                                          "rotorPositionList"}));
    // A panel list keeps Tab.
    EXPECT_EQ(tabThrough(1), QStringList{"rotorPositionList"});
    press(Command::Cancel);
}

TEST_F(WindowLayout, HintsShowAsSoonAsThePointerRestsOnTheControl) {
    QWidget* box = dialog_->panel().compareByName();
    movePointerTo(box, box->rect().center());
    EXPECT_EQ(dialog_->hints().shownHint().toStdString(), "Include Channel name into Channellist Compare");
    QWidget* compare = button("compareListsButton");
    movePointerTo(compare, compare->rect().center());
    EXPECT_EQ(dialog_->hints().shownHint().toStdString(),
              "Compare channel  lists, removes equal entries in both lists");
    movePointerTo(tree(1)->viewport(), QPoint(5, 5));
    EXPECT_EQ(dialog_->hints().shownHint().toStdString(), "");
    EXPECT_TRUE(dialog_->panel().compareByName()->isChecked());
    EXPECT_TRUE(dialog_->panel().compareByServiceId()->isChecked());
}

TEST_F(WindowLayout, TreesAndTabsCarryTheirPictures) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    const ChannelTreeModel& model = *tree(1)->channelModel();
    const QModelIndex provider = model.index(0, 0);
    const QIcon providerIcon = provider.data(Qt::DecorationRole).value<QIcon>();
    const QIcon channelIcon = model.index(0, 0, provider).data(Qt::DecorationRole).value<QIcon>();
    const QIcon selectedIcon =
        model.index(0, 0, provider).data(ChannelTreeModel::SelectedDecorationRole).value<QIcon>();
    EXPECT_FALSE(providerIcon.isNull());
    EXPECT_FALSE(channelIcon.isNull());
    EXPECT_NE(channelIcon.cacheKey(), selectedIcon.cacheKey());
    EXPECT_NE(providerIcon.cacheKey(),
              tree(1, false)->channelModel()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().cacheKey());
    EXPECT_FALSE(dialog_->column(1).tabs()->tabIcon(0).isNull());
    EXPECT_FALSE(dialog_->column(1).tabs()->tabIcon(1).isNull());
    EXPECT_FALSE(dialog_->windowIcon().isNull());
}

TEST(CommandLine, IsTheArgumentsJoinedBySingleBlanks) {
    EXPECT_EQ(CEditorApp::commandLineText({}), "");
    EXPECT_EQ(CEditorApp::commandLineText({QStringLiteral("/tmp/my.qvx")}), "/tmp/my.qvx");
    EXPECT_EQ(CEditorApp::commandLineText({QStringLiteral("/tmp/My"), QStringLiteral("Lists/a.qvx")}),
              "/tmp/My Lists/a.qvx");
}

}  // namespace
}  // namespace qvx
