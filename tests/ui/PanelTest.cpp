// SPDX-License-Identifier: GPL-3.0-or-later
// The settings panel: showing records, edit mode for channels and providers, OK and Cancel.
#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/fields/CPanelComboBox.h"
#include "ui/tree/CTreeSat.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/tree/ChannelTreeModel.h"

namespace qvx {
namespace {

class Panel : public EditorTest {
protected:
    ChannelSettingsPanel& panel() const { return dialog_->panel(); }
    ChannelTree& television() const { return dialog_->list(1).television(); }
    TreeItem* provider(int row) const { return television().topLevelItem(row); }
    TreeItem* channel(int providerRow, int row) const { return provider(providerRow)->child(row); }

    void select(const TreeItem* item) const { tree(1)->selectItem(item); }
    void editSelected() const { ASSERT_TRUE(EditorTest::editSelected(tree(1))); }
    // Loads the standard list and opens its first channel for editing.
    TreeItem* editFirstChannel() {
        load(1, writeStandardList(QStringLiteral("list.qvx")));
        TreeItem* edited = channel(0, 0);
        select(edited);
        editSelected();
        return edited;
    }
    static void retype(CValidatingEdit* field, const QString& text) {
        field->selectAll();
        field->setText(text);
    }
};

TEST_F(Panel, SelectingAnItemShowsItsRecord) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    select(channel(0, 1));
    EXPECT_EQ(panel().nameField()->text(), "B");
    EXPECT_EQ(panel().frequencyField()->text(), "12000000");
    EXPECT_EQ(panel().symbolRateField()->text(), "27500000");
    EXPECT_EQ(panel().volumeField()->text(), "100");  // the native reader sets 100
    EXPECT_EQ(panel().rotorList()->currentText(), "00 Predefined");
    EXPECT_EQ(panel().scramblingList()->currentText(), "FREE-TV");
    select(provider(1));
    EXPECT_EQ(panel().nameField()->text(), "P2");
    EXPECT_EQ(panel().frequencyField()->text(), "0");
}

TEST_F(Panel, ShownValuesAreClampedOrLeftBlank) {
    ChannelRecord record = ChannelRecord::newChannel(1);
    record.lnb = 70;
    record.qam = 9;
    record.fec = 9;
    record.polarity = 4;
    record.scrambled = 2;
    record.tvSignal = 2;
    record.rotorPosition = 61;
    panel().ShowRecord(record);
    EXPECT_EQ(panel().lnbList()->currentText(), "LNB59");
    EXPECT_EQ(panel().qamList()->currentText(), "QAM256");
    EXPECT_EQ(panel().fecList()->currentIndex(), -1);
    EXPECT_EQ(panel().polarityList()->currentText(), "Vertical");
    EXPECT_EQ(panel().scramblingList()->currentText(), "PAY-TV");
    EXPECT_EQ(panel().tvSignalList()->currentIndex(), -1);
    EXPECT_EQ(panel().rotorList()->currentIndex(), -1);
    EXPECT_EQ(panel().rotorList()->itemText(1), QString::fromUtf8("01 Hot Bird  13\u00B0E"));
    EXPECT_EQ(panel().rotorList()->count(), 61);
    EXPECT_EQ(panel().lnbList()->count(), 60);
}

TEST_F(Panel, EditingAChannelEnablesEveryFieldAndLocksTheLists) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    select(channel(0, 0));
    editSelected();
    EXPECT_TRUE(dialog_->isEditing());
    for (QWidget* field : panel().leadingFocusOrder() + panel().trailingFocusOrder())
        EXPECT_TRUE(field->isEnabled()) << field->objectName().toStdString();
    for (CTreeSat* view : {tree(1), tree(1, false), tree(2), tree(2, false)}) EXPECT_FALSE(view->isEnabled());
    for (const char* name : {"list1LoadButton", "list1SaveAsButton", "list1SaveButton", "list1ClearAllButton",
                             "list1CloseButton", "list2LoadButton", "list2SaveAsButton"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(button("quitButton")->isHidden());
    EXPECT_TRUE(button("compareListsButton")->isHidden());
    EXPECT_FALSE(button("okButton")->isHidden());
    EXPECT_FALSE(button("cancelButton")->isHidden());
    EXPECT_TRUE(panel().compareByName()->isEnabled());
    EXPECT_TRUE(panel().nameField()->hasFocus());
}

TEST_F(Panel, ApplyStoresTheFieldsAndChangesLabelAndIcon) {
    TreeItem* edited = editFirstChannel();
    retype(panel().nameField(), QStringLiteral("Das Erste HD"));
    retype(panel().frequencyField(), QStringLiteral("11493750"));
    retype(panel().idField(ChannelSettingsPanel::ServiceId), QStringLiteral("10301"));
    panel().scramblingList()->setCurrentIndex(1);
    panel().fecList()->setCurrentIndex(3);
    panel().lnbList()->setCurrentIndex(2);
    button("okButton")->click();
    EXPECT_FALSE(dialog_->isEditing());
    const ChannelRecord& record = edited->record();
    EXPECT_EQ(record.nameText(), "Das Erste HD");
    EXPECT_EQ(edited->label(), "Das Erste HD");
    EXPECT_EQ(record.frequency, 11493750u);
    EXPECT_EQ(record.serviceId, 10301);
    EXPECT_EQ(record.scrambled, 1);
    EXPECT_EQ(record.fec, 3);
    EXPECT_EQ(record.lnb, 2);
    EXPECT_EQ(edited->image(), kScrambledChannelImage);
    EXPECT_EQ(edited->selectedImage(), kSelectedChannelImage);
    // Back in view mode: fields disabled, lists usable, Save and Close by the has-file flag.
    EXPECT_FALSE(panel().nameField()->isEnabled());
    EXPECT_TRUE(tree(1)->isEnabled());
    EXPECT_TRUE(button("list1SaveButton")->isEnabled());
    EXPECT_TRUE(button("list1CloseButton")->isEnabled());
    EXPECT_FALSE(button("list2SaveButton")->isEnabled());
    EXPECT_TRUE(button("okButton")->isHidden());
    EXPECT_FALSE(button("quitButton")->isHidden());

    select(edited);
    editSelected();
    panel().scramblingList()->setCurrentIndex(0);
    press(Command::Ok);
    EXPECT_EQ(edited->image(), kFreeChannelImage);
}

TEST_F(Panel, EditingAProviderChangesOnlyNameLnbAndRotor) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    TreeItem* edited = provider(0);
    const RecordImage before = edited->record().image();
    select(edited);
    editSelected();
    EXPECT_TRUE(panel().nameField()->isEnabled());
    EXPECT_TRUE(panel().lnbList()->isEnabled());
    EXPECT_TRUE(panel().rotorList()->isEnabled());
    EXPECT_FALSE(panel().frequencyField()->isEnabled());
    EXPECT_FALSE(panel().volumeField()->isEnabled());
    EXPECT_FALSE(panel().qamList()->isEnabled());
    retype(panel().nameField(), QStringLiteral("ARD"));
    panel().lnbList()->setCurrentIndex(4);
    panel().rotorList()->setCurrentIndex(2);
    press(Command::Ok);
    const RecordImage after = edited->record().image();
    EXPECT_EQ(edited->label(), "ARD");
    EXPECT_EQ(after[24], 'A');
    EXPECT_EQ(after[156], 4);  // lnb
    EXPECT_EQ(after[148], 2);  // rotorPosition
    for (std::size_t offset = 0; offset < kRecordSize; ++offset) {
        if ((offset >= 24 && offset < 56) || offset == 148 || offset == 156) continue;
        EXPECT_EQ(after[offset], before[offset]) << "byte " << offset;
    }
}

TEST_F(Panel, ApplyWithBlankListsStores255) {
    ChannelRecord record = ChannelRecord::newChannel(1);
    record.fec = 9;
    record.tvSignal = 7;
    record.rotorPosition = 99;
    record.setName("odd");
    dialog_->list(1).television().appendItem(nullptr, TreeItem::makeProvider(ChannelRecord::newProvider(1)));
    TreeItem* item = television().appendItem(provider(0), TreeItem::makeChannel(record));
    select(item);
    editSelected();
    press(Command::Ok);
    EXPECT_EQ(item->record().fec, 255);
    EXPECT_EQ(item->record().tvSignal, 255);
    EXPECT_EQ(item->record().rotorPosition, 255);
}

TEST_F(Panel, CancelShowsTheStoredValuesAgain) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    TreeItem* edited = channel(0, 1);
    const RecordImage before = edited->record().image();
    select(edited);
    editSelected();
    retype(panel().nameField(), QStringLiteral("changed"));
    retype(panel().volumeField(), QStringLiteral("7"));
    panel().polarityList()->setCurrentIndex(1);
    button("cancelButton")->click();
    EXPECT_FALSE(dialog_->isEditing());
    EXPECT_EQ(panel().nameField()->text(), "B");
    EXPECT_EQ(panel().volumeField()->text(), "100");
    EXPECT_EQ(panel().polarityList()->currentIndex(), 0);
    EXPECT_EQ(edited->record().image(), before);
    EXPECT_EQ(edited->label(), "B");
}

