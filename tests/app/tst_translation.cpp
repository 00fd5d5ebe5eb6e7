#include "app/translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTest>
#include <QTranslator>

// The desktop's language decides: German gets the German program and Qt's
// German buttons, every other language the untouched English and nothing
// loaded for it.
class tst_Translation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void onlyGermanLocalesLoadATranslation_data();
    void onlyGermanLocalesLoadATranslation();
};

void tst_Translation::cleanup()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

void tst_Translation::onlyGermanLocalesLoadATranslation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("german");
    QTest::newRow("Germany") << "de_DE" << true;
    QTest::newRow("Austria") << "de_AT" << true;
    QTest::newRow("Switzerland") << "de_CH" << true;
    QTest::newRow("US English") << "en_US" << false;
    QTest::newRow("British English") << "en_GB" << false;
    QTest::newRow("C") << "C" << false;
    QTest::newRow("French") << "fr_FR" << false;
}

void tst_Translation::onlyGermanLocalesLoadATranslation()
{
    QFETCH(QString, locale);
    QFETCH(bool, german);
    QCOMPARE(installTranslation(*QCoreApplication::instance(), QLocale(locale)), german);
    // A caption of the main window's menu, looked up as the windows do.
    const QString fileMenu = QCoreApplication::translate("MainWindow", "&File");
    QCOMPARE(fileMenu != QLatin1String("&File"), german);
    if (!german) {
        QVERIFY(QCoreApplication::instance()->findChildren<QTranslator *>().isEmpty());
        return;
    }
    const QString qtGerman = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    if (!QFileInfo::exists(qtGerman))
        QSKIP("Qt's own German (Debian package qt6-translations-l10n) is not installed");
    // A standard button's caption, as Qt's message boxes look it up.
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
}

QTEST_GUILESS_MAIN(tst_Translation)
#include "tst_translation.moc"
