#include "services/update_reminder.h"
#include "services/web_links.h"
#include "fakes/fake_platform.h"

#include <QTest>

namespace {

const QString durationKey = QStringLiteral("Settings/Duration");

} // namespace

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private slots:
    void questionOnlyOutsideFourteenDays_data();
    void questionOnlyOutsideFourteenDays();
    void answerDecidesWhetherTheDownloadPageOpens_data();
    void answerDecidesWhetherTheDownloadPageOpens();
    void failedStoreOpensNoPage();
    void textThatIsNotADateKeepsItSilent_data();
    void textThatIsNotADateKeepsItSilent();
    void storedDateReadsBackInEveryLocale_data();
    void storedDateReadsBackInEveryLocale();
    void twoDigitYearReadsInTheRightCentury_data();
    void twoDigitYearReadsInTheRightCentury();
    void dateWrittenTodayDoesNotAskAgainTomorrow_data();
    void dateWrittenTodayDoesNotAskAgainTomorrow();
    void earlierShortDateReadsAfterALocaleChange_data();
    void earlierShortDateReadsAfterALocaleChange();
};

void tst_UpdateReminder::questionOnlyOutsideFourteenDays_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");

    const QDate today(2026, 12, 8);
    QTest::newRow("14 days ago") << "en_US" << today << "11/24/2026" << false;
    QTest::newRow("15 days ago") << "en_US" << today << "11/23/2026" << true;
    QTest::newRow("14 days ahead") << "en_US" << today << "12/22/2026" << false;
    QTest::newRow("15 days ahead") << "en_US" << today << "12/23/2026" << true;
    QTest::newRow("15 days ago across new year") << "en_US" << QDate(2027, 1, 5) << "12/21/26" << true;
    QTest::newRow("14 days ago across a leap day") << "en_US" << QDate(2028, 3, 14) << "2/29/2028" << false;
}

void tst_UpdateReminder::questionOnlyOutsideFourteenDays()
{
    QFETCH(QString, localeName);
    QFETCH(QDate, today);
    QFETCH(QString, stored);
    QFETCH(bool, asks);

    FakePlatform platform;
    platform.fakeLocale = QLocale(localeName);
    platform.fakeToday = today;
    platform.settings.insert(durationKey, stored);
    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), asks ? 1 : 0);
    if (asks) {
        // Moved to today, whatever the answer.
        QCOMPARE(dateFromSettingText(platform.settings.value(durationKey), platform.fakeLocale, today), today);
    } else {
        QCOMPARE(platform.settings.value(durationKey), stored);
    }
    QVERIFY(platform.openedAddresses.isEmpty());
}

void tst_UpdateReminder::answerDecidesWhetherTheDownloadPageOpens_data()
{
    QTest::addColumn<Platform::Answer>("answer");
    QTest::addColumn<QStringList>("opened");
    QTest::newRow("yes") << Platform::Answer::Yes << QStringList{pageAddress(PageRole::DownloadPage)};
    QTest::newRow("no") << Platform::Answer::No << QStringList{};
}

void tst_UpdateReminder::answerDecidesWhetherTheDownloadPageOpens()
{
    QFETCH(Platform::Answer, answer);
    QFETCH(QStringList, opened);

    FakePlatform platform;
    platform.fakeLocale = QLocale(QStringLiteral("de_DE"));
    platform.settings.insert(durationKey, QStringLiteral("23.11.26"));
    platform.answers.push_back(answer);
    // Today is stored before the page opens.
    QString storedWhenOpened;
    platform.onOpen = [&](const QString &) { storedWhenOpened = platform.settings.value(durationKey); };
    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    if (!opened.isEmpty())
        QCOMPARE(storedWhenOpened, dateToSettingText(platform.fakeToday));
    QCOMPARE(platform.messages.first().buttons, Platform::Buttons::YesNo);
    QCOMPARE(platform.openedAddresses, opened);
    QCOMPARE(dateFromSettingText(platform.settings.value(durationKey), platform.fakeLocale, platform.fakeToday),
             platform.fakeToday);
}

void tst_UpdateReminder::failedStoreOpensNoPage()
{
    FakePlatform platform;
    platform.settings.insert(durationKey, dateToSettingText(platform.fakeToday.addDays(-15)));
    platform.settingsReadOnly = true;
    platform.answers.push_back(Platform::Answer::Yes);
    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.openedAddresses.isEmpty());
}

void tst_UpdateReminder::textThatIsNotADateKeepsItSilent_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("words") << "not a date";
    QTest::newRow("no such day") << "2/30/2026";
    QTest::newRow("number") << "46000";
}

