#include "symboltest/verdict_chances.h"

#include "symboltest/chance_evidence.h"

#include <algorithm>

namespace {

// Steps the distribution of right guesses through the band of no verdict,
// calling `reached(n, chance)` with the chance that the watched verdict has
// come by guess n, until it returns false or `mostGuesses` is reached.
template<typename Reached>
void walkTheBand(int symbolCount, double trueRate, std::int64_t mostGuesses, VerdictWatched watched,
                 Reached reached)
{
    NoVerdictCountsWalk walk(symbolCount);
    // alive[s]: the chance of s right so far with no verdict yet.
    std::vector<double> alive{1.0};
    std::int64_t low = 0; // the live counts are low..high
    std::int64_t high = 0;
    double done = 0.0;
    const double wrongRate = 1.0 - trueRate;
    for (std::int64_t n = 1; n <= mostGuesses; ++n) {
        alive.resize(std::size_t(n + 1), 0.0);
        // One more guess, from the top down so each count is read before it
        // is overwritten.
        for (std::int64_t s = high + 1; s >= low; --s) {
            const double stay = s <= high ? alive[std::size_t(s)] * wrongRate : 0.0;
            const double rise = s > low ? alive[std::size_t(s - 1)] * trueRate : 0.0;
            alive[std::size_t(s)] = stay + rise;
        }
        ++high;
        const NoVerdictCounts &band = walk.step();
        for (; high >= band.mostRight && high >= low; --high) {
            done += alive[std::size_t(high)];
            alive[std::size_t(high)] = 0.0;
        }
        if (watched == VerdictWatched::Either) {
            for (; low <= band.fewestRight && low <= high; ++low) {
                done += alive[std::size_t(low)];
                alive[std::size_t(low)] = 0.0;
            }
        }
        if (!reached(n, std::min(done, 1.0)))
            return;
    }
}

} // namespace

std::vector<double> chanceOfAVerdictWithin(int symbolCount, double trueRate, std::int64_t guesses,
                                           VerdictWatched watched)
{
    std::vector<double> chances{0.0};
    chances.reserve(std::size_t(std::max<std::int64_t>(guesses, 0) + 1));
    walkTheBand(symbolCount, trueRate, guesses, watched, [&](std::int64_t, double chance) {
        chances.push_back(chance);
        return true;
    });
    return chances;
}

std::int64_t medianGuessesToBetterVerdict(int symbolCount, double trueRate, std::int64_t mostGuesses)
{
    std::int64_t median = 0;
    walkTheBand(symbolCount, trueRate, mostGuesses, VerdictWatched::BetterOnly, [&](std::int64_t n, double chance) {
        if (chance < 0.5)
            return true;
        median = n;
        return false;
    });
    return median;
}
