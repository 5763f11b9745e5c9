// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstring>
#include <string>

#include "ui/platform/DisplayCheck.h"
#include "ui/platform/Translations.h"
#include "ui/window/CEditorApp.h"

#ifndef QVX_DISPLAY_VERSION
#error "QVX_DISPLAY_VERSION must be defined by the build"
#endif

namespace {

constexpr const char* usageText =
    "Usage: qvxedit [LIST]\n"
    "Opens the Quorvex Channel List Editor. A Quorvex (.qvx) or WinDVBLive (.chl) list\n"
    "named as the only argument is loaded into list 1; DVB98 (.dvb) and DVBextreme (.xch)\n"
    "lists are loaded from the window.\n"
    "\n"
    "  --help     print this help and exit\n"
    "  --version  print the version and exit\n";

// --help and --version answer on the terminal before any window system is asked for,
// so they work without a display. Only as the whole command line: any other text
// names the list to load.
int answerOnTerminal(int argc, char* argv[]) {
    if (argc != 2) {
        return -1;
    }
    const char* text = nullptr;
    if (std::strcmp(argv[1], "--help") == 0) {
        text = usageText;
    } else if (std::strcmp(argv[1], "--version") == 0) {
        text = "qvxedit " QVX_DISPLAY_VERSION "\n";
    } else {
        return -1;
    }
    const bool written = std::fputs(text, stdout) >= 0 && std::fflush(stdout) == 0;
    return written ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const int status = answerOnTerminal(argc, argv); status >= 0) {
        return status;
    }
    if (const std::string problem = qvx::displayProblem(); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    // The window's class (WM_CLASS "qvxedit") and, under Wayland, its app id
    // ("quorvex-editor") tie it to the desktop entry, so docks group it under the
    // launcher's icon whatever path the program was started by.
    QApplication::setApplicationName(QStringLiteral("qvxedit"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvex-editor"));
    // The desktop's language (LANG, LC_ALL, LC_MESSAGES): LANG=C keeps the English texts.
    qvx::installTranslations(QLocale());
    qvx::CEditorApp editor(QApplication::arguments().mid(1));
    return editor.run();
}
