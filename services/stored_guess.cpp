#include "services/stored_guess.h"

bool isPossibleGuess(int level, int guessed, int drawn, int right)
{
    if (level < 0 || level >= int(AllLevels.size()))
        return false;
    const int symbols = symbolCount(AllLevels[std::size_t(level)]);
    const auto inLevel = [symbols](int symbol) { return symbol >= 1 && symbol <= symbols; };
    return inLevel(guessed) && inLevel(drawn) && (right == 0 || right == 1) && (right == 1) == (guessed == drawn);
}
