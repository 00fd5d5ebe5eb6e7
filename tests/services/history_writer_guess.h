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

// Whether a stored guess is the writer's guess number n, in every field the
// writer sets; the time first, since it alone tells the numbers apart.
inline bool isNumberedGuess(const StoredGuess &stored, int n)
{
    const StoredGuess want = numberedGuess(n);
    return stored.time == want.time && stored.level == want.level && stored.guessed == want.guessed
        && stored.drawn == want.drawn && stored.right == want.right;
}
