// SPDX-License-Identifier: GPL-3.0-or-later
// Several selected items through real clicks and keys: the gestures, and commands on
// mixed selections as one step that one undo takes back byte for byte.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "TreeMenuDriver.h"
#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "session/EditorSession.h"
#include "ui/commands/CommandTable.h"
#include "ui/dialogs/BulkSettingDialog.h"
#include "ui/drag/DragController.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/list/ListColumn.h"
#include "ui/list/ListFilter.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

class SeveralItems : public EditorTest {
protected:
    void SetUp() override {
        load(1, writeStandardList(QStringLiteral("first.qvx")));
        load(2, writeList(QStringLiteral("second.qvx"), {{true, 1, "Q1"}, {false, 1, "X"}, {true, 2, "S1"}}));
        for (CTreeSat* view : {tree(1, true), tree(1, false), tree(2, true), tree(2, false)}) view->expandAll();
        tree(1)->setFocus(Qt::OtherFocusReason);
    }

    TreeItem* item(const std::string& label, int list = 1) const {
        const ChannelTree& data = dialog_->list(list).television();
        for (const auto& top : data.topLevelItems()) {
            if (top->label() == label) return top.get();
            for (const auto& channel : top->children())
                if (channel->label() == label) return channel.get();
        }
        ADD_FAILURE() << "no item " << label;
        return nullptr;
    }
    void click(const std::string& label, Qt::KeyboardModifiers modifiers = {}) const {
        QTest::mouseClick(tree(1)->viewport(), Qt::LeftButton, modifiers, pointOnLabel(tree(1), item(label)));
    }
    QStringList selectedLabels(CTreeSat* view) const {
        QStringList labels;
        const ChannelTree& data = view->channelModel()->tree();
        for (const auto& top : data.topLevelItems()) {
            if (view->isSelected(top.get())) labels << QString::fromStdString(top->label());
            for (const auto& channel : top->children())
                if (view->isSelected(channel.get())) labels << QString::fromStdString(channel->label());
        }
        return labels;
    }
    // Every record of both lists, in tree order.
    std::vector<RecordImage> allImages() const {
        std::vector<RecordImage> images;
        for (int list : {1, 2})
            for (const ChannelTree* data : {&dialog_->list(list).television(), &dialog_->list(list).radio()})
                for (const auto& top : data->topLevelItems()) {
                    images.push_back(top->record().image());
                    for (const auto& channel : top->children()) images.push_back(channel->record().image());
                }
        return images;
    }
    QString undoText() const {
        const StepName* step = dialog_->session().undoStep();
        return step ? dialog_->commands().stepText(*step) : QString();
    }
};

