#pragma once

#include "services/history_snapshot.h"
#include "symboltest/hit_rate_series.h"
#include "symboltest/level.h"
#include "symboltest/level_statistics.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Everything the statistics show for one level, kept up to date guess by
// guess in O(1) (addGuess) once gathered from a snapshot.
struct LevelHistory
{
    explicit LevelHistory(Level level = Level::Beginner, std::size_t maxChartPoints = 300);

    // The figures again after one more guess of this run.
    void addGuess(bool right);

    Level level;
    LevelStatistics thisRun; // descriptive only: the verdict is over the whole history
    LevelStatistics allTime;
    RunningHitRate runningHitRate; // over every guess since the history was last cleared
};

// Indexed by the level's numeric value.
struct HistoryStatistics
{
    HistoryStatistics();

    std::array<LevelHistory, 3> levels;
    std::int64_t ignoredRows = 0;
    std::int64_t notYetSaved = 0;
    bool readable = false;

    LevelHistory &operator[](Level level) { return levels[std::size_t(levelIndex(level))]; }
    const LevelHistory &operator[](Level level) const { return levels[std::size_t(levelIndex(level))]; }
};

// Gathers the counts, intervals, tails, verdicts and chart series of every
// level from a snapshot of the history. Linear in the number of guesses,
// which it walks once for the chart; everything else comes from the counts.
HistoryStatistics gatherHistoryStatistics(const HistorySnapshot &snapshot, std::size_t maxChartPoints = 300);

// The median number of guesses before "better than chance" for a user whose
// true hit rate is 5 points above chance, by level (computed once).
std::int64_t powerLineGuesses(Level level);
