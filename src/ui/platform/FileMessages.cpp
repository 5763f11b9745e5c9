// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/FileMessages.h"

#include <string>

#include <QCoreApplication>
#include <QFile>

#include "files/FileError.h"
#include "files/FileResult.h"

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

}  // namespace qvx