TEST_F(SeveralItems, GesturesSelectWithinOneTree) {
    CTreeSat* view = tree(1);
    const struct {
        const char* gesture;
        std::function<void()> act;
        QStringList selected;
        QString notePane;
    } steps[] = {
        {"click", [&] { click("A"); }, {"A"}, ""},
        {"Ctrl+click adds", [&] { click("C", Qt::ControlModifier); }, {"A", "C"}, "2 items selected"},
        {"Ctrl+click removes", [&] { click("A", Qt::ControlModifier); }, {"C"}, ""},
        {"Shift+click extends from the anchor",
         [&] {
             click("P1");
             click("B", Qt::ShiftModifier);
         },
         {"P1", "A", "B"}, "3 items selected"},
        {"Shift+Down", [&] { QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier); }, {"P1", "A", "B", "P2"}, "4 items selected"},
        {"Shift+End", [&] { QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier); }, {"P1", "A", "B", "P2", "C"}, "5 items selected"},
        {"Shift+Home from a clicked item",
         [&] {
             click("B");
             QTest::keyClick(view, Qt::Key_Home, Qt::ShiftModifier);
         },
         {"P1", "A", "B"}, "3 items selected"},
        {"Shift+PgDn", [&] { click("A"); QTest::keyClick(view, Qt::Key_PageDown, Qt::ShiftModifier); },
         {"A", "B", "P2", "C"}, "4 items selected"},
        {"Shift+PgUp", [&] { click("C"); QTest::keyClick(view, Qt::Key_PageUp, Qt::ShiftModifier); },
         {"P1", "A", "B", "P2", "C"}, "5 items selected"},
        {"Ctrl+A takes closed providers' channels too",
         [&] {
             view->collapse(view->channelModel()->indexOf(item("P2")));
             click("A");
             QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
         },
         {"P1", "A", "B", "P2", "C"}, "5 items selected"},
        {"right-click on a selected item keeps the selection",
         [&] { rightClickMenu(view, pointOnLabel(view, item("B"))); }, {"P1", "A", "B", "P2", "C"}, "5 items selected"},
        {"right-click below the items keeps it too", [&] { rightClickMenu(view, pointBelowItems(view)); },
         {"P1", "A", "B", "P2", "C"}, "5 items selected"},
        {"right-click on an unselected item selects it alone",
         [&] {
             click("A");
             click("P2", Qt::ControlModifier);
             rightClickMenu(view, pointOnLabel(view, item("B")));
         },
         {"B"}, ""},
        {"a click in the other list leaves this one alone",
         [&] { QTest::mouseClick(tree(2)->viewport(), Qt::LeftButton, {}, pointOnLabel(tree(2), item("X", 2))); },
         {"B"}, ""},
    };
    // The note of the load shows first; the count shows once it has gone.
    click("A");
    click("B", Qt::ControlModifier);
    EXPECT_NE(pane(EditorStatusBar::kNotePane), "2 items selected");
    // The note's timer may fire a little late (a coarse timer).
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane(EditorStatusBar::kNotePane) == "2 items selected"; },
                                2 * EditorStatusBar::kNoteMilliseconds));
    for (const auto& step : steps) {
        SCOPED_TRACE(step.gesture);
        step.act();
        EXPECT_EQ(selectedLabels(view), step.selected);
        EXPECT_EQ(pane(EditorStatusBar::kNotePane), step.notePane);
    }
    EXPECT_EQ(selectedLabels(tree(2)), QStringList{"X"});
}

