#pragma once

#include "symboltest/level.h"
#include "symboltest/outcome.h"

#include <array>
#include <cstdint>

class RandomSource;

// The state of the test for the whole run: the last draw of each level, the
// tallies and whether a level has been confirmed once. Never saved.
class SymbolTest
{
public:
    // Draws a symbol 1..M for the level, keeps it as the level's last draw
    // and returns it.
    std::int16_t drawSymbol(Level level, RandomSource &random);
    // Judges the 0-based choice position against the level's last draw.
    Outcome judgeGuess(Level level, std::int16_t position) const;
    // Adds one guess to the level's tally; each counter stops at 32767.
    void recordGuess(Level level, Outcome outcome);

    // 0 until the level's first draw.
    std::int16_t lastDraw(Level level) const;
    std::int16_t correctCount(Level level) const;
    std::int16_t attemptsCount(Level level) const;

    // Whether a level has been confirmed in the level dialog once; until then
    // the main window asks for one whenever it becomes active.
    bool isLevelChosen() const { return m_levelChosen; }
    void setLevelChosen(bool chosen) { m_levelChosen = chosen; }

private:
    std::array<std::int16_t, 3> m_lastDraw{};
    std::array<std::int16_t, 3> m_correct{};
    std::array<std::int16_t, 3> m_attempts{};
    bool m_levelChosen = false;
};

// floor(r * M + 1) in double precision, for 0 <= r < 1.
std::int16_t symbolFromRandom(float r, Level level);
