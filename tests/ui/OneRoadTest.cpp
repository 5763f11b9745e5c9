// SPDX-License-Identifier: GPL-3.0-or-later
// Every road by which the window changes a list (panel OK, label edit, keys,
// tree menu, drag, bulk dialog, Compare Lists, Clear all, Remove duplicates)
// goes through the one history: each leaves exactly one step, and undoing it
// gives back both lists byte for byte. A road that went around the history would leave no step.
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "UiTestSupport.h"
#include "commands/CommandHistory.h"
#include "model/ChannelList.h"
#include "commands/ListCommands.h"
#include "session/EditorSession.h"
#include "ui/dialogs/CSetVolumeDialog.h"
#include "ui/drag/DragController.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

// Everything a list shows and stores: per item its level, label, looks and record bytes.
std::vector<std::string> contents(ChannelList& list) {
    std::vector<std::string> lines;
    for (ChannelTree* tree : {&list.television(), &list.radio()}) {
        lines.push_back(tree->kind() == TreeKind::Television ? "[television]" : "[radio]");
        const auto add = [&lines](const TreeItem& item, const char* level) {
            const RecordImage image = item.record().image();
            lines.push_back(std::string(level) + item.label() + (item.isBold() ? " bold " : " ") +
                            std::to_string(item.image()) + "/" + std::to_string(item.selectedImage()) + " " +
                            std::string(image.begin(), image.end()));
        };
        for (const auto& provider : tree->topLevelItems()) {
            add(*provider, "");
            for (const auto& channel : provider->children()) add(*channel, "  ");
        }
    }
    return lines;
}

class OneRoadTest : public EditorTest {
protected:
    void SetUp() override { load(1, writeStandardList(QStringLiteral("first.qvx"))); }
};

struct Road {
    const char* name;
    std::function<void(class OneRoad&)> change;
};

void PrintTo(const Road& road, std::ostream* out) { *out << road.name; }

class OneRoad : public EditorTest, public ::testing::WithParamInterface<Road> {
public:
    using EditorTest::press;
    void SetUp() override {
        load(1, writeStandardList(QStringLiteral("first.qvx")));
        load(2, writeList(QStringLiteral("second.qvx"), {{true, 1, "P1"}, {false, 1, "A"}, {false, 1, "X"}}));
        for (int list : {1, 2}) tree(list)->expandAll();
    }

    ChannelTree& television(int list = 1) const { return dialog_->list(list).television(); }
    TreeItem* channelA() const { return television().topLevelItem(0)->child(0); }
    TreeItem* providerP2() const { return television().topLevelItem(1); }
    void run(Command command, TreeItem* item) { press(command, tree(1), item); }

    void editNameOfA() {
        tree(1)->selectItem(channelA());
        ASSERT_TRUE(editSelected(tree(1)));
        dialog_->panel().nameField()->setText(QStringLiteral("Edited"));
        press(Command::Ok);
        ASSERT_FALSE(dialog_->isEditing());
    }
    void renameWithF2() {
        tree(1)->setFocus();
        tree(1)->selectItem(channelA());
        QTest::keyClick(tree(1), Qt::Key_F2);
        auto* editor = tree(1)->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(QStringLiteral("Renamed"));
        QTest::keyClick(editor, Qt::Key_Return);
        ASSERT_EQ(channelA()->label(), "Renamed");
    }
    void deleteWithKey() {
        tree(1)->setFocus();
        tree(1)->selectItem(providerP2());
        QTest::keyClick(tree(1), Qt::Key_Delete);
        ASSERT_EQ(television().topLevelCount(), 1);
    }
    CEditorDialog& window() const { return *dialog_; }
    void newProviderNamed() {
        run(Command::NewProvider, providerP2());
        tree(1)->endLabelEdit(false);
    }
    void newChannelNamed() {
        run(Command::NewChannel, channelA());
        // The new label opens for editing; leaving it as it is renames nothing.
        tree(1)->endLabelEdit(false);
    }
    void dragAToList2() {
        CTreeSat* source = tree(1);
        CTreeSat* target = tree(2);
        const QPoint start = source->iconAndLabelRect(source->channelModel()->indexOf(channelA())).center();
        QTest::mousePress(source->viewport(), Qt::LeftButton, {}, start);
        QTest::mouseMove(source->viewport(), start + QPoint(QApplication::startDragDistance() + 1, 0));
        ASSERT_TRUE(dialog_->drag().isDragging());
        const QRect row = target->visualRect(target->channelModel()->indexOf(television(2).topLevelItem(0)));
        QTest::mouseMove(target->viewport(), row.center());
        QTest::mouseRelease(target->viewport(), Qt::LeftButton, {}, row.center());
        ASSERT_FALSE(dialog_->drag().isDragging());
    }
    // Every channel has Service ID 0: by it alone, all but the first are duplicates.
    void removeDuplicatesByServiceId() {
        dialog_->panel().compareByName()->setChecked(false);
        run(Command::RemoveDuplicates, nullptr);
    }
    void volumeForProvider() {
        prompts_->dialogAnswer = [](QDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog] {
                static_cast<CSetVolumeDialog&>(dialog).volumeField()->setText(QStringLiteral("42"));
                dialog.accept();
            });
            dialog.exec();
        };
        run(Command::SetVolume, television().topLevelItem(0));
    }
};

