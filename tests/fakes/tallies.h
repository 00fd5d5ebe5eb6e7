#pragma once

#include "symboltest/symbol_test.h"

// Brings a level's tally from zero to the given counts through the guesses
// that make them: `correct` right ones, then the rest wrong.
inline void recordTally(SymbolTest &test, Level level, int correct, int attempts)
{
    for (int i = 0; i < attempts; ++i)
        test.recordGuess(level, i < correct ? Outcome::Right : Outcome::Wrong);
}
