// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/FileMessages.h"

#include <string>

#include <QCoreApplication>
#include <QFile>

#include "files/FileError.h"
#include "files/FileResult.h"
#include "files/FileWarning.h"
#include "formats/ConversionLoss.h"

namespace qvx {
namespace {

QString fromLocal(const std::string& text) { return QFile::decodeName(QByteArray::fromStdString(text)); }

}  // namespace

QString fileMessage(const FileResult& result) {
    if (result.messageSource.empty()) return fromLocal(result.message);
    const std::string source(result.messageSource);
    QString message = QCoreApplication::translate("Files", source.c_str());
    for (const std::string& argument : result.messageArguments) {
        // The unnamed file of a read failure is words of the message, not a path.
        message = message.arg(argument == kUnnamedFile ? QCoreApplication::translate("Files", argument.c_str())
                                                       : fromLocal(argument));
    }
    return message;
}

QString fileWarningNote(const FileWarning& warning) {
    const std::string source(fileWarningSource(warning));
    QString note = QCoreApplication::translate("Notes", source.c_str());
    if (note.contains(QLatin1String("%1"))) note = note.arg(warning.count);
    if (note.contains(QLatin1String("%2"))) note = note.arg(QString::fromStdString(warning.argument));
    return note;
}

QString conversionLossNote(const ConversionLoss& loss) {
    const std::string what(loss.what);
    const std::string count(conversionLossCountSource(loss.records));
    return QCoreApplication::translate("Notes", what.c_str()) + QLatin1Char(' ') +
           QCoreApplication::translate("Notes", count.c_str()).arg(loss.records);
}

}  // namespace qvx
