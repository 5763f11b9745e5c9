// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qvx {

void installTranslations(const QLocale& locale) {
    // One of each for the life of the program.
    static QTranslator qtTexts;
    static QTranslator ownTexts;
    QCoreApplication::removeTranslator(&qtTexts);
    QCoreApplication::removeTranslator(&ownTexts);
    if (qtTexts.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    if (ownTexts.load(locale, QStringLiteral("qvxedit"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&ownTexts);
}

}  // namespace qvx
