// SPDX-License-Identifier: GPL-3.0-or-later
// Validators, the validating edit field, the info window and the panel's drop-down lists.
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "ui/fields/CFieldValidator.h"
#include "ui/fields/CPanelComboBox.h"
#include "ui/fields/CValidatingEdit.h"
#include "ui/fields/ST_InfoWnd.h"

namespace qvx {
namespace {

QString validate(const CFieldValidator& validator, QString& text) { return validator.Validate(text); }

TEST(Validators, RefuseFromTheirLimitWithTheirMessages) {
    const CBelow900000000Validator frequency;
    const CBelow70000000Validator symbolRate;
    const CBelow65536Validator id;
    const CAtMost100Validator volume;
    const struct {
        const CFieldValidator& validator;
        const char* accepted;
        const char* refused;
        const char* message;
    } cases[] = {
        {frequency, "899999999", "900000000", "Must be less than 900000000"},
        {symbolRate, "69999999", "70000000", "Must be less than 70000000"},
        {id, "65535", "65536", "Must be less than 65536"},
        {volume, "100", "101", "Volume must be less or equal than 100"},
    };
    for (const auto& c : cases) {
        QString accepted = QString::fromLatin1(c.accepted);
        QString refused = QString::fromLatin1(c.refused);
        EXPECT_EQ(validate(c.validator, accepted), "") << c.accepted;
        EXPECT_EQ(validate(c.validator, refused), c.message) << c.refused;
        EXPECT_EQ(refused, c.refused);  // the text stays as typed
    }
}

TEST(Validators, ReadTheTextAsTheStandardDecimalConversionDoes) {
    const CBelow65536Validator id;
    const CBelow900000000Validator frequency;
    QString empty;
    EXPECT_EQ(validate(id, empty), "");
    EXPECT_EQ(empty, "0");
    QString negative = QStringLiteral("-1");
    EXPECT_EQ(validate(id, negative), "");
    QString huge = QStringLiteral("4294967296");
    EXPECT_EQ(validate(frequency, huge), "Must be less than 900000000");
    QString enormous = QStringLiteral("99999999999999999999999");
    EXPECT_EQ(validate(frequency, enormous), "Must be less than 900000000");
    QString trailing = QStringLiteral("  70000x99");
    EXPECT_EQ(validate(id, trailing), "Must be less than 65536");
    QString letters = QStringLiteral("abc");
    EXPECT_EQ(validate(id, letters), "");
    CFieldValidator base;
    QString anything = QStringLiteral("whatever");
    EXPECT_EQ(validate(base, anything), "");
}

// A dialog with two validating fields and a Cancel button, like the Set Volume dialog.
class Field : public ::testing::Test {
protected:
    Field() {
        auto* layout = new QVBoxLayout(&dialog_);
        first_ = new CValidatingEdit;
        second_ = new CValidatingEdit;
        cancel_ = new QPushButton(QStringLiteral("Cancel"));
        layout->addWidget(first_);
        layout->addWidget(second_);
        layout->addWidget(cancel_);
        first_->setLengthLimit(3);
        first_->setAcceptedCharacters(QStringLiteral("0123456789"));
        first_->setFieldValidator(&validator_);
        first_->attach(&dialog_);
        second_->attach(&dialog_);
        dialog_.show();
        QApplication::setActiveWindow(&dialog_);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog_));
        first_->setFocus();
    }

    CAtMost100Validator validator_;
    QDialog dialog_;
    CValidatingEdit* first_;
    CValidatingEdit* second_;
    QPushButton* cancel_;
};

TEST_F(Field, TakesOnlyItsCharactersUpToItsLimit) {
    QTest::keyClicks(first_, QStringLiteral("1a2"));
    EXPECT_EQ(first_->text(), "12");
    QTest::keyClick(first_, Qt::Key_Backspace);
    EXPECT_EQ(first_->text(), "1");
    QTest::keyClicks(first_, QStringLiteral("2345"));
    EXPECT_EQ(first_->text(), "123");
}

