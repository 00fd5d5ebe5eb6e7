#pragma once

#include "services/stored_guess.h"

#include <QTimeZone>

// The guess the history writer records as number n (from 1), so that the
// test can tell each stored guess from the number alone.
inline StoredGuess numberedGuess(int n)
{
    StoredGuess guess;
    guess.time = QDateTime::fromMSecsSinceEpoch(1796000000000ll + n, QTimeZone::utc());
    guess.level = static_cast<Level>(n % 3);
    guess.guessed = n % 5 + 1;
    guess.drawn = n * 7 % 5 + 1;
    guess.right = guess.guessed == guess.drawn;
    return guess;
}
