#pragma once

#include "fakes/test_run.h"

#include "services/history_keeper.h"

#include <QTest>

#include <QTemporaryDir>

#include <memory>

// A run whose guess history lives in a fresh temporary folder.
struct HistoryRun : TestRun
{
    QTemporaryDir folder;

    QString historyPath() const { return folder.filePath(QStringLiteral("history.sqlite")); }

    // Opens the history as start-up does, as a new run of the program (the
    // previous one writes what it holds as it closes), and waits until it
    // has been read.
    HistoryKeeper &openHistory()
    {
        context.history.reset();
        context.history = std::make_shared<HistoryKeeper>(historyPath());
        const bool loaded = QTest::qWaitFor([this] { return context.history->isLoaded(); }, 10000);
        Q_ASSERT(loaded);
        Q_UNUSED(loaded)
        return *context.history;
    }

    // Stores `rights` right guesses and `wrongs` wrong ones at a level.
    void store(Level level, int rights, int wrongs)
    {
        for (int i = 0; i < rights + wrongs; ++i) {
            StoredGuess guess;
            guess.level = level;
            guess.guessed = 1;
            guess.right = i < rights;
            guess.drawn = guess.right ? 1 : 2;
            context.history->record(guess);
        }
    }
};
