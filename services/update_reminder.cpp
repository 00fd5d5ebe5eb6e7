#include "services/update_reminder.h"

#include "services/platform.h"
#include "services/web_links.h"

#include <QCoreApplication>

namespace {

const QString settingsSection = QStringLiteral("Settings");
const QString durationKey = QStringLiteral("Duration");
constexpr qint64 quietDays = 14;

// Rewrites every year field of a date format (outside quoted text) to the
// given number of 'y' letters.
QString withYearWidth(const QString &format, int width)
{
    QString result;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
            ++i;
            continue;
        }
        if (quoted || c != QLatin1Char('y')) {
            result += c;
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i + run < format.size() && format.at(i + run) == QLatin1Char('y'))
            ++run;
        result += QString(width, QLatin1Char('y'));
        i += run;
    }
    return result;
}

// A two-digit year names a year of some century; take the one that puts the
// date from eighty years before the reference day to twenty years after it,
// so that a short date written by hand, usually a past one, reads as meant.
QDate inCenturyNear(const QDate &parsed, const QDate &reference)
{
    const int twoDigits = parsed.year() % 100;
    const int century = reference.year() - reference.year() % 100;
    const QDate earliest = reference.addYears(-80);
    const QDate tooLate = reference.addYears(20);
    for (int candidateCentury : {century - 100, century, century + 100}) {
        // Built from the parts, not with addYears, which would move 29 February.
        const QDate candidate(candidateCentury + twoDigits, parsed.month(), parsed.day());
        if (candidate.isValid() && candidate >= earliest && candidate < tooLate)
            return candidate;
    }
    return {};
}

// A date in the locale's short format, with a two-digit year first (as
// many locales write it) and then with four digits.
QDate fromShortFormat(const QString &text, const QLocale &locale, const QDate &reference)
{
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    const QDate twoDigitYear = locale.toDate(text, withYearWidth(shortFormat, 2));
    if (twoDigitYear.isValid())
        return inCenturyNear(twoDigitYear, reference);
    return locale.toDate(text, withYearWidth(shortFormat, 4));
}

// Locales whose short formats earlier versions most often wrote.
QList<QLocale> formerLocales()
{
    return {QLocale(QLocale::German, QLocale::Germany),
            QLocale(QLocale::English, QLocale::UnitedStates),
            QLocale(QLocale::English, QLocale::UnitedKingdom),
            QLocale(QLocale::French, QLocale::France),
            QLocale(QLocale::Japanese, QLocale::Japan)};
}

} // namespace

QString dateToSettingText(const QDate &date)
{
    // ISO 8601 reads back the same under every locale the user may switch to.
    return date.toString(Qt::ISODate);
}

QDate dateFromSettingText(const QString &text, const QLocale &locale, const QDate &reference)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};

    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid())
        return iso;

    // Earlier versions wrote the locale's short format, with a two- or
    // four-digit year; the C locale's stands for a program run without one.
    for (const QLocale &writer : {locale, QLocale::c()}) {
        const QDate date = fromShortFormat(trimmed, writer, reference);
        if (date.isValid())
            return date;
    }

    // Written under a locale the user has since left: read it only when
    // every common short format that reads it agrees on the day, so that
    // "08/12/2024" (August or December) stays unread rather than guessed.
    QDate agreed;
    for (const QLocale &writer : formerLocales()) {
        const QDate date = fromShortFormat(trimmed, writer, reference);
        if (!date.isValid())
            continue;
        if (agreed.isValid() && agreed != date)
            return {};
        agreed = date;
    }
    return agreed;
}

void runUpdateReminder(Platform &platform)
{
    const QString stored = platform.readSetting(settingsSection, durationKey);
    const QDate today = platform.today();
    const QLocale locale = platform.locale();

    if (stored.isEmpty()) {
        platform.writeSetting(settingsSection, durationKey, dateToSettingText(today));
        return;
    }

    // A text that is not a date keeps the reminder silent, and stored as it is.
    const QDate storedDate = dateFromSettingText(stored, locale, today);
    if (!storedDate.isValid())
        return;

    const qint64 days = today.daysTo(storedDate);
    if (days >= -quietDays && days <= quietDays)
        return;

    // Asked before the main window exists: nothing can be deleted under
    // the answer.
    const Platform::Answer answer = platform.askBeforeAnyWindow(
        QCoreApplication::translate("UpdateReminder", "There maybe an update to this software available")
            + QLatin1Char('\r') + QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?"),
        Platform::Buttons::YesNo, Platform::Icon::Information);

    // Today is stored whatever the answer; the page opens only once it is.
    if (!platform.writeSetting(settingsSection, durationKey, dateToSettingText(today)))
        return;
    if (answer == Platform::Answer::Yes)
        WebLinks(platform).open(PageRole::DownloadPage);
}
