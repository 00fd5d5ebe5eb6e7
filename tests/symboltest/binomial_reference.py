#!/usr/bin/env python3
"""Reference binomial tails for tst_binomial_tail, computed independently of
the C++ code, with Python's exact integers: for p = 1/M,

    P(X >= k) = sum_{j >= k} C(n, j) (M - 1)^(n - j) / M^n,

each term an exact integer (math.comb, then exact ratios). Up to n = 1000 the
whole sum is taken; above, the sum stops once the terms left, bounded by a
geometric series (the terms shrink by a shrinking ratio), are below 1e-40 of
it. The quotient is rounded at 60 digits by mpmath only at the end; small
cases are also checked against mpmath's regularized incomplete beta.

Usage: tests/symboltest/binomial_reference.py   (one line per case:
n k M  upper-tail log10(upper)  lower-tail log10(lower))
"""
from math import comb

import mpmath

mpmath.mp.dps = 60

CASES = [
    # n, k, symbol count M (p = 1/M)
    (0, 0, 5), (10, 0, 5), (10, 10, 5), (20, 8, 5), (20, 2, 10), (50, 12, 8),
    (100, 0, 5), (100, 30, 5), (1000, 1000, 10), (1000, 600, 10), (500, 250, 10),
    (100000, 20000, 5), (100000, 20500, 5), (100000, 19500, 5), (100000, 30000, 5),
    (1000000, 125500, 8), (1000000, 124000, 8),
]


def tail_sum(n, k, m, upwards):
    """Exact integer sum of C(n, j) (m-1)^(n-j) from j = k towards n (upwards)
    or towards 0; truncated for large n as described above."""
    if not 0 <= k <= n:
        return 0
    term = comb(n, k) * (m - 1) ** (n - k)
    total = term
    j = k
    while (j < n) if upwards else (j > 0):
        if upwards:
            num, den = n - j, (j + 1) * (m - 1)
            j += 1
        else:
            num, den = j * (m - 1), n - j + 1
            j -= 1
        term = term * num // den  # exact: the next term is an integer
        total += term
        if n > 1000 and num < den and term * num * 10 ** 40 < total * (den - num):
            break
    return total


def upper(n, k, m):
    """P(X >= k) as an exact pair (numerator, denominator), not reduced:
    reducing 10-million-bit fractions would take hours."""
    if k <= 0:
        return 1, 1
    if k > n:
        return 0, 1
    if k * m >= n or n <= 1000:
        return tail_sum(n, k, m, True), m ** n
    return m ** n - tail_sum(n, k - 1, m, False), m ** n


def lower(n, k, m):  # P(X <= k)
    if k >= n:
        return 1, 1
    if k < 0:
        return 0, 1
    if k * m <= n or n <= 1000:
        return tail_sum(n, k, m, False), m ** n
    return m ** n - tail_sum(n, k + 1, m, True), m ** n


def as_mpf(f):
    return mpmath.mpf(f[0]) / mpmath.mpf(f[1])


def log10(f):
    return mpmath.nstr(mpmath.log10(mpmath.mpf(f[0])) - mpmath.log10(mpmath.mpf(f[1])), 17) if f[0] > 0 else "-inf"


for n, k, m in CASES:
    up, low = upper(n, k, m), lower(n, k, m)
    if 0 < k <= n <= 200:
        beta = mpmath.betainc(k, n - k + 1, 0, mpmath.mpf(1) / m, regularized=True)
        assert abs(beta / as_mpf(up) - 1) < mpmath.mpf(10) ** -40, (n, k, m)
    print(n, k, m, mpmath.nstr(as_mpf(up), 17), log10(up), mpmath.nstr(as_mpf(low), 17), log10(low))
