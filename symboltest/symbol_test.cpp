#include "symboltest/symbol_test.h"

#include "symboltest/random_source.h"

#include <cmath>
#include <limits>

namespace {

void saturatingIncrement(std::int16_t &counter)
{
    if (counter < std::numeric_limits<std::int16_t>::max())
        ++counter;
}

} // namespace

std::int16_t SymbolFromRandom(float r, Level level)
{
    const double x = static_cast<double>(r) * DrawMultiplier(level) + 1.0;
    return static_cast<std::int16_t>(std::floor(x));
}

std::int16_t modSymbolTest::DrawSymbol(Level level, RandomSource &random)
{
    const std::int16_t symbol = SymbolFromRandom(random.Next(), level);
    lastDrawField(level) = symbol;
    return symbol;
}

Outcome modSymbolTest::JudgeGuess(Level level, std::int16_t position) const
{
    const int symbol = static_cast<int>(position) + 1;
    return symbol == LastDraw(level) ? Outcome::Right : Outcome::Wrong;
}

void modSymbolTest::RecordGuess(Level level, Outcome outcome)
{
    const int index = LevelIndex(level);
    if (outcome == Outcome::Right)
        saturatingIncrement(intCorrect[index]);
    saturatingIncrement(intAttempts[index]);
}

std::int16_t modSymbolTest::LastDraw(Level level) const
{
    return const_cast<modSymbolTest *>(this)->lastDrawField(level);
}

std::int16_t modSymbolTest::CorrectCount(Level level) const
{
    return intCorrect[LevelIndex(level)];
}

std::int16_t modSymbolTest::AttemptsCount(Level level) const
{
    return intAttempts[LevelIndex(level)];
}

std::int16_t &modSymbolTest::lastDrawField(Level level)
{
    switch (level) {
    case Level::Intermediate:
        return intDrawnIntermediate;
    case Level::Expert:
        return intDrawnExpert;
    case Level::Beginner:
        break;
    }
    return intDrawnBeginner;
}
