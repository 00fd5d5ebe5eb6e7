#include "app/translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTranslator>

namespace {

// A caption of the main window's menu, looked up as the windows do.
QString fileMenuCaption()
{
    return QCoreApplication::translate("MainWindow", "&File");
}

QList<QTranslator *> installedTranslators()
{
    return QCoreApplication::instance()->findChildren<QTranslator *>();
}

} // namespace

// The desktop's language decides: German gets the German program and Qt's
// German buttons, every other language the untouched English and nothing
// loaded for it.
class tst_Translation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void germanLocaleGetsGerman_data();
    void germanLocaleGetsGerman();
    void otherLocaleLoadsNothing_data();
    void otherLocaleLoadsNothing();
    void germanLocaleGetsQtsOwnGermanToo();
};

void tst_Translation::cleanup()
{
    qDeleteAll(installedTranslators());
    QCOMPARE(fileMenuCaption(), QStringLiteral("&File"));
}

void tst_Translation::germanLocaleGetsGerman_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("Germany") << "de_DE";
    QTest::newRow("Austria") << "de_AT";
    QTest::newRow("Switzerland") << "de_CH";
}

void tst_Translation::germanLocaleGetsGerman()
{
    QFETCH(QString, locale);
    QVERIFY(installTranslation(*QCoreApplication::instance(), QLocale(locale)));
    QVERIFY(!installedTranslators().isEmpty());
    QVERIFY2(fileMenuCaption() != QLatin1String("&File"), qPrintable(fileMenuCaption()));
}

void tst_Translation::otherLocaleLoadsNothing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("US English") << "en_US";
    QTest::newRow("British English") << "en_GB";
    QTest::newRow("C") << "C";
    QTest::newRow("French") << "fr_FR";
}

void tst_Translation::otherLocaleLoadsNothing()
{
    QFETCH(QString, locale);
    QVERIFY(!installTranslation(*QCoreApplication::instance(), QLocale(locale)));
    QVERIFY(installedTranslators().isEmpty());
    QCOMPARE(fileMenuCaption(), QStringLiteral("&File"));
}

void tst_Translation::germanLocaleGetsQtsOwnGermanToo()
{
    const QString qtGerman = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qtGerman))
        QSKIP("Qt's own German (Debian package qt6-translations-l10n) is not installed");
    QVERIFY(installTranslation(*QCoreApplication::instance(), QLocale(QLocale::German, QLocale::Germany)));
    QCOMPARE(installedTranslators().size(), 2);
    // A standard button's caption, as Qt's message boxes look it up.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_translation.moc"
