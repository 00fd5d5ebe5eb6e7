#pragma once

#include <cstdint>

// The verdict on a level's guesses: whether they are better or worse than
// chance, by a test that stays valid however often it is looked at.
//
// The evidence against chance after n guesses with s right is a Beta-mixture
// likelihood ratio (see chance_evidence.cpp for why it may be watched after
// every guess). It needs nothing but the two counts, so it costs the same
// after one guess as after a million.

// The chance, over the three levels together, that someone who only guesses
// ever sees a verdict other than "consistent with chance", however many
// guesses they make and however often they look.
inline constexpr double FalseVerdictBound = 0.05;
// Each level gets a third of it.
inline constexpr double FalseVerdictBoundPerLevel = FalseVerdictBound / 3.0;

enum class ChanceVerdictKind {
    NotEnoughGuesses,     // not even a perfect score of this many could be told from luck
    ConsistentWithChance, // the evidence is below the bound
    BetterThanChance,     // the evidence passes the bound, above chance
    WorseThanChance,      // the evidence passes the bound, below chance
};

// log of the evidence against chance (the mixture likelihood ratio) for
// `rights` right out of `guesses` at a level of `symbolCount` symbols.
// `rights` may be any real in [0, guesses], for the edges of the band.
double logEvidenceAgainstChance(std::int64_t guesses, double rights, int symbolCount);

// log of the evidence a verdict needs: log(1 / FalseVerdictBoundPerLevel).
double logEvidenceNeeded();

ChanceVerdictKind judgeAgainstChance(std::int64_t guesses, std::int64_t rights, int symbolCount);

// The hit rates within which the verdict says nothing after `guesses`
// guesses: a rate strictly between `low` and `high` is consistent with
// chance, one at or beyond either edge gets a verdict. `low` is 0 where no
// score is low enough, `high` is 1 where none is high enough.
struct NoVerdictBand
{
    double low = 0.0;
    double high = 1.0;
};

NoVerdictBand noVerdictBand(std::int64_t guesses, int symbolCount);

// The same band in whole right guesses: every count from `fewestRight` + 1
// to `mostRight` - 1 is consistent with chance. `fewestRight` is -1 where no
// count is low enough, `mostRight` is guesses + 1 where none is high enough.
struct NoVerdictCounts
{
    std::int64_t fewestRight = -1;
    std::int64_t mostRight = 1;
};

// The band of counts guess by guess, for the exact chances of a verdict and
// for simulation: each step costs a few evaluations of the evidence, as either
// edge moves by a step or two from one guess to the next.
class NoVerdictCountsWalk
{
public:
    explicit NoVerdictCountsWalk(int symbolCount)
        : m_symbolCount(symbolCount)
    {
    }

    // The band after one more guess than before (after 1 on the first call).
    const NoVerdictCounts &step();
    std::int64_t guesses() const { return m_guesses; }

private:
    int m_symbolCount;
    std::int64_t m_guesses = 0;
    NoVerdictCounts m_counts{-1, 1};
};
