#include "symboltest/chance_evidence.h"

#include <algorithm>
#include <cmath>

// Why the verdict may be looked at after every guess.
//
// Under chance every guess is right with probability p = 1/m, whatever the
// user does: the symbol is drawn uniformly and independently of the guess, so
// whichever symbol the user picks, by whatever strategy and after whatever
// happened before, it matches the draw with probability p. Take the
// likelihood ratio of a hit rate t against p, averaged over a Beta prior on t:
//
//     E_n = Integral t^s (1 - t)^(n - s) dBeta(t) / (p^s (1 - p)^(n - s))
//
// after n guesses with s right. Given the past, the next guess multiplies E
// by a factor whose expected value under chance is exactly 1, so E_0 = 1,
// E_1, E_2, ... is a nonnegative martingale under chance, and Ville's
// inequality bounds the chance that it EVER reaches 1/b by b, however many
// guesses are made, and however the moments of looking are chosen. The
// window says "better than chance" or "worse than chance" only while E_n is
// at least 1/b, with b = 5 % / 3 at each level; by the union bound, someone
// who only guesses sees such a verdict at any of the three levels, ever, with
// probability at most 5 %.
//
// The guarantee runs from where the evidence starts: the guesses in the
// history since it was last cleared (Forget, or a damaged file set aside and a
// new one begun both start E at 1 again). It assumes each draw is exactly
// uniform; the draw maps a 24-bit random value onto the symbols, so each
// symbol's probability is 1/m to within 2^-24 (less than 1e-7), far below
// anything a series of guesses can show.
//
// The prior on t is centred on chance with the weight of PriorWeight guesses:
// wide enough that a gift of 10 points shows within a few hundred guesses at
// every level, narrow enough not to spend the evidence on rates no one has.

namespace {

constexpr double PriorWeight = 40.0;

double logBeta(double a, double b)
{
    return std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
}

} // namespace

double logEvidenceAgainstChance(std::int64_t guesses, double rights, int symbolCount)
{
    const double p = 1.0 / symbolCount;
    const double q = 1.0 - p;
    const double a = PriorWeight * p;
    const double b = PriorWeight * q;
    const double n = double(guesses);
    return logBeta(a + rights, b + n - rights) - logBeta(a, b) - rights * std::log(p) - (n - rights) * std::log(q);
}

double logEvidenceNeeded()
{
    return -std::log(FalseVerdictBoundPerLevel);
}

ChanceVerdictKind judgeAgainstChance(std::int64_t guesses, std::int64_t rights, int symbolCount)
{
    const double needed = logEvidenceNeeded();
    if (logEvidenceAgainstChance(guesses, double(rights), symbolCount) >= needed)
        return rights * symbolCount > guesses ? ChanceVerdictKind::BetterThanChance
                                              : ChanceVerdictKind::WorseThanChance;
    if (logEvidenceAgainstChance(guesses, double(guesses), symbolCount) < needed)
        return ChanceVerdictKind::NotEnoughGuesses;
    return ChanceVerdictKind::ConsistentWithChance;
}

NoVerdictBand noVerdictBand(std::int64_t guesses, int symbolCount)
{
    NoVerdictBand band;
    if (guesses <= 0)
        return band;
    const double n = double(guesses);
    const double needed = logEvidenceNeeded();
    const auto evidence = [&](double rights) { return logEvidenceAgainstChance(guesses, rights, symbolCount); };
    // The evidence falls towards chance and rises away from it on either
    // side, so each edge is the one place on its side where it equals the
    // bound: halving the interval that holds it.
    const auto edge = [&](double inside, double outside) {
        for (int i = 0; i < 64 && std::fabs(outside - inside) > 1e-9; ++i) {
            const double middle = 0.5 * (inside + outside);
            (evidence(middle) >= needed ? outside : inside) = middle;
        }
        return outside / n;
    };
    const double atChance = n / symbolCount;
    if (evidence(n) >= needed)
        band.high = edge(atChance, n);
    if (evidence(0.0) >= needed)
        band.low = edge(atChance, 0.0);
    return band;
}

const NoVerdictCounts &NoVerdictCountsWalk::step()
{
    const std::int64_t n = ++m_guesses;
    const int m = m_symbolCount;
    const double needed = logEvidenceNeeded();
    const auto verdict = [&](std::int64_t rights) { return logEvidenceAgainstChance(n, double(rights), m) >= needed; };
    // Above chance the counts with a verdict run from mostRight up to n,
    // below it from 0 up to fewestRight: the evidence grows away from chance.
    std::int64_t most = std::min(m_counts.mostRight, n + 1);
    while (most * m <= n)
        ++most;
    while ((most - 1) * m > n && verdict(most - 1))
        --most;
    while (most <= n && !verdict(most))
        ++most;
    std::int64_t fewest = m_counts.fewestRight;
    while (fewest >= 0 && fewest * m >= n)
        --fewest;
    while ((fewest + 1) * m < n && verdict(fewest + 1))
        ++fewest;
    while (fewest >= 0 && !verdict(fewest))
        --fewest;
    m_counts = {fewest, most};
    return m_counts;
}