TEST_F(Field, EnterMovesOnAndTabAndEscapeDoNothing) {
    int rejected = 0;
    QObject::connect(&dialog_, &QDialog::rejected, [&] { ++rejected; });
    QTest::keyClick(first_, Qt::Key_Tab);
    EXPECT_TRUE(first_->hasFocus());
    QTest::keyClick(first_, Qt::Key_Escape);
    EXPECT_TRUE(dialog_.isVisible());
    EXPECT_EQ(rejected, 0);
    QTest::keyClick(first_, Qt::Key_Return);
    EXPECT_TRUE(second_->hasFocus());
    EXPECT_EQ(first_->text(), "0");  // left empty: rewritten
}

TEST_F(Field, LeavingWithARefusedValueShowsTheMessageAboveAndKeepsTheFocus) {
    QTest::keyClicks(first_, QStringLiteral("150"));
    second_->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(first_->hasFocus());
    EXPECT_EQ(first_->selectedText(), "150");
    const ST_InfoWnd& info = first_->infoWindow();
    ASSERT_TRUE(info.isVisible());
    EXPECT_EQ(info.text(), " Volume must be less or equal than 100 ");
    EXPECT_EQ(info.textRect().left(), first_->mapToGlobal(QPoint(0, 0)).x());
    EXPECT_EQ(info.textRect().bottom() + 1 + 2, first_->mapToGlobal(QPoint(0, 0)).y());

    first_->setText(QStringLiteral("99"));
    second_->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(second_->hasFocus());
    EXPECT_FALSE(info.isVisible());
}

TEST_F(Field, MovingToTheCancelButtonIsNotChecked) {
    first_->setCancelButton(cancel_);
    QTest::keyClicks(first_, QStringLiteral("500"));
    cancel_->setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(cancel_->hasFocus());
    EXPECT_FALSE(first_->infoWindow().isVisible());
}

TEST_F(Field, InfoWindowKeepsItsFirstMessageAndNeverTakesTheFocus) {
    ST_InfoWnd& info = second_->infoWindow();
    info.ShowInfo(second_, QString());
    ASSERT_TRUE(info.isVisible());
    EXPECT_EQ(info.text(), "  ");
    info.ShowInfo(second_, QStringLiteral("second"));
    EXPECT_EQ(info.text(), "  ");
    EXPECT_TRUE(first_->hasFocus());
    info.HideInfo();
    info.ShowInfo(second_, QStringLiteral("A & B"));
    EXPECT_EQ(info.text(), " A & B ");
    info.HideInfo();
    EXPECT_FALSE(info.isVisible());
}

TEST(InfoWindow, DoesNothingBeforeItIsCreated) {
    ST_InfoWnd info(QColor(255, 129, 129));
    QWidget anchor;
    info.ShowInfo(&anchor, QStringLiteral("x"));
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(info.text().isEmpty());
    info.HideInfo();
}

TEST(PanelComboBox, KeepsEnterEscapeAndTabFromTheWindowAndMovesOnWithEnter) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new CPanelComboBox;
    auto* other = new QPushButton(QStringLiteral("Other"));
    other->setDefault(true);
    layout->addWidget(list);
    layout->addWidget(other);
    list->addItems({QStringLiteral("PAL"), QStringLiteral("NTSC"), QStringLiteral("SECAM")});
    int clicks = 0;
    QObject::connect(other, &QPushButton::clicked, [&] { ++clicks; });
    int rejected = 0;
    QObject::connect(&dialog, &QDialog::rejected, [&] { ++rejected; });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    list->setFocus();
    for (const auto key : {Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Backtab}) QTest::keyClick(list, key);
    EXPECT_TRUE(list->hasFocus());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(rejected, 0);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 1);

    // With the entries open, Enter picks one and the focus stays.
    list->showPopup();
    ASSERT_TRUE(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_FALSE(list->view()->isVisible());
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_TRUE(list->hasFocus());

    // Closed, Enter moves to the next control without pressing the default button.
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list->currentIndex(), 2);
}

}  // namespace
}  // namespace qvx
