#pragma once

#include "symboltest/level.h"

#include <QDateTime>
#include <QString>

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
    // The run of the program that made it, and that program's version; empty
    // for guesses kept before the history recorded them.
    QString runId;
    QString programVersion;
};

// Whether a row read back can be a real guess: a known level, both symbols
// of that level, and "right" exactly when the two are the same.
bool isPossibleGuess(int level, int guessed, int drawn, int right);

struct LevelCounts
{
    std::int64_t guesses = 0;
    std::int64_t rights = 0;
};

// Indexed by the level's numeric value.
using CountsPerLevel = std::array<LevelCounts, 3>;
