// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text the user reads as a source text of the window's translation:
// the core keeps and uses the English text (qvxtool stays English), and the
// window words the same text, with its arguments, in the desktop's language.
// The build's translation tools read this mark as they read Qt's own.
#define QVX_TRANSLATE_NOOP(context, text) text
