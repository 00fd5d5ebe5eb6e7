#include "services/history_statistics.h"

#include "symboltest/verdict_chances.h"

#include <algorithm>

LevelHistory::LevelHistory(Level level, std::size_t maxChartPoints)
    : level(level)
    , thisRun(summarizeLevel(0, 0, symbolCount(level)))
    , allTime(thisRun)
    , runningHitRate(symbolCount(level), maxChartPoints)
{
}

void LevelHistory::addGuess(bool right)
{
    const int symbols = symbolCount(level);
    runningHitRate.add(right);
    allTime = summarizeLevel(runningHitRate.guesses(), runningHitRate.rights(), symbols);
    thisRun = summarizeLevel(thisRun.guesses + 1, thisRun.rights + (right ? 1 : 0), symbols);
}

HistoryStatistics::HistoryStatistics()
    : levels{LevelHistory(Level::Beginner), LevelHistory(Level::Intermediate), LevelHistory(Level::Expert)}
{
}

HistoryStatistics gatherHistoryStatistics(const HistorySnapshot &snapshot, std::size_t maxChartPoints)
{
    HistoryStatistics statistics;
    statistics.readable = snapshot.readable;
    statistics.ignoredRows = snapshot.ignoredRows;
    statistics.notYetSaved = snapshot.notYetSaved;
    for (Level level : AllLevels) {
        const auto index = std::size_t(levelIndex(level));
        LevelHistory &out = statistics.levels[index];
        out = LevelHistory(level, maxChartPoints);
        out.runningHitRate.addAll(snapshot.outcomes[index]);
        const int symbols = symbolCount(level);
        out.allTime = summarizeLevel(out.runningHitRate.guesses(), out.runningHitRate.rights(), symbols);
        const LevelCounts &thisRun = snapshot.thisRun[index];
        out.thisRun = summarizeLevel(thisRun.guesses, thisRun.rights, symbols);
    }
    return statistics;
}

std::int64_t powerLineGuesses(Level level)
{
    // The same for every history: worked out once per level (well under a
    // millisecond each).
    static const std::array<std::int64_t, 3> medians = [] {
        std::array<std::int64_t, 3> out{};
        for (Level each : AllLevels) {
            const int symbols = symbolCount(each);
            out[std::size_t(levelIndex(each))] =
                medianGuessesToBetterVerdict(symbols, 1.0 / symbols + PowerLineGift);
        }
        return out;
    }();
    return medians[std::size_t(levelIndex(level))];
}
