#include "services/banner_number.h"

#include <cmath>

std::int16_t bannerNumber(float r)
{
    // Single precision throughout, as the random value itself is single.
    const float scaled = r * 6.0f;
    const float shifted = scaled + 1.0f;
    // Nearest integer with halves to the even neighbour, spelt out so that it
    // does not depend on the floating-point rounding mode.
    const float lower = std::floor(shifted);
    const float fraction = shifted - lower;
    float nearest = lower;
    if (fraction > 0.5f) {
        nearest = lower + 1.0f;
    } else if (fraction == 0.5f) {
        const bool lowerIsEven = std::fmod(lower, 2.0f) == 0.0f;
        nearest = lowerIsEven ? lower : lower + 1.0f;
    }
    return static_cast<std::int16_t>(nearest);
}
