#pragma once

#include "symboltest/random_source.h"

#include <deque>

// Hands out pinned values; once they are used up it repeats the last one.
class ScriptedRandom final : public RandomSource
{
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<float> values) : m_values(values) {}

    void push(float value) { m_values.push_back(value); }
    // The value a draw needs to give symbol s at a level with M symbols.
    static float forSymbol(int symbol, int symbolCount)
    {
        return (static_cast<float>(symbol) - 0.5f) / static_cast<float>(symbolCount);
    }

    float next() override
    {
        ++draws;
        if (m_values.empty())
            return m_last;
        m_last = m_values.front();
        m_values.pop_front();
        return m_last;
    }
    void seedFromClock() override { ++seeds; }

    int draws = 0;
    int seeds = 0;

private:
    std::deque<float> m_values;
    float m_last = 0.0f;
};
