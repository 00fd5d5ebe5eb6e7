#include "symboltest/rate_interval.h"

#include "symboltest/binomial_tail.h"

#include <cmath>

namespace {

// Each end leaves this much of the chance outside.
constexpr double TailOutside = (1.0 - RateIntervalConfidence) / 2.0;

// The p between `below` (where the tail is under TailOutside) and `above`
// (where it is not) at which the tail is exactly TailOutside. The tails are smooth and steep in
// log form, so regula falsi (Illinois variant) takes a dozen steps where
// halving would take fifty, each an exact binomial sum; it halves where a
// step cannot be taken (an end where the tail is 0).
template<typename Tail>
double solve(double below, double above, Tail log10Tail)
{
    const double target = std::log10(TailOutside);
    double a = below;
    double b = above;
    double fa = log10Tail(a) - target; // below 0
    double fb = log10Tail(b) - target; // at or above 0
    for (int i = 0; i < 200 && std::fabs(b - a) > 1e-15 * std::fabs(b) + 1e-300; ++i) {
        double x = std::isfinite(fa) ? b - fb * (b - a) / (fb - fa) : 0.5 * (a + b);
        if (!(std::fmin(a, b) < x && x < std::fmax(a, b)))
            x = 0.5 * (a + b);
        const double fx = log10Tail(x) - target;
        // log10 of the tail within 1e-14: the tail within 2.3e-14 of itself.
        if (std::fabs(fx) < 1e-14)
            return x;
        if (fx < 0.0) {
            a = x;
            fa = fx;
            fb *= 0.5;
        } else {
            b = x;
            fb = fx;
            fa *= 0.5;
        }
    }
    return 0.5 * (a + b);
}

} // namespace

RateInterval exactRateInterval(std::int64_t guesses, std::int64_t rights)
{
    RateInterval interval;
    if (guesses <= 0 || rights < 0 || rights > guesses)
        return interval;
    const double rate = double(rights) / double(guesses);
    // The low end: the p at which `rights` or more is the upper 2.5 %; the
    // tail grows with p.
    if (rights > 0)
        interval.low = solve(0.0, rate, [&](double p) { return log10BinomialUpperTail(guesses, rights, p); });
    // The high end: the p at which `rights` or fewer is the lower 2.5 %; the
    // tail shrinks as p grows.
    if (rights < guesses)
        interval.high = solve(1.0, rate, [&](double p) { return log10BinomialLowerTail(guesses, rights, p); });
    return interval;
}
