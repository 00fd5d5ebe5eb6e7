#include "services/update_reminder.h"
#include "services/web_links.h"
#include "fakes/fake_platform.h"

#include <QTest>

namespace {

const QString durationKey = QStringLiteral("Settings/Duration");
const QString question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

} // namespace

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private slots:
    void firstRunStoresTodayWithoutAsking();
    void questionOnlyOutsideFourteenDays_data();
    void questionOnlyOutsideFourteenDays();
    void answerDecidesWhetherTheDownloadPageOpens_data();
    void answerDecidesWhetherTheDownloadPageOpens();
    void todayIsStoredBeforeThePageOpens();
    void failedStoreOpensNoPage();
    void textThatIsNotADateKeepsItSilent_data();
    void textThatIsNotADateKeepsItSilent();
    void storedDateReadsBackInEveryLocale_data();
    void storedDateReadsBackInEveryLocale();
    void twoDigitYearReadsInTheRightCentury_data();
    void twoDigitYearReadsInTheRightCentury();
    void dateWrittenTodayDoesNotAskAgainTomorrow_data();
    void dateWrittenTodayDoesNotAskAgainTomorrow();
};

void tst_UpdateReminder::firstRunStoresTodayWithoutAsking()
{
    FakePlatform platform;
    platform.fakeLocale = QLocale(QStringLiteral("en_US"));
    runUpdateReminder(platform);

    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
    QVERIFY(platform.settings.contains(durationKey));
    QCOMPARE(dateFromSettingText(platform.settings.value(durationKey), platform.fakeLocale, platform.fakeToday),
             platform.fakeToday);
}

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
    QTest::newRow("same day") << "en_US" << today << "12/8/2026" << false;
    QTest::newRow("a year ago") << "en_US" << today << "12/8/2025" << true;
    // Dates kept with a two-digit year, as the short format writes them.
    QTest::newRow("two-digit year, 14 days ago") << "en_US" << today << "11/24/26" << false;
    QTest::newRow("two-digit year, 15 days ago") << "en_US" << today << "11/23/26" << true;
    QTest::newRow("German, yesterday") << "de_DE" << today << "07.12.26" << false;
    QTest::newRow("German, 15 days ahead") << "de_DE" << today << "23.12.2026" << true;
    QTest::newRow("Korean, 14 days ago") << "ko_KR" << today << "26. 11. 24." << false;
    QTest::newRow("Japanese, 15 days ago") << "ja_JP" << today << "2026/11/23" << true;
    QTest::newRow("British, 14 days ahead") << "en_GB" << today << "22/12/2026" << false;
    const QDate newYear(2027, 1, 5);
    QTest::newRow("14 days ago across new year") << "en_US" << newYear << "12/22/26" << false;
    QTest::newRow("15 days ago across new year") << "en_US" << newYear << "12/21/26" << true;
    const QDate leapDay(2028, 3, 14);
    QTest::newRow("14 days ago across a leap day") << "en_US" << leapDay << "2/29/2028" << false;
    QTest::newRow("15 days ago across a leap day") << "en_US" << leapDay << "2/28/2028" << true;
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
    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    const FakePlatform::Message &message = platform.messages.first();
    QCOMPARE(message.text, question);
    QCOMPARE(message.buttons, Platform::Buttons::YesNo);
    QCOMPARE(message.icon, Platform::Icon::Information);
    QCOMPARE(message.caption, QStringLiteral("Corvella"));
    QCOMPARE(platform.openedAddresses, opened);
    QCOMPARE(dateFromSettingText(platform.settings.value(durationKey), platform.fakeLocale, platform.fakeToday),
             platform.fakeToday);
}

// Asked with the old date still stored; today is stored before the page opens.
void tst_UpdateReminder::todayIsStoredBeforeThePageOpens()
{
    FakePlatform platform;
    const QString old = dateToSettingText(platform.fakeToday.addDays(-15));
    platform.settings.insert(durationKey, old);
    platform.answers.push_back(Platform::Answer::Yes);
    QString storedWhenAsked;
    QString storedWhenOpened;
    platform.onMessage = [&](const QString &) { storedWhenAsked = platform.settings.value(durationKey); };
    platform.onOpen = [&](const QString &) { storedWhenOpened = platform.settings.value(durationKey); };
    runUpdateReminder(platform);

    QCOMPARE(storedWhenAsked, old);
    QCOMPARE(storedWhenOpened, dateToSettingText(platform.fakeToday));
    QCOMPARE(platform.openedAddresses.size(), 1);
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
    QTest::newRow("no such month") << "13/45/2026";
    QTest::newRow("no such day") << "2/30/2026";
    QTest::newRow("date with text after it") << "08/13/2026x";
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
    QTest::newRow("this year, German") << "de_DE" << "08.12.26" << QDate(2026, 12, 8);
    QTest::newRow("this year, Korean") << "ko_KR" << "26. 12. 8." << QDate(2026, 12, 8);
    QTest::newRow("turn of the century") << "en_US" << "1/1/00" << QDate(2000, 1, 1);
    QTest::newRow("last century") << "en_US" << "7/20/69" << QDate(1969, 7, 20);
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

    // A first run, then the next day's start: no question then.
    FakePlatform platform;
    platform.fakeLocale = QLocale(localeName);
    runUpdateReminder(platform);
    platform.fakeToday = platform.fakeToday.addDays(1);
    runUpdateReminder(platform);
    QVERIFY(platform.messages.isEmpty());

    // Fifteen days after the first run it asks.
    platform.fakeToday = platform.fakeToday.addDays(14);
    runUpdateReminder(platform);
    QCOMPARE(platform.messages.size(), 1);
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_update_reminder.moc"
