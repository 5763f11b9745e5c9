// SPDX-License-Identifier: GPL-3.0-or-later
// The Set LNB, Set Rotor Position and Set Volume dialogs, opened from the tree
// context menu, answered while they are open, with the records checked after.
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "TreeMenuDriver.h"
#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/window/CEditorDialog.h"
#include "ui/fields/CPanelComboBox.h"
#include "ui/dialogs/CSetLnbDialog.h"
#include "ui/dialogs/CSetVolumeDialog.h"
#include "ui/tree/CTreeSat.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/list/ListColumn.h"

namespace qvx {
namespace {

class BulkDialogs : public EditorTest {
protected:
    void SetUp() override {
        load(1, writeStandardList(QStringLiteral("list.qvx")));
        tree(1)->expandAll();
    }

    ChannelTree& television() const { return dialog_->list(1).television(); }
    TreeItem* channelA() const { return television().topLevelItem(0)->child(0); }

    void setField(TreeItem* item, const std::function<void(ChannelRecord&)>& change) const {
        ChannelRecord record = item->record();
        change(record);
        television().replaceRecord(item, record);
    }

    // Each dialog is run modally; `answer` works it while it is open. A dialog
    // the answer left open is cancelled afterwards.
    void answerWith(std::function<void(BulkSettingDialog&)> answer) {
        prompts_->dialogAnswer = [this, answer](QDialog& dialog) {
            QTimer::singleShot(0, &dialog, [&dialog, answer, this] {
                ++dialogsOpened_;
                QApplication::setActiveWindow(&dialog);
                EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
                answer(static_cast<BulkSettingDialog&>(dialog));
                if (dialog.isVisible()) dialog.reject();
            });
            dialog.exec();
        };
    }

    static QString labelOf(const QDialog& dialog) { return dialog.findChild<QLabel*>()->text(); }
    static QComboBox* choicesOf(BulkSettingDialog& dialog) {
        return static_cast<BulkChoiceDialog&>(dialog).choices();
    }
    static CValidatingEdit* volumeOf(BulkSettingDialog& dialog) {
        return static_cast<CSetVolumeDialog&>(dialog).volumeField();
    }

