#pragma once

#include "symboltest/chance_evidence.h"
#include "symboltest/level.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstdint>

struct HistoryStatistics;
struct LevelHistory;
struct LevelStatistics;

// How the Statistics window words its figures: rates, intervals, tails and
// verdicts in plain words, numbers in the user's conventions.
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
    // The 95 % exact interval, "27.1–39.9%"; a dash without guesses.
    QString interval(const LevelStatistics &statistics) const;
    // "1 in 5 (20%)"
    QString chanceAlone(Level level) const;
    // The hit rate less chance, in percentage points: "+13.3 points".
    QString differenceFromChance(const LevelStatistics &statistics) const;
    // N of "1 of N" for a tail, rounded for reading: "40", "3.1 million",
    // "10^16" (beyond a thousand trillion).
    QString odds(double log10Tail) const;
    // "better than chance", "worse than chance", "consistent with chance".
    QString verdict(ChanceVerdictKind verdict) const;
    // The fixed-sample tail in the direction of the score, the right way
    // round: "a pure guesser does at least this well in about 1 of 40 such
    // series". Empty without guesses.
    QString fixedSampleTail(const LevelStatistics &statistics) const;
    // "Beginner: ..." for every level with guesses, one a line, under a
    // heading that says what the tails are not.
    QString fixedSampleTails(const HistoryStatistics &statistics) const;
    // The median number of guesses before a verdict for a true rate 5 points
    // above chance, at each level.
    QString powerLine() const;
    // What the verdict promises, and from when.
    static QString guarantee();
    // What the chart shows, in one sentence for a screen reader.
    QString chartSummary(const LevelHistory &history) const;

private:
    QString percent(double fraction, int decimals) const;
    QString chancePercent(double fraction) const;

    QLocale m_locale;
};
