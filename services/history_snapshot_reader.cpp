#include "services/history_snapshot_reader.h"

#include "services/guess_history.h"

HistorySnapshot readHistorySnapshot(const GuessHistory &history)
{
    HistorySnapshot snapshot;
    if (!history.isAvailable())
        return snapshot;
    snapshot.readable = true;
    snapshot.outcomes = history.outcomesInOrder();
    snapshot.thisRun = history.countsThisRun();
    return snapshot;
}
