// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLocale;

namespace qvx {

// Words the window in the language of `locale`: the program's own texts and
// Qt's texts of its dialogs and buttons, where a translation into that
// language is there; otherwise the English source texts stay. A later call
// replaces the languages of an earlier one.
void installTranslations(const QLocale& locale);

}  // namespace qvx
