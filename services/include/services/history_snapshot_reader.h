#pragma once

#include "services/history_snapshot.h"

class GuessHistory;

// Reads what the statistics need from the history in one go. An unavailable
// history gives a snapshot that is not readable.
HistorySnapshot readHistorySnapshot(const GuessHistory &history);
