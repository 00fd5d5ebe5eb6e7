#include "ui/history_recording.h"

#include "services/app_context.h"
#include "services/history_keeper.h"
#include "services/window_registry.h"
#include "ui/statistics_window.h"

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
    refreshOpenStatistics(context);
}

void refreshOpenStatistics(AppContext &context)
{
    for (QWidget *window : context.windows.openWindows()) {
        if (auto *statistics = qobject_cast<StatisticsWindow *>(window); statistics && statistics->isVisible())
            QMetaObject::invokeMethod(statistics, &StatisticsWindow::refresh, Qt::QueuedConnection);
    }
}
