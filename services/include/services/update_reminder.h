#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class Platform;

// Asks at start-up, every fifteenth day or later after the last reminder,
// whether the user wants to look for an update. The date of the last
// reminder is the one value the program keeps between runs.
void runUpdateReminder(Platform &platform);

// The stored date as text: ISO 8601 (yyyy-MM-dd), the same under every locale.
QString dateToSettingText(const QDate &date);
// Reads a stored date: ISO 8601, else the locale's short format (as earlier
// versions wrote it), else the C locale's, else a common short format that
// reads it as one day only. An invalid QDate when the text is not a date. A
// two-digit year is read as lying between 80 years before and 20 years
// after the reference day.
QDate dateFromSettingText(const QString &text, const QLocale &locale,
                          const QDate &reference = QDate::currentDate());