TEST_F(Panel, ATopLevelChannelIsEditedAsAProvider) {
    load(1, writeList(QStringLiteral("early.qvx"), {{false, 1, "Lonely"}, {true, 1, "P"}, {false, 1, "X"}}));
    TreeItem* lonely = provider(0);
    ASSERT_EQ(lonely->label(), "Lonely");
    select(lonely);
    editSelected();
    EXPECT_FALSE(panel().frequencyField()->isEnabled());
    const std::uint32_t frequency = lonely->record().frequency;
    press(Command::Ok);
    EXPECT_EQ(lonely->record().frequency, frequency);
    EXPECT_EQ(lonely->record().isChannel, 1);
}

TEST_F(Panel, SaveAsOfAnUnloadedListKeepsSaveDisabledAfterAnEdit) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    prompts_->fileAnswers.push_back(pathOf(QStringLiteral("two.qvx")));
    press(Command::SaveAs2);
    EXPECT_TRUE(button("list2SaveButton")->isEnabled());
    select(channel(0, 0));
    editSelected();
    press(Command::Cancel);
    EXPECT_FALSE(button("list2SaveButton")->isEnabled());
    EXPECT_TRUE(button("list1SaveButton")->isEnabled());
}

TEST_F(Panel, StartupListGetsCloseAfterTheFirstEdit) {
    dialog_->loadStartupFile(writeStandardList(QStringLiteral("start.qvx")));
    EXPECT_FALSE(button("list1CloseButton")->isEnabled());
    select(channel(0, 0));
    editSelected();
    press(Command::Cancel);
    EXPECT_TRUE(button("list1CloseButton")->isEnabled());
}

