#pragma once

class QCoreApplication;
class QLocale;

// Installs the program's German translation, with Qt's own German texts
// (standard buttons, the file dialog, text boxes' context menus), when the
// locale's language is German. In any other locale it loads nothing at all,
// so English start-up pays nothing for the translation. Returns whether the
// program's translation was installed; the translators belong to the
// application.
bool installTranslation(QCoreApplication &application, const QLocale &locale);
