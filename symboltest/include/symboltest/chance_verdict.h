#pragma once

#include <cstdint>

// Whether a level's score tells anything beyond luck, decided by exact
// one-sided binomial tests at the 5 % level.
//
// Both directions are tested, each on its own at 5 %: a score far below
// chance is as unlikely by luck as one far above it, and calling 0 right out
// of 100 Beginner guesses "consistent with chance" (a 1 in 5 billion event)
// would be plainly wrong. Each verdict carries the tail it rests on, so the
// window can say how unlikely the result is ("about 1 in 40 by luck").
enum class ChanceVerdictKind {
    NotEnoughGuesses,     // no result of this many guesses could beat chance
    ConsistentWithChance, // neither tail is at or below 5 %
    BetterThanChance,     // P(at least this many right by luck) <= 5 %
    WorseThanChance,      // P(at most this many right by luck) <= 5 %
};

inline constexpr double ChanceSignificanceLevel = 0.05;

struct ChanceVerdict
{
    ChanceVerdictKind kind = ChanceVerdictKind::NotEnoughGuesses;
    // log10 of the luck behind the verdict: of the upper tail for
    // BetterThanChance, of the lower tail for WorseThanChance, 0 otherwise.
    // In log form so that "1 in 10^400" can still be said.
    double log10Luck = 0.0;
};

// The verdict for `rights` right out of `guesses`, each right by luck with
// probability `chanceRate`.
ChanceVerdict judgeAgainstChance(std::int64_t guesses, std::int64_t rights, double chanceRate);

// The rule itself, from the tails already computed: `bestPossibleTail` is the
// chance of a perfect score (when it is above 5 %, no score of this many
// guesses could be called better than chance). A tail of exactly 5 % counts.
ChanceVerdict verdictFromTails(double bestPossibleTail, double upperTail, double log10UpperTail, double lowerTail,
                               double log10LowerTail);
