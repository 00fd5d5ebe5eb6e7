#include "services/update_reminder.h"

#include "services/platform.h"
#include "services/web_links.h"

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

} // namespace

QString dateToSettingText(const QDate &date, const QLocale &locale)
{
    // The short format with its year written in full: a two-digit year would
    // read back in the wrong century.
    return locale.toString(date, withYearWidth(locale.dateFormat(QLocale::ShortFormat), 4));
}

QDate dateFromSettingText(const QString &text, const QLocale &locale, const QDate &reference)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);

    // A two-digit year, as the short format of many locales writes it.
    const QDate twoDigitYear = locale.toDate(trimmed, withYearWidth(shortFormat, 2));
    if (twoDigitYear.isValid())
        return inCenturyNear(twoDigitYear, reference);

    return locale.toDate(trimmed, withYearWidth(shortFormat, 4));
}

void runUpdateReminder(Platform &platform)
{
    const QString stored = platform.readSetting(settingsSection, durationKey);
    const QDate today = platform.today();
    const QLocale locale = platform.locale();

    if (stored.isEmpty()) {
        platform.writeSetting(settingsSection, durationKey, dateToSettingText(today, locale));
        return;
    }

    // A text that is not a date keeps the reminder silent, and stored as it is.
    const QDate storedDate = dateFromSettingText(stored, locale, today);
    if (!storedDate.isValid())
        return;

    const qint64 days = today.daysTo(storedDate);
    if (days >= -quietDays && days <= quietDays)
        return;

    const Platform::Answer answer = platform.showMessage(
        QStringLiteral("There maybe an update to this software available") + QLatin1Char('\r')
            + QStringLiteral("Do you want to check for an update?"),
        Platform::Buttons::YesNo, Platform::Icon::Information);

    // Today is stored whatever the answer; the page opens only once it is.
    if (!platform.writeSetting(settingsSection, durationKey, dateToSettingText(today, locale)))
        return;
    if (answer == Platform::Answer::Yes)
        WebLinks(platform).open(PageRole::DownloadPage);
}
