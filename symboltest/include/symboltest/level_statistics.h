#pragma once

#include "symboltest/chance_verdict.h"

#include <cstdint>

// What the statistics show for one level over a set of guesses: the counts,
// the hit rate against the rate of pure chance, how likely the score is by
// luck in either direction, and the verdict.
struct LevelStatistics
{
    std::int64_t guesses = 0;
    std::int64_t rights = 0;
    double hitRate = 0.0;    // rights / guesses; 0 without guesses
    double chanceRate = 0.0; // 1 / symbol count
    double upperTail = 1.0;  // P(at least `rights` right by luck)
    double log10UpperTail = 0.0;
    double lowerTail = 1.0; // P(at most `rights` right by luck)
    double log10LowerTail = 0.0;
    ChanceVerdict verdict;
};

LevelStatistics summarizeLevel(std::int64_t guesses, std::int64_t rights, int symbolCount);
