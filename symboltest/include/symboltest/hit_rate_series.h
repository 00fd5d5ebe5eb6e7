#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The running hit rate over a level's guesses in the order they were made,
// for the chart against the chance line.
struct HitRatePoint
{
    std::int64_t guessNumber = 0; // 1-based: the rate after this many guesses
    double hitRate = 0.0;
};

// At most `maxPoints` points, spread evenly over the guesses and always
// ending at the last one; every guess gets a point when there are no more
// guesses than that. The rate at each point is exact (all guesses up to it
// count), only the points in between are left out: the running rate moves
// less with every guess, so a few hundred points draw 100,000 guesses.
std::vector<HitRatePoint> runningHitRate(const std::vector<bool> &rights, std::size_t maxPoints);
