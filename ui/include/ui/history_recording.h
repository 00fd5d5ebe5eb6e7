#pragma once

#include "symboltest/level.h"
#include "symboltest/outcome.h"

#include <cstdint>

struct AppContext;

// Keeps a judged guess in the run's guess history, committed before it
// returns, and has an open Statistics window catch up once the event loop
// runs. Without a history (not open yet, or none can be kept) it does
// nothing: the test goes on as before, and the score's tallies never depend
// on it.
void recordInHistory(AppContext &context, Level level, std::int16_t position, std::int16_t drawn, Outcome outcome);
