#pragma once

#include "symboltest/level.h"
#include "symboltest/outcome.h"

#include <array>
#include <cstdint>

class RandomSource;

// The state of the test for the whole run: the last draw of each level, the
// tallies and whether a level has been confirmed once. Never saved.
struct modSymbolTest
{
    std::int16_t intDrawnBeginner = 0;
    std::array<std::int16_t, 3> intCorrect{};
    std::array<std::int16_t, 3> intAttempts{};
    std::int16_t intDrawnIntermediate = 0;
    std::int16_t intDrawnExpert = 0;
    bool blnLevelChosen = false;

    // Draws a symbol 1..M for the level, keeps it as the level's last draw
    // and returns it.
    std::int16_t DrawSymbol(Level level, RandomSource &random);
    // Judges the 0-based choice position against the level's last draw.
    Outcome JudgeGuess(Level level, std::int16_t position) const;
    // Adds one guess to the level's tally; each counter stops at 32767.
    void RecordGuess(Level level, Outcome outcome);

    std::int16_t LastDraw(Level level) const;
    std::int16_t CorrectCount(Level level) const;
    std::int16_t AttemptsCount(Level level) const;

private:
    std::int16_t &lastDrawField(Level level);
};

// floor(r * M + 1) in double precision, for 0 <= r < 1.
std::int16_t SymbolFromRandom(float r, Level level);
