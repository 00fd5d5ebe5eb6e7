#include "symboltest/chance_verdict.h"

#include "symboltest/binomial_tail.h"

ChanceVerdict verdictFromTails(double bestPossibleTail, double upperTail, double log10UpperTail, double lowerTail,
                               double log10LowerTail)
{
    if (!(bestPossibleTail <= ChanceSignificanceLevel))
        return {ChanceVerdictKind::NotEnoughGuesses, 0.0};
    // The two tails overlap only in the term of the score itself, so they
    // cannot both be at or below 5 %: at most one verdict applies.
    if (upperTail <= ChanceSignificanceLevel)
        return {ChanceVerdictKind::BetterThanChance, log10UpperTail};
    if (lowerTail <= ChanceSignificanceLevel)
        return {ChanceVerdictKind::WorseThanChance, log10LowerTail};
    return {ChanceVerdictKind::ConsistentWithChance, 0.0};
}

ChanceVerdict judgeAgainstChance(std::int64_t guesses, std::int64_t rights, double chanceRate)
{
    return verdictFromTails(binomialUpperTail(guesses, guesses, chanceRate),
                            binomialUpperTail(guesses, rights, chanceRate),
                            log10BinomialUpperTail(guesses, rights, chanceRate),
                            binomialLowerTail(guesses, rights, chanceRate),
                            log10BinomialLowerTail(guesses, rights, chanceRate));
}
