#include "symboltest/level.h"

int LevelIndex(Level level)
{
    return static_cast<int>(level);
}

int SymbolCount(Level level)
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

double DrawMultiplier(Level level)
{
    return static_cast<double>(SymbolCount(level));
}

const char *LevelName(Level level)
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
