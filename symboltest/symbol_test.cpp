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

std::int16_t symbolFromRandom(float r, Level level)
{
    const double x = static_cast<double>(r) * drawMultiplier(level) + 1.0;
    return static_cast<std::int16_t>(std::floor(x));
}

std::int16_t SymbolTest::drawSymbol(Level level, RandomSource &random)
{
    const std::int16_t symbol = symbolFromRandom(random.next(), level);
    m_lastDraw[levelIndex(level)] = symbol;
    return symbol;
}

Outcome SymbolTest::judgeGuess(Level level, std::int16_t position) const
{
    const int symbol = static_cast<int>(position) + 1;
    return symbol == lastDraw(level) ? Outcome::Right : Outcome::Wrong;
}

void SymbolTest::recordGuess(Level level, Outcome outcome)
{
    const int index = levelIndex(level);
    if (outcome == Outcome::Right)
        saturatingIncrement(m_correct[index]);
    saturatingIncrement(m_attempts[index]);
}

std::int16_t SymbolTest::lastDraw(Level level) const
{
    return m_lastDraw[levelIndex(level)];
}

std::int16_t SymbolTest::correctCount(Level level) const
{
    return m_correct[levelIndex(level)];
}

std::int16_t SymbolTest::attemptsCount(Level level) const
{
    return m_attempts[levelIndex(level)];
}
