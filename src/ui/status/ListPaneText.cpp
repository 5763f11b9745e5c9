// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/status/ListPaneText.h"

#include <QFile>

#include "session/EditorSession.h"

namespace qvx {

QString listPaneText(int number, const ListPane& pane) {
    switch (pane.file) {
    case ShownFile::NoneYet:
        return QStringLiteral("File%1: none").arg(number);
    case ShownFile::NoneAfterClose:
        return QStringLiteral("File%1: none ").arg(number);
    case ShownFile::Chosen:
        break;
    }
    QString text = QStringLiteral("File%1: %2").arg(number).arg(QFile::decodeName(QByteArray::fromStdString(pane.fileName)));
    if (pane.changed) text += QStringLiteral(" (changed)");
    return text;
}

}  // namespace qvx
