#pragma once

#include "symboltest/hit_rate_series.h"
#include "symboltest/level_statistics.h"

#include <array>
#include <cstddef>
#include <vector>

struct HistorySnapshot;

// Everything the statistics show for one level.
struct LevelHistory
{
    LevelStatistics thisRun;
    LevelStatistics allTime;
    std::vector<HitRatePoint> runningHitRate; // over all stored guesses
};

// Indexed by the level's numeric value.
using HistoryStatistics = std::array<LevelHistory, 3>;

// Gathers the counts, tails, verdicts and chart series of every level from
// what the history holds: every guess's level and result in order, and the
// count of this run's guesses.
HistoryStatistics gatherHistoryStatistics(const HistorySnapshot &history, std::size_t maxChartPoints = 300);
