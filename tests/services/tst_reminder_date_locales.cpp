#include "services/update_reminder.h"

#include <QtTest>

// The reminder date survives a change of locale: it is written in ISO 8601,
// and dates that earlier versions wrote in the then locale's short format
// still read after the user moves to another locale.
class tst_ReminderDateLocales : public QObject
{
    Q_OBJECT

private slots:
    void isoDateReadsUnderEveryLocale_data();
    void isoDateReadsUnderEveryLocale();
    void earlierShortDateReadsAfterALocaleChange_data();
    void earlierShortDateReadsAfterALocaleChange();
    void shortDateOfTwoPossibleDaysStaysUnread();
};

void tst_ReminderDateLocales::isoDateReadsUnderEveryLocale_data()
{
    QTest::addColumn<QString>("reader");
    for (const char *name : {"en_US", "de_DE", "fr_FR", "ja_JP", "ko_KR", "C"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_ReminderDateLocales::isoDateReadsUnderEveryLocale()
{
    QFETCH(QString, reader);
    const QDate date(2024, 12, 8);
    const QString text = dateToSettingText(date);
    // ISO 8601: the year first, then month and day, each in full.
    QVERIFY2(QDate::fromString(text, QStringLiteral("yyyy-MM-dd")) == date, qPrintable(text));
    QCOMPARE(dateFromSettingText(text, QLocale(reader), QDate(2026, 12, 8)), date);
}

void tst_ReminderDateLocales::earlierShortDateReadsAfterALocaleChange_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QDate>("date");
    const QDate late(2024, 12, 28); // a day above 12 cannot be a month
    const QDate early(2024, 12, 8);
    QTest::newRow("German to American") << "de_DE" << "en_US" << early;
    QTest::newRow("German to French") << "de_DE" << "fr_FR" << early;
    QTest::newRow("Japanese to German") << "ja_JP" << "de_DE" << early;
    QTest::newRow("American to German") << "en_US" << "de_DE" << late;
    QTest::newRow("French to American") << "fr_FR" << "en_US" << late;
    QTest::newRow("British to Japanese") << "en_GB" << "ja_JP" << late;
    QTest::newRow("same locale, two-digit year") << "en_US" << "en_US" << early;
    QTest::newRow("C to German") << "C" << "de_DE" << early;
}

void tst_ReminderDateLocales::earlierShortDateReadsAfterALocaleChange()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    QFETCH(QDate, date);
    // Written as an earlier version did: the writer's own short format.
    const QLocale writerLocale(writer);
    const QString text = writerLocale.toString(date, QLocale::ShortFormat);
    const QDate read = dateFromSettingText(text, QLocale(reader), QDate(2026, 12, 8));
    QVERIFY2(read == date, qPrintable(QStringLiteral("\"%1\" read as %2").arg(text, read.toString(Qt::ISODate))));
}

void tst_ReminderDateLocales::shortDateOfTwoPossibleDaysStaysUnread()
{
    // 3 April in Britain is 4 March in America: better unread than guessed
    // when the reader's own locale cannot tell.
    const QString british = QLocale(QStringLiteral("en_GB")).toString(QDate(2025, 4, 3), QLocale::ShortFormat);
    QVERIFY(!dateFromSettingText(british, QLocale(QStringLiteral("de_DE")), QDate(2026, 12, 8)).isValid());
}

QTEST_GUILESS_MAIN(tst_ReminderDateLocales)
#include "tst_reminder_date_locales.moc"
