#pragma once

#include <cstdint>
#include <random>

// The program's one source of uniform single-precision values r, 0 <= r < 1.
// Behind an interface so that tests can pin the values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    virtual void seedFromClock() = 0;
};

// Builds r from the top 24 bits of a 32-bit word: every value is a multiple of
// 2^-24 and the largest is 1 - 2^-24, the largest float below 1. Converting a
// wider integer or using uniform_real_distribution<float> can round up to 1.0.
float unitFloatFromBits(std::uint32_t bits);

class ClockSeededRandom final : public RandomSource
{
public:
    ClockSeededRandom();
    explicit ClockSeededRandom(std::uint64_t seed);

    float next() override;
    void seedFromClock() override;

private:
    std::mt19937 m_engine;
};
