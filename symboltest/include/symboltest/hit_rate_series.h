#pragma once

#include "symboltest/chance_evidence.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The running hit rate over a level's guesses in the order they were made,
// for the chart against the chance line, with the band within which the
// verdict says nothing at each point.
struct HitRatePoint
{
    std::int64_t guessNumber = 0; // 1-based: the rate after this many guesses
    double hitRate = 0.0;
    NoVerdictBand noVerdict;
};

// Built guess by guess in O(1) amortized time, so that an open window keeps
// up with each new guess without reading the history again.
//
// It keeps a point every `stride` guesses and one at the last guess; when
// there would be more than `maxPoints`, every other point goes and the stride
// doubles. So there are between maxPoints / 2 and maxPoints points (every
// guess has one while there are no more guesses than that), evenly spread
// and always ending at the last guess. The rate at each point is exact (all
// guesses up to it count); only the points in between are left out: the
// running rate moves less with every guess, so a few hundred points draw a
// million guesses.
class RunningHitRate
{
public:
    explicit RunningHitRate(int symbolCount, std::size_t maxPoints = 300);

    void add(bool right);
    void addAll(const std::vector<bool> &rights);

    std::int64_t guesses() const { return m_guesses; }
    std::int64_t rights() const { return m_rights; }
    int symbolCount() const { return m_symbolCount; }

    // The points with their bands; each band is worked out once, when it is
    // first asked for (a few microseconds each).
    const std::vector<HitRatePoint> &points() const;

private:
    int m_symbolCount;
    std::size_t m_maxPoints;
    std::int64_t m_guesses = 0;
    std::int64_t m_rights = 0;
    std::int64_t m_stride = 1;
    bool m_lastIsBetween = false; // the last point is at the last guess, between strides
    mutable std::vector<HitRatePoint> m_points;
    mutable std::size_t m_bandsDone = 0; // the points before this one have their bands
};