    int dialogsOpened_ = 0;
};

TEST_F(BulkDialogs, LnbForProviderSetsTheProviderAndItsChannelsOnly) {
    const std::uint8_t otherLnb = television().topLevelItem(1)->child(0)->record().lnb;
    ASSERT_NE(otherLnb, 5);
    answerWith([](BulkSettingDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set LNB");
        EXPECT_EQ(labelOf(dialog), "LNB");
        QComboBox* choices = choicesOf(dialog);
        ASSERT_EQ(choices->count(), 60);
        EXPECT_EQ(choices->itemText(0), "LNB0");
        EXPECT_EQ(choices->itemText(59), "LNB59");
        EXPECT_TRUE(choices->hasFocus());
        choices->setCurrentIndex(5);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    rightClickMenu(tree(1), pointOnLabel(tree(1), television().topLevelItem(0)),
                   QStringLiteral("Set LNB for provider"));
    EXPECT_EQ(dialogsOpened_, 1);
    const TreeItem* provider = television().topLevelItem(0);
    for (const TreeItem* item :
         std::initializer_list<const TreeItem*>{provider, provider->child(0), provider->child(1)})
        EXPECT_EQ(item->record().lnb, 5) << item->label();
    EXPECT_EQ(television().topLevelItem(1)->child(0)->record().lnb, otherLnb);
    // The provider's record is shown again with its new LNB.
    EXPECT_EQ(dialog_->panel().lnbList()->currentIndex(), 5);
}

TEST_F(BulkDialogs, VolumeForAllOnARadioTreeStartsAt100AndLeavesTelevisionAndPanel) {
    dialog_->column(1).tabs()->setCurrentIndex(1);
    CTreeSat* radioView = tree(1, false);
    radioView->expandAll();
    QCoreApplication::processEvents();
    tree(1)->selectItem(channelA());
    setField(channelA(), [](ChannelRecord& record) { record.volume = 30; });
    const QString panelVolume = dialog_->panel().volumeField()->text();
    QString startText;
    answerWith([&startText](BulkSettingDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set Volume");
        EXPECT_EQ(labelOf(dialog), "Volume");
        CValidatingEdit* field = volumeOf(dialog);
        startText = field->text();
        EXPECT_TRUE(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("80"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    const QPoint below = pointBelowItems(radioView);
    EXPECT_TRUE(rightClickMenu(radioView, below, QStringLiteral("Set Volume for all")).picked);
    EXPECT_EQ(dialogsOpened_, 1);
    EXPECT_EQ(startText, "100");
    const ChannelTree& radio = dialog_->list(1).radio();
    EXPECT_EQ(radio.topLevelItem(0)->record().volume, 80);
    EXPECT_EQ(radio.topLevelItem(0)->child(0)->record().volume, 80);
    EXPECT_EQ(channelA()->record().volume, 30);
    EXPECT_NE(television().topLevelItem(1)->record().volume, 80);
    EXPECT_EQ(dialog_->panel().volumeField()->text(), panelVolume);
}

TEST_F(BulkDialogs, RotorOpensAtTheChannelsPositionAndCancelChangesNothing) {
    setField(channelA(), [](ChannelRecord& record) { record.rotorPosition = 3; });
    answerWith([](BulkSettingDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set Rotor Position");
        EXPECT_EQ(labelOf(dialog), "Rotor Position");
        QComboBox* choices = choicesOf(dialog);
        ASSERT_EQ(choices->count(), 61);
        EXPECT_EQ(choices->currentText(), QString::fromUtf8("03 Eutelsat F3 16\u00b0E"));
        EXPECT_EQ(choices->itemText(0), "00 Predefined");
        EXPECT_EQ(choices->itemText(1), QString::fromUtf8("01 Hot Bird  13\u00b0E"));
        EXPECT_EQ(choices->itemText(28), QString::fromUtf8("28 Eutelsat 12.5\u00b0W"));
        EXPECT_EQ(choices->itemText(60), "60 not assigned");
        choices->setCurrentIndex(7);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    });
    rightClickMenu(tree(1), pointOnLabel(tree(1), channelA()), QStringLiteral("Set Rotor position"));
    EXPECT_EQ(dialogsOpened_, 1);
    EXPECT_EQ(channelA()->record().rotorPosition, 3);
}

TEST_F(BulkDialogs, AnLnbNoEntryStandsForOpensWithoutChoiceAndOkStores255) {
    setField(channelA(), [](ChannelRecord& record) { record.lnb = 70; });
    int shownIndex = 0;
    answerWith([&shownIndex](BulkSettingDialog& dialog) {
        shownIndex = choicesOf(dialog)->currentIndex();
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    rightClickMenu(tree(1), pointOnLabel(tree(1), channelA()), QStringLiteral("Set LNB"));
    EXPECT_EQ(shownIndex, -1);
    EXPECT_EQ(channelA()->record().lnb, 255);
    // Only the channel itself changed.
    EXPECT_NE(television().topLevelItem(0)->record().lnb, 255);
    EXPECT_NE(television().topLevelItem(0)->child(1)->record().lnb, 255);
}

TEST_F(BulkDialogs, VolumeFieldRefusesAbove100AndReadsEmptyAsZero) {
    setField(channelA(), [](ChannelRecord& record) { record.volume = 42; });
    QString startText;
    answerWith([&startText](BulkSettingDialog& dialog) {
        CValidatingEdit* field = volumeOf(dialog);
        startText = field->text();
        // The field keeps Escape and Tab from the dialog.
        QTest::keyClick(field, Qt::Key_Escape);
        QTest::keyClick(field, Qt::Key_Tab);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("1x5-07"));  // only digits, at most three
        EXPECT_EQ(field->text(), "150");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(field->infoWindow().isVisible());
        EXPECT_EQ(field->infoWindow().text().trimmed(), "Volume must be less or equal than 100");
        EXPECT_TRUE(field->hasFocus());

        field->clear();
        QTest::keyClick(field, Qt::Key_Return);  // moves on to OK, which checks the field
        EXPECT_EQ(field->text(), "0");
        EXPECT_TRUE(dialog.okButton()->hasFocus());
        QTest::keyClick(dialog.okButton(), Qt::Key_Return);
    });
    rightClickMenu(tree(1), pointOnLabel(tree(1), channelA()), QStringLiteral("Set Volume"));
    EXPECT_EQ(startText, "42");
    EXPECT_EQ(channelA()->record().volume, 0);
    EXPECT_EQ(dialog_->panel().volumeField()->text(), "0");
}

TEST_F(BulkDialogs, ButtonsAndColours) {
    answerWith([](BulkSettingDialog& dialog) {
        EXPECT_TRUE(dialog.okButton()->isDefault());
        EXPECT_LT(dialog.cancelButton()->geometry().center().x(), dialog.okButton()->geometry().center().x());
        EXPECT_GT(dialog.okButton()->geometry().top(), dialog.findChild<QLabel*>()->geometry().bottom());
        for (QWidget* field : std::initializer_list<QWidget*>{choicesOf(dialog), choicesOf(dialog)->view()}) {
            const QPalette colours = field->palette();
            EXPECT_EQ(colours.color(QPalette::Active, QPalette::Base), QColor(255, 255, 0));
            EXPECT_EQ(colours.color(QPalette::Active, QPalette::Text), QColor(0, 0, 0));
            EXPECT_EQ(colours.color(QPalette::Disabled, QPalette::Base), QColor(0, 0, 0));
            EXPECT_EQ(colours.color(QPalette::Disabled, QPalette::Text), QColor(255, 0, 0));
        }
        // The open list draws its entries on the window colour.
        EXPECT_EQ(choicesOf(dialog)->view()->palette().color(QPalette::Active, QPalette::Window),
                  QColor(255, 255, 0));
        // The buttons keep the desktop's colours.
        EXPECT_NE(dialog.okButton()->palette().color(QPalette::Button), QColor(255, 255, 0));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    });
    rightClickMenu(tree(1), pointOnLabel(tree(1), channelA()), QStringLiteral("Set LNB"));
    EXPECT_EQ(dialogsOpened_, 1);
    EXPECT_EQ(prompts_->dialogTitles, QStringList{"Set LNB"});
}

}  // namespace
}  // namespace qvx
