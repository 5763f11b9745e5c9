// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told, read through Qt's accessibility interfaces (the ones
// the AT-SPI bridge serves): status panes, the panel's drop-down lists, refused values,
// tree rows, hints and the progress bar.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "model/ChannelList.h"
#include "ui/fields/CPanelComboBox.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/panel/ChannelSettingsPanel.h"
#include "ui/status/CProgressBar.h"
#include "ui/status/EditorStatusBar.h"
#include "ui/tree/CTreeSat.h"
#include "ui/tree/ChannelTreeModel.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

QString accessibleText(QObject* object, QAccessible::Text which) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(which) : QStringLiteral("<no interface>");
}

class ScreenReader : public EditorTest {
protected:
    ChannelSettingsPanel& panel() const { return dialog_->panel(); }
    QLabel* statusPane(int index) const {
        return dialog_->statusBar().findChild<QLabel*>(QStringLiteral("statusPane%1").arg(index));
    }
    TreeItem* firstChannel() const { return dialog_->list(1).television().topLevelItem(0)->child(0); }
};

TEST_F(ScreenReader, StatusPanesAreReadByTheirText) {
    EXPECT_EQ(accessibleText(statusPane(1), QAccessible::Name), "File1: none");
    EXPECT_EQ(accessibleText(statusPane(3), QAccessible::Name), "File2: none");
    EXPECT_EQ(accessibleText(statusPane(4), QAccessible::Name), "Quick search:");
    load(1, writeStandardList(QStringLiteral("sample.qvx")));
    EXPECT_EQ(accessibleText(statusPane(1), QAccessible::Name), "File1: sample.qvx");
    // After Close the pane shows "File1: none " with its blank; a reader says it without.
    press(Command::Close1);
    EXPECT_EQ(pane(1), "File1: none ");
    EXPECT_EQ(accessibleText(statusPane(1), QAccessible::Name), "File1: none");
}

TEST_F(ScreenReader, ALongFileNameIsElidedOnScreenAndReadWhole) {
    const QString name = QStringLiteral("a channel list with a name far too long for its pane.qvx");
    load(1, writeStandardList(name));
    QLabel* shown = statusPane(1);
    EXPECT_EQ(shown->text().count(QChar(0x2026)), 1) << shown->text().toStdString();
    EXPECT_TRUE(shown->text().startsWith(QStringLiteral("File1: ")));
    EXPECT_TRUE(shown->text().endsWith(QStringLiteral(".qvx")));
    EXPECT_LE(shown->fontMetrics().horizontalAdvance(shown->text()), shown->contentsRect().width());
    EXPECT_EQ(pane(1), "File1: " + name);
    EXPECT_EQ(accessibleText(shown, QAccessible::Name), "File1: " + name);

    load(1, writeStandardList(QStringLiteral("short.qvx")));
    EXPECT_EQ(shown->text(), "File1: short.qvx");
}

TEST_F(ScreenReader, DropDownListsAreNamedByTheirLabelAndValuedByTheirEntry) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    tree(1)->selectItem(firstChannel());
    ChannelRecord record = firstChannel()->record();
    record.lnb = 3;
    record.polarity = 1;
    panel().ShowRecord(record);
    const struct {
        CPanelComboBox* list;
        const char* name;
        const char* value;
    } lists[] = {
        {panel().lnbList(), "LNB", "LNB3"},
        {panel().polarityList(), "Polarity", "Vertical"},
        {panel().scramblingList(), "Scrambling", "FREE-TV"},
        {panel().rotorList(), "Rotor Pos.", "00 Predefined"},
    };
    for (const auto& entry : lists) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(entry.list);
        ASSERT_NE(face, nullptr) << entry.name;
        EXPECT_EQ(face->role(), QAccessible::ComboBox) << entry.name;
        EXPECT_EQ(face->text(QAccessible::Name), entry.name);
        EXPECT_EQ(face->text(QAccessible::Value), entry.value);
        ASSERT_NE(face->textInterface(), nullptr) << entry.name;
        EXPECT_EQ(face->textInterface()->text(0, -1), entry.value);
        ASSERT_EQ(face->childCount(), 1) << entry.name;
        EXPECT_EQ(face->child(0)->object(), entry.list->view()) << entry.name;
    }
    // A value no entry stands for: the name stays, the value is empty.
    record.fec = 9;
    panel().ShowRecord(record);
    EXPECT_EQ(accessibleText(panel().fecList(), QAccessible::Name), "FEC");
    EXPECT_EQ(accessibleText(panel().fecList(), QAccessible::Value), "");
}

