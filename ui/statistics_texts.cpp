#include "ui/statistics_texts.h"

#include "services/history_statistics.h"
#include "symboltest/human_odds.h"

#include <QStringList>

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

QString StatisticsTexts::hitRate(const LevelStatistics &statistics) const
{
    if (statistics.guesses == 0)
        return QStringLiteral("\u2013");
    return percent(statistics.hitRate, 1);
}

QString StatisticsTexts::interval(const LevelStatistics &statistics) const
{
    if (statistics.guesses == 0)
        return QStringLiteral("\u2013");
    // Rounded outwards, so that the interval shown holds the exact one.
    const auto shown = [&](double fraction, double (*round)(double)) {
        return m_locale.toString(round(fraction * 1000.0) / 10.0, 'f', 1);
    };
    return tr("%1\u2013%2%").arg(shown(statistics.interval.low, std::floor), shown(statistics.interval.high, std::ceil));
}

QString StatisticsTexts::chanceAlone(Level level) const
{
    const int symbols = symbolCount(level);
    return tr("1 in %1 (%2)").arg(count(symbols), chancePercent(1.0 / symbols));
}

QString StatisticsTexts::differenceFromChance(const LevelStatistics &statistics) const
{
    if (statistics.guesses == 0)
        return QStringLiteral("\u2013");
    const double points = (statistics.hitRate - statistics.chanceRate) * 100.0;
    const QString size = m_locale.toString(std::fabs(points), 'f', 1);
    // No sign where the rounded difference is nothing.
    if (size == m_locale.toString(0.0, 'f', 1))
        return tr("%1 points").arg(size);
    return tr("%1 points").arg((points > 0 ? m_locale.positiveSign() : QStringLiteral("\u2212")) + size);
}

QString StatisticsTexts::verdict(ChanceVerdictKind verdict) const
{
    switch (verdict) {
    case ChanceVerdictKind::ConsistentWithChance:
        return tr("consistent with chance");
    case ChanceVerdictKind::BetterThanChance:
        return tr("better than chance");
    case ChanceVerdictKind::WorseThanChance:
        return tr("worse than chance");
    case ChanceVerdictKind::NotEnoughGuesses:
        break;
    }
    return tr("not enough guesses yet");
}

QString StatisticsTexts::odds(double log10Tail) const
{
    const HumanOdds odds = humanOdds(log10Tail);
    // 'g' with three digits keeps 310 whole and drops the zero of "3.0"; a
    // figure that reads exactly 1 has a text of its own, as languages such as
    // German say "1 Million" but "3,1 Millionen".
    const QString value = m_locale.toString(odds.value, 'g', 3);
    const bool one = value == m_locale.toString(1);
    switch (odds.scale) {
    case OddsScale::Units:
        return count(std::int64_t(std::llround(odds.value)));
    case OddsScale::Millions:
        return one ? tr("1 million") : tr("%1 million").arg(value);
    case OddsScale::Billions:
        return one ? tr("1 billion") : tr("%1 billion").arg(value);
    case OddsScale::Trillions:
        return one ? tr("1 trillion") : tr("%1 trillion").arg(value);
    case OddsScale::PowerOfTen:
        break;
    }
    return tr("10^%1").arg(odds.powerOfTen);
}

QString StatisticsTexts::fixedSampleTail(const LevelStatistics &statistics) const
{
    if (statistics.guesses == 0)
        return {};
    // The tail on the side of the score: how often a pure guesser does at
    // least this well (at or above chance), or at most this well (below).
    const bool above = statistics.hitRate >= statistics.chanceRate;
    const double log10Tail = above ? statistics.log10UpperTail : statistics.log10LowerTail;
    const QString n = odds(log10Tail);
    if (humanOdds(log10Tail).scale == OddsScale::PowerOfTen)
        return above ? tr("a pure guesser does at least this well in fewer than 1 of %1 such series").arg(n)
                     : tr("a pure guesser does at most this well in fewer than 1 of %1 such series").arg(n);
    return above ? tr("a pure guesser does at least this well in about 1 of %1 such series").arg(n)
                 : tr("a pure guesser does at most this well in about 1 of %1 such series").arg(n);
}

QString StatisticsTexts::fixedSampleTails(const HistoryStatistics &statistics) const
{
    QStringList lines;
    for (const LevelHistory &level : statistics.levels) {
        const QString tail = fixedSampleTail(level.allTime);
        if (!tail.isEmpty())
            lines << tr("%1: %2.").arg(levelName(level.level), tail);
    }
    if (lines.isEmpty())
        return {};
    lines.prepend(tr("Fixed-sample tails, for one look at this many guesses (not the verdict):"));
    return lines.join(QLatin1Char('\n'));
}

QString StatisticsTexts::powerLine() const
{
    return tr("Power: a user whose true hit rate is 5 points above chance gets the verdict \"better than chance\" "
              "after a median of %1 guesses at Beginner, %2 at Intermediate and %3 at Expert.")
        .arg(count(powerLineGuesses(Level::Beginner)), count(powerLineGuesses(Level::Intermediate)),
             count(powerLineGuesses(Level::Expert)));
}

QString StatisticsTexts::guarantee()
{
    return tr("The verdict may be looked at after every guess: for someone who only guesses, the chance that any "
              "level ever shows \"better than chance\" or \"worse than chance\" is at most 5%, however many guesses "
              "they make, counted since the history was last cleared. Forget History, or a damaged history file "
              "set aside, starts the evidence over. This assumes every draw is uniform, which it is to within 1e-7. "
              "The 95% intervals and the tails above hold for one look at a fixed number of guesses, so they can "
              "leave chance out while the verdict, rightly, does not.");
}

QString StatisticsTexts::chartSummary(const LevelHistory &history) const
{
    const Level level = history.level;
    const LevelStatistics &all = history.allTime;
    if (all.guesses == 0)
        return tr("%1: no guesses stored yet; chance alone gives %2.")
            .arg(levelName(level), chancePercent(1.0 / symbolCount(level)));
    const std::vector<HitRatePoint> &points = history.runningHitRate.points();
    double lowest = 1.0;
    double highest = 0.0;
    for (const HitRatePoint &point : points) {
        lowest = std::min(lowest, point.hitRate);
        highest = std::max(highest, point.hitRate);
    }
    const NoVerdictBand band = points.back().noVerdict;
    return tr("%1: the running hit rate over %2 stored guesses ends at %3, against %4 by chance alone; "
              "along the way it ran from %5 to %6. At the last guess the verdict says nothing between %7 and %8.")
        .arg(levelName(level), count(all.guesses), percent(all.hitRate, 1), chancePercent(1.0 / symbolCount(level)),
             percent(lowest, 1), percent(highest, 1), percent(band.low, 1), percent(band.high, 1));
}
