#pragma once

#include <cstdint>

// Which promotional label of the main window lies in front is picked once per
// run from one random value: r * 6 + 1 rounded to the nearest integer, halves
// to even, 1 to 7. Odd numbers up to 5 bring the co-branding offer forward,
// even ones the full-branding offer, and 7 leaves the design's order.
std::int16_t bannerNumber(float r);
