#pragma once

#include <cstdint>
#include <vector>

// Exact chances that the verdict (chance_evidence.h) is given, for someone
// whose guesses are each right with a fixed probability, looking after every
// guess. Worked out by carrying the distribution of the number of right
// guesses forward one guess at a time, taking out the mass that reaches a
// verdict: no sampling, so the figures are the same on every run.

enum class VerdictWatched {
    Either,         // "better than chance" or "worse than chance"
    BetterOnly,     // "better than chance"
};

// Element n: the chance that the watched verdict has been shown at least once
// within the first n guesses (element 0 is 0).
std::vector<double> chanceOfAVerdictWithin(int symbolCount, double trueRate, std::int64_t guesses,
                                           VerdictWatched watched);

// The median number of guesses before the first "better than chance", for a
// user whose guesses are right with probability `trueRate`: the fewest n by
// which it has come with a chance of at least a half. 0 where that does not
// happen within `mostGuesses`.
std::int64_t medianGuessesToBetterVerdict(int symbolCount, double trueRate, std::int64_t mostGuesses = 1000000);

// How far above chance the power line is told for.
inline constexpr double PowerLineGift = 0.05;
