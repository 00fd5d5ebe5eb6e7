#include "symboltest/level_statistics.h"

#include "symboltest/binomial_tail.h"

LevelStatistics summarizeLevel(std::int64_t guesses, std::int64_t rights, int symbolCount)
{
    LevelStatistics s;
    s.guesses = guesses;
    s.rights = rights;
    s.hitRate = guesses > 0 ? double(rights) / double(guesses) : 0.0;
    s.chanceRate = symbolCount > 0 ? 1.0 / symbolCount : 0.0;
    s.interval = exactRateInterval(guesses, rights);
    s.upperTail = binomialUpperTail(guesses, rights, s.chanceRate);
    s.log10UpperTail = log10BinomialUpperTail(guesses, rights, s.chanceRate);
    s.lowerTail = binomialLowerTail(guesses, rights, s.chanceRate);
    s.log10LowerTail = log10BinomialLowerTail(guesses, rights, s.chanceRate);
    s.verdict = judgeAgainstChance(guesses, rights, symbolCount);
    return s;
}