TEST_F(Panel, EnterMovesThroughTheFieldsInFocusOrder) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    select(channel(0, 0));
    editSelected();
    QTest::keyClick(panel().nameField(), Qt::Key_Return);
    EXPECT_TRUE(panel().transponderField()->hasFocus());
    QTest::keyClick(panel().transponderField(), Qt::Key_Return);
    QTest::keyClick(panel().frequencyField(), Qt::Key_Return);
    QTest::keyClick(panel().symbolRateField(), Qt::Key_Return);
    EXPECT_TRUE(panel().lnbList()->hasFocus());
    press(Command::Cancel);

    select(provider(0));
    editSelected();
    QTest::keyClick(panel().nameField(), Qt::Key_Return);
    EXPECT_TRUE(panel().lnbList()->hasFocus());
    EXPECT_TRUE(prompts_->questions.isEmpty());  // Enter never reached the window
}

TEST_F(Panel, EmptiedVolumeBecomesZeroAndIsStored) {
    TreeItem* edited = editFirstChannel();
    panel().volumeField()->setFocus();
    panel().volumeField()->clear();
    panel().idField(ChannelSettingsPanel::ServiceId)->setFocus();
    EXPECT_EQ(panel().volumeField()->text(), "0");
    press(Command::Ok);
    EXPECT_EQ(edited->record().volume, 0);
}

TEST_F(Panel, OkWithARefusedValueStoresNothing) {
    TreeItem* edited = editFirstChannel();
    retype(panel().frequencyField(), QStringLiteral("900000000"));
    press(Command::Ok);
    EXPECT_TRUE(dialog_->isEditing());
    EXPECT_EQ(edited->record().frequency, 12000000u);
    EXPECT_TRUE(panel().frequencyField()->hasFocus());
}

}  // namespace
}  // namespace qvx
