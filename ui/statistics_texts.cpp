#include "ui/statistics_texts.h"

#include "services/history_statistics.h"
#include "symboltest/human_odds.h"

#include <cmath>

QString StatisticsTexts::levelName(Level level)
{
    switch (level) {
    case Level::Intermediate:
        return tr("Intermediate");
    case Level::Expert:
        return tr("Expert");
    case Level::Beginner:
        break;
    }
    return tr("Beginner");
}

QString StatisticsTexts::count(std::int64_t number) const
{
    return m_locale.toString(qint64(number));
}

QString StatisticsTexts::percent(double fraction, int decimals) const
{
    return tr("%1%").arg(m_locale.toString(fraction * 100.0, 'f', decimals));
}

QString StatisticsTexts::chancePercent(double fraction) const
{
    // 20%, 12.5%, 10%
    return tr("%1%").arg(m_locale.toString(fraction * 100.0, 'g', 3));
}

QString StatisticsTexts::twoDigits(double value) const
{
    // 'g' with three digits keeps 310 whole and drops the zero of "3.0".
    return m_locale.toString(value, 'g', 3);
}

bool StatisticsTexts::exactlyOne(double value) const
{
    return twoDigits(value) == m_locale.toString(1);
}

QString StatisticsTexts::hitRate(const LevelStatistics &statistics) const
{
    if (statistics.guesses == 0)
        return QStringLiteral("\u2013");
    return percent(statistics.hitRate, 1);
}

QString StatisticsTexts::chanceAlone(Level level) const
{
    const int symbols = symbolCount(level);
    return tr("1 in %1 (%2)").arg(count(symbols), chancePercent(1.0 / symbols));
}

QString StatisticsTexts::atLeastThisWellByChance(const LevelStatistics &statistics) const
{
    if (statistics.guesses == 0)
        return QStringLiteral("\u2013");
    if (statistics.upperTail < 0.01)
        return odds(statistics.log10UpperTail);
    // Two significant digits: "49%", "2.7%".
    const double shown = statistics.upperTail * 100.0;
    const int decimals = shown >= 10.0 ? 0 : 1;
    return tr("%1%").arg(m_locale.toString(shown, 'f', decimals));
}

QString StatisticsTexts::odds(double log10Tail) const
{
    const HumanOdds odds = humanOdds(log10Tail);
    switch (odds.scale) {
    case OddsScale::Units:
        return tr("about 1 in %1").arg(count(std::int64_t(std::llround(odds.value))));
    // A figure that reads exactly 1 has a text of its own: languages such as
    // German say "1 Million" but "3,1 Millionen".
    case OddsScale::Millions:
        return exactlyOne(odds.value) ? tr("about 1 in 1 million")
                                      : tr("about 1 in %1 million").arg(twoDigits(odds.value));
    case OddsScale::Billions:
        return exactlyOne(odds.value) ? tr("about 1 in 1 billion")
                                      : tr("about 1 in %1 billion").arg(twoDigits(odds.value));
    case OddsScale::Trillions:
        return exactlyOne(odds.value) ? tr("about 1 in 1 trillion")
                                      : tr("about 1 in %1 trillion").arg(twoDigits(odds.value));
    case OddsScale::PowerOfTen:
        break;
    }
    return tr("less than 1 in 10^%1").arg(odds.powerOfTen);
}

QString StatisticsTexts::verdict(const ChanceVerdict &verdict) const
{
    switch (verdict.kind) {
    case ChanceVerdictKind::ConsistentWithChance:
        return tr("consistent with chance");
    case ChanceVerdictKind::BetterThanChance:
        return tr("better than chance (%1 by luck)").arg(odds(verdict.log10Luck));
    case ChanceVerdictKind::WorseThanChance:
        return tr("worse than chance (%1 by luck)").arg(odds(verdict.log10Luck));
    case ChanceVerdictKind::NotEnoughGuesses:
        break;
    }
    return tr("not enough guesses yet");
}

QString StatisticsTexts::chartSummary(Level level, const LevelHistory &history) const
{
    const LevelStatistics &all = history.allTime;
    if (all.guesses == 0)
        return tr("%1: no guesses stored yet; chance alone gives %2.")
            .arg(levelName(level), chancePercent(1.0 / symbolCount(level)));
    double lowest = 1.0;
    double highest = 0.0;
    for (const HitRatePoint &point : history.runningHitRate) {
        lowest = std::min(lowest, point.hitRate);
        highest = std::max(highest, point.hitRate);
    }
    return tr("%1: the running hit rate over %2 stored guesses ends at %3, against %4 by chance alone; "
              "along the way it ran from %5 to %6.")
        .arg(levelName(level), count(all.guesses), percent(all.hitRate, 1), chancePercent(1.0 / symbolCount(level)),
             percent(lowest, 1), percent(highest, 1));
}
