#include "symboltest/binomial_tail.h"

#include <cmath>
#include <limits>
#include <numbers>

// The single terms follow Loader's saddle-point form of the binomial
// probability ("Fast and accurate computation of binomial probabilities",
// 2000): log C(n, k) p^k q^(n-k) through Stirling's error term and the
// deviance bd0, which keeps full precision where lgamma(n + 1) - lgamma(k + 1)
// - lgamma(n - k + 1) would cancel away most digits for large n.

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double MinusInfinity = -std::numeric_limits<double>::infinity();

// log(n!) - log(sqrt(2 pi n) (n / e)^n), the error of Stirling's formula.
double stirlingError(double n)
{
    if (n <= 15.0) {
        // Small values: lgamma is exact enough here and nothing cancels much.
        if (n == 0.0)
            return 0.0;
        return std::lgamma(n + 1.0) - (n + 0.5) * std::log(n) + n - 0.5 * std::log(2.0 * std::numbers::pi);
    }
    constexpr double s0 = 1.0 / 12.0;
    constexpr double s1 = 1.0 / 360.0;
    constexpr double s2 = 1.0 / 1260.0;
    constexpr double s3 = 1.0 / 1680.0;
    constexpr double s4 = 1.0 / 1188.0;
    const double nn = n * n;
    if (n > 500.0)
        return (s0 - s1 / nn) / n;
    if (n > 80.0)
        return (s0 - (s1 - s2 / nn) / nn) / n;
    if (n > 35.0)
        return (s0 - (s1 - (s2 - s3 / nn) / nn) / nn) / n;
    return (s0 - (s1 - (s2 - (s3 - s4 / nn) / nn) / nn) / nn) / n;
}

// x log(x / m) + m - x, computed without cancellation when x is close to m.
double deviance(double x, double m)
{
    if (std::fabs(x - m) < 0.1 * (x + m)) {
        double v = (x - m) / (x + m);
        double sum = (x - m) * v;
        double term = 2.0 * x * v;
        v *= v;
        for (int j = 1; j < 1000; ++j) {
            term *= v;
            const double next = sum + term / (2 * j + 1);
            if (next == sum)
                return next;
            sum = next;
        }
        return sum;
    }
    return x * std::log(x / m) + m - x;
}

// log of C(n, k) p^k q^(n-k), with q = 1 - p given separately so that the
// caller's complement stays exact. Needs 0 <= k <= n and 0 < p, q.
double logBinomialTerm(double n, double k, double p, double q)
{
    if (k == 0.0)
        return p < 0.1 ? -deviance(n, n * q) - n * p : n * std::log(q);
    if (k == n)
        return q < 0.1 ? -deviance(n, n * p) - n * q : n * std::log(p);
    const double lc = stirlingError(n) - stirlingError(k) - stirlingError(n - k) - deviance(k, n * p)
        - deviance(n - k, n * q);
    const double lf = std::log(2.0 * std::numbers::pi) + std::log(k) + std::log1p(-k / n);
    return lc - 0.5 * lf;
}

// log of the sum of the terms from `from` towards the far end (up to n when
// `upwards`, down to 0 otherwise). The caller starts on the far side of the
// mode, so the terms only shrink and their ratio shrinks too (the
// distribution is log-concave): once the rest, bounded by the geometric
// series of the current ratio, cannot change the sum, the sum is done.
double logTailFrom(std::int64_t n, std::int64_t from, double p, double q, bool upwards)
{
    const double first = logBinomialTerm(double(n), double(from), p, q);
    const double odds = p / q;
    double sum = 1.0;
    double term = 1.0;
    std::int64_t j = from;
    while (upwards ? j < n : j > 0) {
        const double ratio = upwards ? double(n - j) / double(j + 1) * odds : double(j) / double(n - j + 1) / odds;
        term *= ratio;
        sum += term;
        j += upwards ? 1 : -1;
        if (ratio < 1.0 && term * ratio / (1.0 - ratio) < sum * 1e-17)
            break;
    }
    return first + std::log(sum);
}

// log(1 - exp(x)) for x <= 0, accurate at both ends.
double logOneMinusExp(double x)
{
    return x > -std::numbers::ln2 ? std::log(-std::expm1(x)) : std::log1p(-std::exp(x));
}

// Natural log of P(X >= k) with X ~ Bin(n, p), q = 1 - p.
double logUpperTail(std::int64_t n, std::int64_t k, double p, double q)
{
    if (k <= 0)
        return 0.0;
    if (k > n)
        return MinusInfinity;
    if (p == 0.0)
        return MinusInfinity;
    if (q == 0.0)
        return 0.0;
    // At or above the mean the terms from k upwards shrink; below it the
    // upper tail holds the median and so is at least about a half, and its
    // complement, summed downwards from k - 1, is the small one.
    if (double(k) >= double(n) * p)
        return logTailFrom(n, k, p, q, true);
    return logOneMinusExp(logTailFrom(n, k - 1, p, q, false));
}

bool validArguments(std::int64_t n, double p)
{
    return n >= 0 && p >= 0.0 && p <= 1.0;
}

} // namespace

double log10BinomialUpperTail(std::int64_t n, std::int64_t k, double p)
{
    if (!validArguments(n, p))
        return NaN;
    return logUpperTail(n, k, p, 1.0 - p) / std::numbers::ln10;
}

double binomialUpperTail(std::int64_t n, std::int64_t k, double p)
{
    if (!validArguments(n, p))
        return NaN;
    return std::exp(logUpperTail(n, k, p, 1.0 - p));
}

// P(X <= k) is the chance of at least n - k wrong guesses, each wrong with
// probability 1 - p.
double log10BinomialLowerTail(std::int64_t n, std::int64_t k, double p)
{
    if (!validArguments(n, p))
        return NaN;
    return logUpperTail(n, n - k, 1.0 - p, p) / std::numbers::ln10;
}

double binomialLowerTail(std::int64_t n, std::int64_t k, double p)
{
    if (!validArguments(n, p))
        return NaN;
    return std::exp(logUpperTail(n, n - k, 1.0 - p, p));
}
