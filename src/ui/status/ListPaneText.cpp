// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status/ListPaneText.h"

#include <QCoreApplication>
#include <QFile>

#include "session/EditorSession.h"

namespace qvx {

QString listPaneText(int number, const ListPane& pane) {
    switch (pane.file) {
    case ShownFile::NoneYet:
        return QCoreApplication::translate("Window", "File%1: none").arg(number);
    case ShownFile::NoneAfterClose:
        return QCoreApplication::translate("Window", "File%1: none ").arg(number);
    case ShownFile::Chosen:
        break;
    }
    const QString name = QFile::decodeName(QByteArray::fromStdString(pane.fileName));
    if (!pane.changed) return QCoreApplication::translate("Window", "File%1: %2").arg(number).arg(name);
    return QCoreApplication::translate("Window", "File%1: %2 (changed)").arg(number).arg(name);
}

}  // namespace qvx
