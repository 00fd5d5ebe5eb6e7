#include "symboltest/level.h"

int levelIndex(Level level)
{
    return static_cast<int>(level);
}

int symbolCount(Level level)
{
    switch (level) {
    case Level::Beginner:
        return 5;
    case Level::Intermediate:
        return 8;
    case Level::Expert:
        return 10;
    }
    return 0;
}

double drawMultiplier(Level level)
{
    return static_cast<double>(symbolCount(level));
}

const char *levelName(Level level)
{
    switch (level) {
    case Level::Beginner:
        return "Beginner";
    case Level::Intermediate:
        return "Intermediate";
    case Level::Expert:
        return "Expert";
    }
    return "";
}
