#pragma once

#include "symboltest/chance_evidence.h"
#include "symboltest/rate_interval.h"

#include <cstdint>

// What the statistics show for one level over a set of guesses: the counts,
// the hit rate with its exact interval against the rate of pure chance, the
// fixed-sample tails, and the verdict.
struct LevelStatistics
{
    std::int64_t guesses = 0;
    std::int64_t rights = 0;
    double hitRate = 0.0;    // rights / guesses; 0 without guesses
    double chanceRate = 0.0; // 1 / symbol count
    RateInterval interval;   // 95 %, for a fixed number of guesses
    // The fixed-sample tails (for one look at this many guesses, not the
    // verdict): P(at least `rights` right by pure chance), P(at most).
    double upperTail = 1.0;
    double log10UpperTail = 0.0;
    double lowerTail = 1.0;
    double log10LowerTail = 0.0;
    // The anytime-valid verdict; only meaningful over the whole history.
    ChanceVerdictKind verdict = ChanceVerdictKind::NotEnoughGuesses;
};

LevelStatistics summarizeLevel(std::int64_t guesses, std::int64_t rights, int symbolCount);