void tst_UpdateReminder::textThatIsNotADateKeepsItSilent()
{
    QFETCH(QString, stored);

    FakePlatform platform;
    platform.fakeLocale = QLocale(QStringLiteral("en_US"));
    platform.settings.insert(durationKey, stored);
    runUpdateReminder(platform);

    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
    QCOMPARE(platform.settings.value(durationKey), stored);
}

void tst_UpdateReminder::storedDateReadsBackInEveryLocale_data()
{
    QTest::addColumn<QString>("localeName");
    for (const char *name : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ko_KR", "C"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_UpdateReminder::storedDateReadsBackInEveryLocale()
{
    QFETCH(QString, localeName);
    const QLocale locale(localeName);
    const QDate today(2026, 12, 8);

    // Every 13th day over two and a half centuries, and every day of two
    // years around a century turn, read back the same whatever the day the
    // program runs on: only a date written with its full year can.
    QList<QDate> dates;
    for (QDate date(1900, 1, 1); date < QDate(2150, 1, 1); date = date.addDays(13))
        dates.append(date);
    for (QDate date(1999, 1, 1); date < QDate(2001, 1, 1); date = date.addDays(1))
        dates.append(date);
    dates.append(QDate(2000, 2, 29));

    for (const QDate &date : std::as_const(dates)) {
        const QString text = dateToSettingText(date);
        const QDate back = dateFromSettingText(text, locale, today);
        QVERIFY2(back == date, qPrintable(QStringLiteral("%1 written as \"%2\" read back as %3")
                                              .arg(date.toString(Qt::ISODate), text, back.toString(Qt::ISODate))));
    }
}

void tst_UpdateReminder::twoDigitYearReadsInTheRightCentury_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    // Read on 8 December 2026: a two-digit year lies from 80 years before
    // to 20 years after that day.
    QTest::newRow("this year, American") << "en_US" << "12/8/26" << QDate(2026, 12, 8);
    QTest::newRow("earliest day") << "en_US" << "12/8/46" << QDate(1946, 12, 8);
    QTest::newRow("day before the latest") << "en_US" << "12/7/46" << QDate(2046, 12, 7);
    QTest::newRow("a few years ahead") << "de_DE" << "01.03.30" << QDate(2030, 3, 1);
}

void tst_UpdateReminder::twoDigitYearReadsInTheRightCentury()
{
    QFETCH(QString, localeName);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(dateFromSettingText(text, QLocale(localeName), QDate(2026, 12, 8)), expected);
}

void tst_UpdateReminder::dateWrittenTodayDoesNotAskAgainTomorrow_data()
{
    storedDateReadsBackInEveryLocale_data();
}

void tst_UpdateReminder::dateWrittenTodayDoesNotAskAgainTomorrow()
{
    QFETCH(QString, localeName);

    // A first run asks nothing and opens nothing; nor does the next day's start.
    FakePlatform platform;
    platform.fakeLocale = QLocale(localeName);
    runUpdateReminder(platform);
    QVERIFY(platform.messages.isEmpty() && platform.openedAddresses.isEmpty());
    platform.fakeToday = platform.fakeToday.addDays(1);
    runUpdateReminder(platform);
    QVERIFY(platform.messages.isEmpty());

    // Fifteen days after the first run it asks.
    platform.fakeToday = platform.fakeToday.addDays(14);
    runUpdateReminder(platform);
    QCOMPARE(platform.messages.size(), 1);
}

// Earlier versions kept the date in the then locale's short format; it still
// reads after the user moves to another locale, unless two days could be
// meant (3 April in Britain is 4 March in America): better unread than guessed.
void tst_UpdateReminder::earlierShortDateReadsAfterALocaleChange_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("read");
    const QDate late(2024, 12, 28); // a day above 12 cannot be a month
    const QDate early(2024, 12, 8);
    QTest::newRow("German to American") << "de_DE" << "en_US" << early << true;
    QTest::newRow("American to German") << "en_US" << "de_DE" << late << true;
    QTest::newRow("British to Japanese") << "en_GB" << "ja_JP" << late << true;
    QTest::newRow("British day or month, read in Germany") << "en_GB" << "de_DE" << QDate(2025, 4, 3) << false;
}

void tst_UpdateReminder::earlierShortDateReadsAfterALocaleChange()
{
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    QFETCH(QDate, date);
    QFETCH(bool, read);
    const QString text = QLocale(writer).toString(date, QLocale::ShortFormat);
    const QDate back = dateFromSettingText(text, QLocale(reader), QDate(2026, 12, 8));
    QVERIFY2(back == (read ? date : QDate()), qPrintable(QStringLiteral("\"%1\" read as %2").arg(text, back.toString(Qt::ISODate))));
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_update_reminder.moc"
