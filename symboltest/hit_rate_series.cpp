#include "symboltest/hit_rate_series.h"

#include <algorithm>

std::vector<HitRatePoint> runningHitRate(const std::vector<bool> &rights, std::size_t maxPoints)
{
    const auto total = std::int64_t(rights.size());
    const auto points = std::int64_t(std::min(rights.size(), maxPoints));
    std::vector<HitRatePoint> series;
    series.reserve(std::size_t(points));
    std::int64_t counted = 0;
    std::int64_t rightSoFar = 0;
    for (std::int64_t i = 1; i <= points; ++i) {
        // The i-th point sits at ceil(i * total / points): evenly spread, the
        // last one at total.
        const std::int64_t at = (i * total + points - 1) / points;
        for (; counted < at; ++counted)
            rightSoFar += rights[std::size_t(counted)] ? 1 : 0;
        series.push_back({at, double(rightSoFar) / double(at)});
    }
    return series;
}
