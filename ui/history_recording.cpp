#include "ui/history_recording.h"

#include "services/app_context.h"
#include "services/history_keeper.h"

void recordInHistory(AppContext &context, Level level, std::int16_t position, std::int16_t drawn, Outcome outcome)
{
    if (!context.history)
        return;
    StoredGuess guess;
    guess.time = QDateTime::currentDateTimeUtc();
    guess.level = level;
    guess.guessed = position + 1;
    guess.drawn = drawn;
    guess.right = outcome == Outcome::Right;
    // A guess that cannot be stored is kept in memory and said by the
    // storage notice; the run's score has counted it already.
    context.history->record(guess);
}
