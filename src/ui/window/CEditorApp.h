// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace qvx {

// Runs the editor window modally; the program ends when it closes.
class CEditorApp final {
public:
    // `arguments`: the command line without the program's name.
    explicit CEditorApp(QStringList arguments);

    int run();

    // The command line as one text: the arguments joined by single blanks.
    static QString commandLineText(const QStringList& arguments);

private:
    QStringList arguments_;
};

}  // namespace qvx
