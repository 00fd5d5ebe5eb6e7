#pragma once

#include "services/guess_history.h"

#include <QObject>
#include <QPointer>

#include <memory>
#include <vector>

class HistoryKeeper;
class QTimer;

// What the history's thread found on opening the file, for the keeper.
struct HistoryLoad
{
    GuessHistory::State state = GuessHistory::State::Unavailable;
    bool readable = false;
    bool readOnly = false;
    QString unavailableReason;
    QString setAsidePath;
    HistoryContents contents;
};

// The history's side of HistoryKeeper, on the history's own thread with its
// own connection: opens the file, writes the queued guesses, retries them
// while storage fails, and forgets. It reports to the keeper through
// queued calls.
class HistoryWorker : public QObject
{
public:
    HistoryWorker(HistoryKeeper *keeper, const QString &path, const QString &runId,
                  const GuessHistory::Options &options, int retryMilliseconds);
    ~HistoryWorker() override;

    void open();
    // `serial` counts the keeper's guesses, so that its reports can tell
    // which guesses they cover.
    void store(const StoredGuess &guess, std::int64_t serial);
    void forget();
    // One last try at the queue, then the connection closes.
    void finish();

private:
    void flush();
    bool reopenForWriting();
    HistoryLoad load() const;

    QPointer<HistoryKeeper> m_keeper;
    QString m_path;
    QString m_runId;
    GuessHistory::Options m_options;
    int m_retryMilliseconds;
    std::unique_ptr<GuessHistory> m_history;
    bool m_readable = false;
    std::vector<StoredGuess> m_pending;
    QTimer *m_retry = nullptr;
    QTimer *m_checkpoint = nullptr;
    static constexpr std::int64_t GuessesPerCheckpoint = 200;
    std::int64_t m_writtenSinceCheckpoint = 0;
    bool m_failing = false;
    std::int64_t m_lastSerial = 0;
};
