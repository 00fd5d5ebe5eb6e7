#pragma once

#include "symboltest/level.h"
#include "symboltest/outcome.h"

#include <cstdint>

struct AppContext;

// Hands a judged guess to the run's guess history, which counts it at once
// (an open Statistics window follows its signal) and writes it on its own
// thread. Never waits for the disk. Without a history
// (not open yet) it does nothing: the test goes on as before, and the score's
// tallies never depend on it.
void recordInHistory(AppContext &context, Level level, std::int16_t position, std::int16_t drawn, Outcome outcome);
