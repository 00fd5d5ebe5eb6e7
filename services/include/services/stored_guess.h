#pragma once

#include "symboltest/level.h"

#include <QDateTime>

#include <array>
#include <cstdint>

// One guess as the history keeps it.
struct StoredGuess
{
    QDateTime time; // when it was judged, in UTC
    Level level = Level::Beginner;
    int guessed = 0; // the symbol the user chose, 1..symbol count
    int drawn = 0;   // the symbol drawn
    bool right = false;
};

struct LevelCounts
{
    std::int64_t guesses = 0;
    std::int64_t rights = 0;
};

// Indexed by the level's numeric value.
using CountsPerLevel = std::array<LevelCounts, 3>;