TEST_F(ScreenReader, ARefusedValueIsTheFieldsDescriptionWhileItsMessageShows) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    tree(1)->selectItem(firstChannel());
    ASSERT_TRUE(editSelected(tree(1)));
    CValidatingEdit* frequency = panel().frequencyField();
    frequency->setFocus();
    frequency->setText(QStringLiteral("900000000"));
    panel().symbolRateField()->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(frequency->infoWindow().isVisible());
    EXPECT_EQ(accessibleText(frequency, QAccessible::Description), "Must be less than 900000000");
    EXPECT_EQ(accessibleText(frequency, QAccessible::Name), "Frequency [KHz]");

    frequency->setText(QStringLiteral("899999999"));
    panel().symbolRateField()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frequency->infoWindow().isVisible());
    EXPECT_EQ(accessibleText(frequency, QAccessible::Description), "");
}

TEST_F(ScreenReader, TreeRowsSayProviderOrChannelAndFreeOrScrambled) {
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    tree(1)->selectItem(firstChannel());
    ASSERT_TRUE(editSelected(tree(1)));
    panel().scramblingList()->setCurrentIndex(1);  // PAY-TV
    press(Command::Ok);

    const ChannelTreeModel* model = tree(1)->channelModel();
    const auto description = [&](const TreeItem* item) {
        return model->data(model->indexOf(item), Qt::AccessibleDescriptionRole).toString();
    };
    const TreeItem* provider = dialog_->list(1).television().topLevelItem(0);
    EXPECT_EQ(description(provider), "provider");
    EXPECT_EQ(description(provider->child(0)), "channel, scrambled");
    EXPECT_EQ(description(provider->child(1)), "channel, free");

    // As the tree view hands it on: the row's cell carries it.
    tree(1)->expandAll();
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(tree(1));
    ASSERT_NE(view, nullptr);
    QStringList read;
    for (int i = 0; i < view->childCount(); ++i) {
        QAccessibleInterface* cell = view->child(i);
        if (cell && cell->role() == QAccessible::TreeItem)
            read << cell->text(QAccessible::Name) + QStringLiteral(": ") + cell->text(QAccessible::Description);
    }
    EXPECT_EQ(read, (QStringList{"P1: provider", "A: channel, scrambled", "B: channel, free", "P2: provider",
                                 "C: channel, free"}));
}

TEST_F(ScreenReader, HintsAndTheProgressMessageAreRead) {
    EXPECT_EQ(accessibleText(button("compareListsButton"), QAccessible::Description),
              "Compare channel  lists, removes equal entries in both lists");
    EXPECT_EQ(accessibleText(panel().compareByName(), QAccessible::Description),
              "Include Channel name into Channellist Compare");
    CProgressBar bar(*dialog_, QStringLiteral("Comparing"), 100, 10, true, 6);
    EXPECT_EQ(accessibleText(&bar, QAccessible::Name), "Comparing");
    EXPECT_EQ(accessibleText(statusPane(6), QAccessible::Name), "Comparing");
    bar.SetMessage(QStringLiteral("Removing"));
    EXPECT_EQ(accessibleText(&bar, QAccessible::Name), "Removing");
}

}  // namespace
}  // namespace qvx
