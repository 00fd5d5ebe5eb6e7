#include "symboltest/random_source.h"

#include <chrono>

float unitFloatFromBits(std::uint32_t bits)
{
    constexpr float scale = 1.0f / 16777216.0f; // 2^-24, exact
    return static_cast<float>(bits >> 8) * scale;
}

ClockSeededRandom::ClockSeededRandom()
{
    seedFromClock();
}

ClockSeededRandom::ClockSeededRandom(std::uint64_t seed)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    m_engine.seed(sequence);
}

float ClockSeededRandom::next()
{
    return unitFloatFromBits(static_cast<std::uint32_t>(m_engine()));
}

void ClockSeededRandom::seedFromClock()
{
    // Two runs started within the same tick still differ through the
    // steady clock's finer and unrelated count.
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq sequence{static_cast<std::uint32_t>(wall), static_cast<std::uint32_t>(wall >> 32),
                           static_cast<std::uint32_t>(steady), static_cast<std::uint32_t>(steady >> 32)};
    m_engine.seed(sequence);
}
