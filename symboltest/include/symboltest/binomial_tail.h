#pragma once

#include <cstdint>

// Exact tails of the binomial distribution: the chance that n guesses, each
// right with probability p, give at least (or at most) k right ones.
//
// They are summed in log space from the term at k outwards, so they stay
// exact to about 1e-13 relative for n in the millions, and a tail too small
// for a double (below about 1e-308) is 0 only in the plain form: the log10
// form still says how small it is.
//
// k outside 0..n gives the obvious 0 or 1; n < 0 or p outside [0, 1] gives
// NaN.

// P(X >= k) for X ~ Bin(n, p).
double binomialUpperTail(std::int64_t n, std::int64_t k, double p);
// log10 of P(X >= k); -infinity where the tail is exactly 0.
double log10BinomialUpperTail(std::int64_t n, std::int64_t k, double p);

// P(X <= k) for X ~ Bin(n, p).
double binomialLowerTail(std::int64_t n, std::int64_t k, double p);
// log10 of P(X <= k); -infinity where the tail is exactly 0.
double log10BinomialLowerTail(std::int64_t n, std::int64_t k, double p);