TEST_F(SeveralItems, MixedSelectionsAreOneStepThatUndoGivesBackByteForByte) {
    const std::vector<RecordImage> original = allImages();
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, Qt::KeyboardModifiers>> clicks;
        std::function<void()> command;
        QString step;
        int undos = 1;
        // Undo selects the step's items again, all of them.
        QStringList selectedAfterUndo;
    };
    const Case cases[] = {
        {"Delete key on a provider with some of its channels and another provider's channel",
         {{"A", {}}, {"P1", Qt::ControlModifier}, {"C", Qt::ControlModifier}},
         [&] { QTest::keyClick(tree(1), Qt::Key_Delete); },
         "Delete 2 items", 1, {"P1", "C"}},
        {"Ctrl+X and Ctrl+V into the other list",
         {{"B", {}}, {"C", Qt::ControlModifier}},
         [&] {
             QTest::keyClick(tree(1), Qt::Key_X, Qt::ControlModifier);
             QTest::mouseClick(tree(2)->viewport(), Qt::LeftButton, {}, pointOnLabel(tree(2), item("X", 2)));
             QTest::keyClick(tree(2), Qt::Key_V, Qt::ControlModifier);
             // Both pasted items are selected, as the cut ones were.
             EXPECT_EQ(selectedLabels(tree(2)), (QStringList{"B", "C"}));
         },
         "Paste 2 items", 2, {"B", "C"}},
        {"Set LNB for the selection from the tree menu",
         {{"A", {}}, {"P2", Qt::ControlModifier}},
         [&] {
             prompts_->dialogAnswer = [](QDialog& dialog) {
                 static_cast<BulkSettingDialog&>(dialog).setValue(7);
                 dialog.setResult(QDialog::Accepted);
             };
             const SeenMenu seen = rightClickMenu(tree(1), pointOnLabel(tree(1), item("A")),
                                                  QStringLiteral("Set LNB for 2 items"));
             EXPECT_TRUE(seen.picked);
         },
         "Set LNB for 2 items", 1, {"A", "P2"}},
        {"drag of a selection within the tree",
         {{"A", {}}, {"C", Qt::ControlModifier}},
         [&] {
             const QPoint from = pointOnLabel(tree(1), item("C"));
             QTest::mousePress(tree(1)->viewport(), Qt::LeftButton, {}, from);
             QTest::mouseMove(tree(1)->viewport(), from + QPoint(QApplication::startDragDistance() + 1, 0));
             ASSERT_TRUE(dialog_->drag().isDragging());
             const QPoint onB = pointOnLabel(tree(1), item("B"));
             QTest::mouseMove(tree(1)->viewport(), onB);
             QTest::mouseRelease(tree(1)->viewport(), Qt::LeftButton, {}, onB);
             EXPECT_EQ(selectedLabels(tree(1)), (QStringList{"A", "C"}));
         },
         "Move 2 items", 1, {"A", "C"}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        for (const auto& [label, modifiers] : test.clicks) click(label, modifiers);
        tree(1)->setFocus(Qt::OtherFocusReason);
        test.command();
        EXPECT_EQ(undoText(), test.step);
        EXPECT_NE(allImages(), original);
        for (int undo = 0; undo < test.undos; ++undo) QTest::keyClick(tree(1), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(allImages(), original);
        EXPECT_EQ(selectedLabels(tree(1)), test.selectedAfterUndo);
        for (CTreeSat* view : {tree(1, true), tree(2, true)}) view->expandAll();
    }
    // The drag put A and C before B, one after the other: redo shows where.
    QTest::keyClick(tree(1), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(item("P1")->child(0)->label(), "A");
    EXPECT_EQ(item("P1")->child(1)->label(), "C");
    EXPECT_EQ(item("P1")->child(2)->label(), "B");
}

TEST_F(SeveralItems, PanelShowsSharedValuesAndOkWritesOnlyWhatWasTyped) {
    ChannelTree& data = dialog_->list(1).television();
    // A and B share their volume and differ in Service ID; C differs in volume too.
    const auto set = [&](const char* label, std::uint16_t serviceId, std::uint8_t volume) {
        ChannelRecord record = item(label)->record();
        record.serviceId = serviceId;
        record.volume = volume;
        data.replaceRecord(item(label), record);
    };
    set("A", 10, 50);
    set("B", 20, 50);
    set("C", 10, 70);
    ChannelSettingsPanel& panel = dialog_->panel();
    CValidatingEdit* serviceId = panel.idField(ChannelSettingsPanel::ServiceId);

    click("A");
    click("B", Qt::ControlModifier);
    EXPECT_EQ(panel.nameField()->text(), "");
    EXPECT_EQ(serviceId->text(), "");
    EXPECT_EQ(panel.volumeField()->text(), "50");
    click("C", Qt::ControlModifier);
    EXPECT_EQ(panel.volumeField()->text(), "");

    // With a provider in the selection there is no edit mode.
    click("P2", Qt::ControlModifier);
    SeenMenu seen = rightClickMenu(tree(1), pointOnLabel(tree(1), item("A")));
    ASSERT_FALSE(seen.texts.isEmpty());
    EXPECT_EQ(seen.texts.first(), "Edit");
    EXPECT_FALSE(seen.enabled.first());

    click("P2", Qt::ControlModifier);
    seen = rightClickMenu(tree(1), pointOnLabel(tree(1), item("A")), QStringLiteral("Edit"));
    ASSERT_TRUE(dialog_->isEditing());
    // Leaving the empty Service ID field keeps it empty, and OK leaves each Service ID as it was.
    serviceId->setFocus();
    panel.volumeField()->setFocus();
    EXPECT_EQ(serviceId->text(), "");
    panel.volumeField()->selectAll();
    QTest::keyClicks(panel.volumeField(), QStringLiteral("42"));
    QTest::mouseClick(button("okButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog_->isEditing());

    const struct {
        const char* label;
        std::uint16_t serviceId;
        std::uint8_t volume;
    } expected[] = {{"A", 10, 42}, {"B", 20, 42}, {"C", 10, 42}};
    for (const auto& channel : expected) {
        SCOPED_TRACE(channel.label);
        EXPECT_EQ(item(channel.label)->record().serviceId, channel.serviceId);
        EXPECT_EQ(item(channel.label)->record().volume, channel.volume);
        EXPECT_EQ(item(channel.label)->record().nameText(), channel.label);
    }
    EXPECT_EQ(undoText(), "Edit 3 items");
}

TEST_F(SeveralItems, FilterShowsMatchesWithTheirProvidersAndTheForAllEntriesActOnThem) {
    ChannelTree& data = dialog_->list(1).television();
    ChannelRecord record = item("B")->record();
    record.serviceId = 28106;
    record.frequency = 11953000;
    record.lnb = 3;
    data.replaceRecord(item("B"), record);
    ListFilter& filter = *dialog_->column(1).filter();
    tree(1)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(tree(1), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(filter.isVisible());
    EXPECT_TRUE(filter.field()->hasFocus());

    // Shown rows of list 1's Television tree, and the count over both trees (four channels).
    const struct {
        const char* text;
        QStringList shown;
        QString count;
    } cases[] = {
        {"a", {"P1", "A"}, "2 of 4 shown"},  // "Radio 1" in the other tree matches too
        {"RADIO", {}, "1 of 4 shown"},
        {"sid:28106", {"P1", "B"}, "1 of 4 shown"},
        {"freq:11953", {"P1", "B"}, "1 of 4 shown"},
        {"lnb:3", {"P1", "B"}, "1 of 4 shown"},
        {"sid:x", {}, "0 of 4 shown"},
        {"c", {"P2", "C"}, "1 of 4 shown"},
        {"", {"P1", "A", "B", "P2", "C"}, "4 of 4 shown"},
    };
    const auto shownRows = [&] {
        QStringList labels;
        const ChannelTreeModel* model = tree(1)->channelModel();
        for (int top = 0; top < model->rowCount(); ++top) {
            const QModelIndex provider = model->index(top, 0);
            labels << provider.data().toString();
            for (int row = 0; row < model->rowCount(provider); ++row) labels << model->index(row, 0, provider).data().toString();
        }
        return labels;
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.text);
        filter.field()->selectAll();
        if (QString::fromLatin1(test.text).isEmpty())
            QTest::keyClick(filter.field(), Qt::Key_Backspace);
        else
            QTest::keyClicks(filter.field(), QString::fromLatin1(test.text));
        EXPECT_EQ(shownRows(), test.shown);
        EXPECT_EQ(filter.countText(), test.count);
    }

    // What follows the filter: Ctrl+A, and the "for all" entries.
    QTest::keyClicks(filter.field(), QStringLiteral("a"));
    QTest::keyClick(filter.field(), Qt::Key_Return);
    EXPECT_TRUE(tree(1)->hasFocus());
    QTest::keyClick(tree(1), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selectedLabels(tree(1)), (QStringList{"P1", "A"}));
    prompts_->dialogAnswer = [](QDialog& dialog) {
        static_cast<BulkSettingDialog&>(dialog).setValue(9);
        dialog.setResult(QDialog::Accepted);
    };
    const SeenMenu seen = rightClickMenu(tree(1), pointBelowItems(tree(1)), QStringLiteral("Set LNB for 1 shown"));
    EXPECT_TRUE(seen.picked);
    EXPECT_EQ(undoText(), "Set LNB for 1 shown");
    for (const char* label : {"P1", "A"}) EXPECT_EQ(item(label)->record().lnb, 9) << label;
    for (const char* label : {"B", "P2", "C"}) EXPECT_NE(item(label)->record().lnb, 9) << label;
    // What does not: a new channel stays shown although it does not match; Escape shows all.
    rightClickMenu(tree(1), pointOnLabel(tree(1), item("A")), QStringLiteral("New channel"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(shownRows(), (QStringList{"P1", "undefined", "A"}));
    filter.field()->setFocus();
    QTest::keyClick(filter.field(), Qt::Key_Escape);
    EXPECT_FALSE(filter.isVisible());
    EXPECT_EQ(shownRows(), (QStringList{"P1", "undefined", "A", "B", "P2", "C"}));
}

}  // namespace
}  // namespace qvx
