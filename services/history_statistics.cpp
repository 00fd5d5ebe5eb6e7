#include "services/history_statistics.h"

#include "services/history_snapshot.h"
#include "symboltest/level.h"

#include <algorithm>

HistoryStatistics gatherHistoryStatistics(const HistorySnapshot &history, std::size_t maxChartPoints)
{
    const std::array<std::vector<bool>, 3> &outcomes = history.outcomes;
    const CountsPerLevel &thisRun = history.thisRun;
    HistoryStatistics statistics;
    for (Level level : AllLevels) {
        const auto index = std::size_t(static_cast<int>(level));
        const std::vector<bool> &rights = outcomes[index];
        const auto guesses = std::int64_t(rights.size());
        const auto right = std::int64_t(std::count(rights.begin(), rights.end(), true));
        LevelHistory &out = statistics[index];
        out.allTime = summarizeLevel(guesses, right, symbolCount(level));
        out.thisRun = summarizeLevel(thisRun[index].guesses, thisRun[index].rights, symbolCount(level));
        out.runningHitRate = runningHitRate(rights, maxChartPoints);
    }
    return statistics;
}
