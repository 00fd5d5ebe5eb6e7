#pragma once

#include "symboltest/level.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstdint>

struct ChanceVerdict;
struct LevelHistory;
struct LevelStatistics;

// How the Statistics window words its figures: rates, odds and verdicts in
// plain words, numbers in the user's conventions.
class StatisticsTexts
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsTexts)

public:
    explicit StatisticsTexts(const QLocale &locale)
        : m_locale(locale)
    {
    }

    static QString levelName(Level level);

    QString count(std::int64_t number) const;
    // "33.3%"; a dash without guesses.
    QString hitRate(const LevelStatistics &statistics) const;
    // "1 in 5 (20%)"
    QString chanceAlone(Level level) const;
    // The probability of doing at least this well by pure chance: "49%",
    // below 1 % "about 1 in 120"; a dash without guesses.
    QString atLeastThisWellByChance(const LevelStatistics &statistics) const;
    // "about 1 in 40", "about 1 in 3.1 million", "less than 1 in 10^16"
    QString odds(double log10Tail) const;
    // "consistent with chance", "better than chance (about 1 in 40 by luck)" ...
    QString verdict(const ChanceVerdict &verdict) const;
    // What the chart shows, in one sentence for a screen reader.
    QString chartSummary(Level level, const LevelHistory &history) const;

private:
    QString percent(double fraction, int decimals) const;
    QString chancePercent(double fraction) const;
    // Two significant digits, without a trailing zero ("3.1", "31", "310").
    QString twoDigits(double value) const;
    // Whether a figure reads as exactly "1" once rounded for showing.
    bool exactlyOne(double value) const;

    QLocale m_locale;
};
