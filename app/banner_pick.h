#pragma once

#include <cstdint>

class RandomSource;
class QWidget;

// r * 6 + 1 rounded to the nearest integer, halves to even: 1 to 7.
std::int16_t BannerNumber(float r);

// Picks, once per run, which promotional label of the main window lies in
// front: 1, 3, 5 bring lblCobrand forward, 2, 4, 6 lblFullBrand, 7 moves
// nothing. Returns the picked number (intCoBrandRandomNumber).
std::int16_t CoBrand_Randomize(RandomSource &random, QWidget *lblCobrand, QWidget *lblFullBrand);
