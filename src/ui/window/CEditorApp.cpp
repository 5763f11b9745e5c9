// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/CEditorApp.h"

#include "ui/window/CEditorDialog.h"
#include "ui/platform/ViewerNotification.h"

namespace qvx {

CEditorApp::CEditorApp(QStringList arguments) : arguments_(std::move(arguments)) {}

QString CEditorApp::commandLineText(const QStringList& arguments) { return arguments.join(QLatin1Char(' ')); }

int CEditorApp::run() {
    CEditorDialog dialog;
    dialog.setViewerNotifier(notifyViewerFunction());
    dialog.loadStartupFile(commandLineText(arguments_));
    dialog.exec();
    return 0;
}

}  // namespace qvx
