#pragma once

// "About 1 in N by luck" in a number a person reads at a glance: N = 1 / tail
// rounded to two significant digits (whole numbers below 10), told in
// millions, billions or trillions from a million on, and beyond a thousand
// trillion only as a power of ten ("less than 1 in 10^N"). The words are the
// window's, through tr(); this only rounds.
enum class OddsScale { Units, Millions, Billions, Trillions, PowerOfTen };

struct HumanOdds
{
    OddsScale scale = OddsScale::Units;
    // Units: the rounded N itself (40, 1200); Millions to Trillions: N in
    // that unit (3.1 for 3.1 million). Unused for PowerOfTen.
    double value = 1.0;
    // PowerOfTen: the luck is at most 1 in 10^powerOfTen.
    int powerOfTen = 0;
};

// From log10 of the tail (so tails too small for a double still work).
HumanOdds humanOdds(double log10Tail);
