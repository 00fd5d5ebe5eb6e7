#pragma once

#include "symboltest/level.h"

#include <cstdint>

class MainWindow;

// One guess, from the click on a choice picture to the closing of the result
// dialog: wait panel, pause, draw, drawn picture, judging, tally, result.
// The same flow for all three levels.
void runGuess(MainWindow &main, Level level, std::int16_t position);

// The pause between the click and the draw.
inline constexpr int guessPauseMilliseconds = 1500;
