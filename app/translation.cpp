#include "app/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installTranslation(QCoreApplication &application, const QLocale &locale)
{
    if (locale.language() != QLocale::German)
        return false;

    // Compiled in by the build (translations/), under this prefix.
    auto *program = new QTranslator(&application);
    if (!program->load(QStringLiteral(":/i18n/corvella_de.qm"))) {
        delete program;
        return false;
    }
    QCoreApplication::installTranslator(program);

    // Qt's own texts come with Qt; where they are missing, Qt's buttons stay
    // English and the program's texts are German all the same.
    auto *qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}
