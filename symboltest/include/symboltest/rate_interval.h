#pragma once

#include <cstdint>

// The exact (Clopper-Pearson) confidence interval of a hit rate: the rates p
// under which `rights` right out of `guesses` is not in either 2.5 % tail.
// It holds for one look at a fixed number of guesses, so it can leave chance
// out while the verdict, made for looking at any time, rightly does not.
struct RateInterval
{
    double low = 0.0;
    double high = 1.0;
};

inline constexpr double RateIntervalConfidence = 0.95;

// The whole 0..1 without guesses.
RateInterval exactRateInterval(std::int64_t guesses, std::int64_t rights);
