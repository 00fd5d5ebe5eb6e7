#include "symboltest/human_odds.h"

#include <algorithm>
#include <cmath>

namespace {

// Beyond a thousand trillion a power of ten says more than a long number.
constexpr double LargestWordedOdds = 1e15;

double roundToTwoSignificantDigits(double x)
{
    if (x < 10.0)
        return std::max(1.0, std::round(x));
    const double unit = std::pow(10.0, std::floor(std::log10(x)) - 1.0);
    return std::round(x / unit) * unit;
}

} // namespace

HumanOdds humanOdds(double log10Tail)
{
    const double log10Odds = -log10Tail;
    if (!(log10Odds < std::log10(LargestWordedOdds)))
        return {OddsScale::PowerOfTen, 0.0, int(std::floor(log10Odds))};
    // Rounding first, so that 999,999 becomes "1 million", not "1,000,000";
    // just below 10^15 that gives "1,000 trillion", which is still true where
    // "less than 1 in 10^15" would not be.
    const double odds = roundToTwoSignificantDigits(std::pow(10.0, std::max(log10Odds, 0.0)));
    if (odds >= 1e12)
        return {OddsScale::Trillions, odds / 1e12, 0};
    if (odds >= 1e9)
        return {OddsScale::Billions, odds / 1e9, 0};
    if (odds >= 1e6)
        return {OddsScale::Millions, odds / 1e6, 0};
    return {OddsScale::Units, odds, 0};
}