TEST_P(OneRoad, LeavesOneStepThatUndoTakesBackWhole) {
    EditorSession& session = dialog_->session();
    const CommandHistory& history = session.history();
    ASSERT_EQ(history.undoCount(), 0u);
    const auto before1 = contents(dialog_->list(1));
    const auto before2 = contents(dialog_->list(2));

    GetParam().change(*this);
    if (HasFatalFailure()) return;
    EXPECT_EQ(history.undoCount(), 1u);
    EXPECT_TRUE(contents(dialog_->list(1)) != before1 || contents(dialog_->list(2)) != before2)
        << "the road changed nothing";

    ASSERT_TRUE(session.canUndo());
    session.undo();
    EXPECT_EQ(contents(dialog_->list(1)), before1);
    EXPECT_EQ(contents(dialog_->list(2)), before2);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRoad, OneRoad,
    ::testing::Values(
        Road{"PanelOk", [](OneRoad& test) { test.editNameOfA(); }},
        Road{"LabelEdit", [](OneRoad& test) { test.renameWithF2(); }},
        Road{"DeleteKey", [](OneRoad& test) { test.deleteWithKey(); }},
        Road{"MenuDelete", [](OneRoad& test) { test.run(Command::Delete, test.channelA()); }},
        Road{"MenuCut", [](OneRoad& test) { test.run(Command::Cut, test.providerP2()); }},
        Road{"MenuPaste",
             [](OneRoad& test) {
                 test.run(Command::Copy, test.providerP2());  // no change: no step
                 test.run(Command::Paste, test.channelA());
             }},
        Road{"MenuNewChannel", [](OneRoad& test) { test.newChannelNamed(); }},
        Road{"MenuNewProvider", [](OneRoad& test) { test.newProviderNamed(); }},
        Road{"BulkVolume", [](OneRoad& test) { test.volumeForProvider(); }},
        Road{"Drag", [](OneRoad& test) { test.dragAToList2(); }},
        Road{"CompareLists", [](OneRoad& test) { test.press(Command::CompareLists); }},
        Road{"MenuRemoveDuplicates", [](OneRoad& test) { test.removeDuplicatesByServiceId(); }},
        Road{"ClearAll", [](OneRoad& test) { test.press(Command::ClearAll2); }}),
    [](const ::testing::TestParamInfo<Road>& road) { return std::string(road.param.name); });

// The tree menu's item outlives the event loop of its bulk dialog only as long as it is
// in the tree: gone meanwhile, the setting changes nothing (and is no "for all").
TEST_F(OneRoadTest, BulkSettingForAnItemThatWentMeanwhileChangesNothing) {
    ChannelTree& tv = dialog_->list(1).television();
    TreeItem* provider = tv.topLevelItem(1);
    prompts_->dialogAnswer = [this, &tv, provider](QDialog& dialog) {
        dialog_->session().run(makeDeleteCommand(tv, *provider));
        static_cast<CSetVolumeDialog&>(dialog).volumeField()->setText(QStringLiteral("42"));
        dialog.setResult(QDialog::Accepted);
    };
    const auto before = contents(dialog_->list(1));
    press(Command::SetVolume, tree(1), provider);
    dialog_->session().undo();  // the removal
    EXPECT_EQ(contents(dialog_->list(1)), before);
    EXPECT_FALSE(dialog_->session().canUndo());
}

}  // namespace
}  // namespace qvx

namespace qvx {
namespace {

// The same roads, taken back and made again with the keys a user presses, in
// the widget that has the focus after the change (a tree or a button).
void pressInWindow(QWidget& window, Qt::KeyboardModifiers modifiers, Qt::Key key) {
    // After a modal dialog the window is the active one again, as for a user.
    if (!window.isActiveWindow()) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && window.isAncestorOf(focus) ? focus : &window, key, modifiers);
}

TEST_P(OneRoad, CtrlZUndoesItCtrlYAndCtrlShiftZRedoIt) {
    const auto before1 = contents(dialog_->list(1));
    const auto before2 = contents(dialog_->list(2));
    GetParam().change(*this);
    if (HasFatalFailure()) return;
    const auto after1 = contents(dialog_->list(1));
    const auto after2 = contents(dialog_->list(2));
    EXPECT_TRUE(pane(1).endsWith(" (changed)") || pane(3).endsWith(" (changed)"));
    if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) editor->clearFocus();

    pressInWindow(window(), Qt::ControlModifier, Qt::Key_Z);
    EXPECT_EQ(contents(dialog_->list(1)), before1);
    EXPECT_EQ(contents(dialog_->list(2)), before2);
    EXPECT_EQ(pane(1), "File1: first.qvx");
    EXPECT_EQ(pane(3), "File2: second.qvx");

    pressInWindow(window(), Qt::ControlModifier, Qt::Key_Y);
    EXPECT_EQ(contents(dialog_->list(1)), after1);
    EXPECT_EQ(contents(dialog_->list(2)), after2);

    pressInWindow(window(), Qt::ControlModifier, Qt::Key_Z);
    pressInWindow(window(), Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
    EXPECT_EQ(contents(dialog_->list(1)), after1);
    EXPECT_EQ(contents(dialog_->list(2)), after2);
}

}  // namespace
}  // namespace qvx
