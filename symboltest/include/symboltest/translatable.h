#pragma once

// Marks an English text of the core as translatable without bringing Qt in:
// the core uses the text as it stands, Qt's lupdate finds it under the given
// context (the build tells lupdate that these names stand for Qt's
// QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP), and the windows look the same
// text up with QCoreApplication::translate(context, text).
#define CORVELLA_TRANSLATE_NOOP(context, text) text
// The same for a text with a "%n" count, looked up with its number.
#define CORVELLA_TRANSLATE_N_NOOP(context, text) text
