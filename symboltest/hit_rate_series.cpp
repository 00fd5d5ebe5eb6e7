#include "symboltest/hit_rate_series.h"

#include <algorithm>

RunningHitRate::RunningHitRate(int symbolCount, std::size_t maxPoints)
    : m_symbolCount(symbolCount)
    , m_maxPoints(std::max<std::size_t>(maxPoints, 2))
{
}

void RunningHitRate::add(bool right)
{
    ++m_guesses;
    m_rights += right ? 1 : 0;
    if (m_lastIsBetween) {
        m_points.pop_back();
        m_bandsDone = std::min(m_bandsDone, m_points.size());
    }
    const HitRatePoint point{m_guesses, double(m_rights) / double(m_guesses), {}};
    m_lastIsBetween = m_guesses % m_stride != 0;
    m_points.push_back(point);
    if (m_points.size() <= m_maxPoints)
        return;
    // Too many: keep the points at multiples of twice the stride (and the
    // last one), in place.
    m_stride *= 2;
    std::size_t kept = 0;
    std::size_t keptWithBand = 0;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const bool last = i + 1 == m_points.size();
        if (m_points[i].guessNumber % m_stride == 0 || last) {
            if (i < m_bandsDone)
                ++keptWithBand;
            m_points[kept++] = m_points[i];
        }
    }
    m_points.resize(kept);
    m_bandsDone = keptWithBand;
    m_lastIsBetween = m_guesses % m_stride != 0;
}

void RunningHitRate::addAll(const std::vector<bool> &rights)
{
    for (bool right : rights)
        add(right);
}

const std::vector<HitRatePoint> &RunningHitRate::points() const
{
    for (; m_bandsDone < m_points.size(); ++m_bandsDone) {
        HitRatePoint &point = m_points[m_bandsDone];
        point.noVerdict = noVerdictBand(point.guessNumber, m_symbolCount);
    }
    return m_points;
}
