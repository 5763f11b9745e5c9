// SPDX-License-Identifier: GPL-3.0-or-later
// The window in German: every text of its own and of Qt's dialogs is translated, the
// kept ones stay, and the window keeps its size.
#include <map>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/platform/Translations.h"
#include "ui/tree/CTreeSat.h"
#include "ui/window/CEditorDialog.h"

namespace qvx {
namespace {

// Every text the window shows on its own, by the object that shows it.
std::map<QString, QString> shownTexts(const CEditorDialog& window) {
    std::map<QString, QString> texts;
    int unnamed = 0;
    const auto key = [&unnamed](const QObject* object, const QString& what) {
        const QString name = object->objectName().isEmpty() ? QString::number(unnamed++) : object->objectName();
        return name + QLatin1Char('/') + what;
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty()) texts[key(button, QStringLiteral("text"))] = button->text();
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().trimmed().isEmpty()) texts[key(label, QStringLiteral("text"))] = label->text();
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        if (!group->title().isEmpty()) texts[key(group, QStringLiteral("title"))] = group->title();
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            texts[key(tabs, QStringLiteral("tab") + QString::number(i))] = tabs->tabText(i);
    return texts;
}

class Translation : public EditorTest {
protected:
    ~Translation() override { installTranslations(QLocale::c()); }

    // A new window in `locale`'s language, the one of the fixture closed first.
    void reopenIn(const QLocale& locale) {
        dialog_.reset();
        installTranslations(locale);
        auto prompts = std::make_unique<ScriptedPrompts>();
        prompts_ = prompts.get();
        dialog_ = std::make_unique<CEditorDialog>(std::move(prompts));
        dialog_->show();
    }
};

TEST_F(Translation, TheGermanWindowWordsEveryTextOfItsOwnAndKeepsItsSize) {
    const QSize english = dialog_->size();
    const std::map<QString, QString> before = shownTexts(*dialog_);
    const QString title = dialog_->windowTitle();
    reopenIn(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(dialog_->size(), english) << "German labels must fit the window as it is";
    EXPECT_EQ(dialog_->windowTitle(), title);  // what the viewer search matches
    const std::map<QString, QString> after = shownTexts(*dialog_);
    ASSERT_EQ(after.size(), before.size());
    // Kept as they are: the OK of the panel and the names that are the same in both languages.
    const QStringList same{QStringLiteral("OK"), QStringLiteral("LNB"), QStringLiteral("QAM"),
                           QStringLiteral("FEC"), QStringLiteral("Radio"), QStringLiteral("Transp."),
                           QStringLiteral("Symbolrate [Hz]"), QStringLiteral(" ")};
    int translated = 0;
    for (const auto& [where, text] : before) {
        ASSERT_TRUE(after.count(where)) << where.toStdString();
        if (same.contains(text)) continue;
        EXPECT_NE(after.at(where), text) << where.toStdString() << " is not translated";
        ++translated;
    }
    EXPECT_GT(translated, 30);
}

// Qt's own texts of its dialogs come from Debian's Qt translations.
TEST_F(Translation, QtsOwnButtonsAreGermanToo) {
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    installTranslations(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
    installTranslations(QLocale::c());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), yes);
}

// A step keeps its item's name inside the German words of the menu entry.
TEST_F(Translation, TheUndoEntryNamesTheStepInGerman) {
    reopenIn(QLocale(QLocale::German, QLocale::Germany));
    load(1, writeStandardList(QStringLiteral("list.qvx")));
    const QString english = QStringLiteral("Undo Delete P2");
    press(Command::Delete, tree(1), dialog_->list(1).television().topLevelItem(1));
    dialog_->commands().refresh();
    const QString entry = dialog_->commands().action(Command::Undo)->text();
    EXPECT_TRUE(entry.contains(QStringLiteral("P2"))) << entry.toStdString();
    EXPECT_NE(entry, english);
    EXPECT_FALSE(entry.contains(QStringLiteral("Delete")));
    EXPECT_FALSE(pane(1).startsWith(QStringLiteral("File1")));
}

}  // namespace
}  // namespace qvx
