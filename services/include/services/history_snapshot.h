#pragma once

#include "services/stored_guess.h"

#include <array>
#include <cstdint>
#include <vector>

// What the guess history holds for the statistics, read in one go: the
// Statistics window computes every figure from this, and then keeps itself
// up to date guess by guess without reading the history again.
struct HistorySnapshot
{
    // Whether anything could be read at all (a file that opened, read-only
    // included). False where no history is kept.
    bool readable = false;
    // Right (true) or wrong per guess, by level (indexed by the level's
    // numeric value), in the order they were made, since the history was
    // last cleared. Guesses not yet saved come last.
    std::array<std::vector<bool>, 3> outcomes;
    // The guesses of this run (told by the run id stored with each guess),
    // saved or not.
    CountsPerLevel thisRun;
    // Rows left in the file that cannot be real guesses (a symbol outside
    // its level, a "right" that contradicts guessed and drawn): not counted.
    std::int64_t ignoredRows = 0;
    // Guesses kept in memory because storage failed, to be written as soon
    // as it works again. They are counted above.
    std::int64_t notYetSaved = 0;
};
