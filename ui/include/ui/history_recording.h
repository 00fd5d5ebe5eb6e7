#pragma once

#include "symboltest/level.h"
#include "symboltest/outcome.h"

#include <cstdint>

struct AppContext;

// Hands a judged guess to the run's guess history, which counts it at once
// and writes it on its own thread, and has an open Statistics window catch
// up once the event loop runs. Never waits for the disk. Without a history
// (not open yet) it does nothing: the test goes on as before, and the score's
// tallies never depend on it.
void recordInHistory(AppContext &context, Level level, std::int16_t position, std::int16_t drawn, Outcome outcome);

// Has every visible Statistics window show what the history holds now.
void refreshOpenStatistics(AppContext &context);
