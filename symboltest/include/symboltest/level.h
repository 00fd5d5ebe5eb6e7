#pragma once

#include <array>

// The three levels of the test. The numeric value is the level index that
// addresses the tallies.
enum class Level { Beginner = 0, Intermediate = 1, Expert = 2 };

inline constexpr std::array<Level, 3> AllLevels{Level::Beginner, Level::Intermediate, Level::Expert};

int levelIndex(Level level);
int symbolCount(Level level);
double drawMultiplier(Level level);
const char *levelName(Level level);

// The one of three things that belongs to the level: ofLevel(level, a, b, c)
// is a at Beginner, b at Intermediate, c at Expert.
template<typename T>
T ofLevel(Level level, T beginner, T intermediate, T expert)
{
    switch (level) {
    case Level::Intermediate:
        return intermediate;
    case Level::Expert:
        return expert;
    case Level::Beginner:
        break;
    }
    return beginner;
}
