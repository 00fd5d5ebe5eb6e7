#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class Platform;

// Asks at start-up, every fifteenth day or later after the last reminder,
// whether the user wants to look for an update. The date of the last
// reminder is the one value the program keeps between runs.
void runUpdateReminder(Platform &platform);

// The stored date as text in the locale's short date format, written so
// that it reads back as the same date in that locale.
QString dateToSettingText(const QDate &date, const QLocale &locale);
// Reads a stored date; an invalid QDate when the text is not a date. A
// two-digit year is read as lying between 80 years before and 20 years
// after the reference day.
QDate dateFromSettingText(const QString &text, const QLocale &locale,
                          const QDate &reference = QDate::currentDate());
