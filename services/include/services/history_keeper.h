#pragma once

#include "services/guess_history.h"
#include "services/history_snapshot.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>
#include <utility>
#include <vector>

class HistoryWorker;
struct HistoryLoad;

// The guess history as the windows use it, on the GUI thread, while the file
// is read and written on a thread of its own: nothing here waits for the
// disk, a lock or a checkpoint.
//
// It mirrors what the file holds, loaded once when it opens, and adds every
// guess as it is made, so that snapshot() is at hand at any history size.
// A guess that cannot be written is kept in memory, counted as not yet
// saved, and written as soon as storage works again (the retry runs while
// any wait). One storage outage is one storageFailed() and, once everything
// waiting has been written, one storageRecovered().
class HistoryKeeper : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        GuessHistory::Options storage{.busyTimeoutMilliseconds = 100, .maxPageCount = 0};
        int retryMilliseconds = 2000;
        // Made up afresh when empty: the guesses of this run share it.
        QString runId;
        QString programVersion;
    };

    explicit HistoryKeeper(const QString &filePath, QObject *parent = nullptr);
    HistoryKeeper(const QString &filePath, const Options &options, QObject *parent = nullptr);
    // Gives the queue one last try, then closes the file.
    ~HistoryKeeper() override;

    QString filePath() const { return m_filePath; }
    QString runId() const { return m_runId; }
    // Whether the file has been read since it opened (or failed to open).
    bool isLoaded() const { return m_loaded; }
    GuessHistory::State state() const { return m_state; }
    // The figures can be read (read-only included).
    bool isAvailable() const { return m_readable; }
    bool isReadOnly() const { return m_readOnly; }
    QString unavailableReason() const { return m_unavailableReason; }
    QString setAsidePath() const { return m_setAsidePath; }
    // Why storing fails now; empty while it works.
    QString outageReason() const { return m_outageReason; }
    bool inOutage() const { return !m_outageReason.isEmpty(); }

    HistorySnapshot snapshot() const;
    std::int64_t notYetSaved() const { return m_notYetSaved; }

    // Keeps a guess: counted at once, written by the history's thread. Its
    // run id and program version are filled in here.
    void record(StoredGuess guess);
    // Writes the file's guesses to `path` as CSV, on a thread and connection
    // of its own, so that guesses made meanwhile are written without waiting
    // for it; exportProgress() and then exportFinished() tell how it goes.
    void exportCsv(const QString &path);
    // Cancels the exports under way: they leave no file.
    void cancelExport();
    // Deletes every guess, the ones not yet saved included; forgetFinished()
    // tells how it went and, unless nothing was deleted, cleared() follows.
    void forget();

signals:
    void loaded();
    void guessAdded(Level level, bool right);
    void notYetSavedChanged(std::int64_t count);
    void storageFailed(const QString &reason);
    void storageRecovered(std::int64_t written);
    void cleared();
    void exportProgress(std::int64_t written, std::int64_t total);
    void exportFinished(bool exported, bool cancelled, const QString &error);
    void forgetFinished(GuessHistory::ForgetResult result, const QString &error);

private:
    friend class HistoryWorker;
    void applyLoad(const HistoryLoad &load);
    void applyWritten(std::int64_t count);
    void applyFailure(const QString &reason, std::int64_t pending, std::int64_t lastSerial);
    void applyForget(GuessHistory::ForgetResult result, const QString &error);
    void setNotYetSaved(std::int64_t count);
    void count(Level level, bool right, bool thisRun);

    QString m_filePath;
    GuessHistory::Options m_storage;
    QString m_runId;
    QString m_programVersion;
    QThread m_thread;
    HistoryWorker *m_worker = nullptr;

    bool m_loaded = false;
    bool m_readable = false;
    bool m_readOnly = false;
    GuessHistory::State m_state = GuessHistory::State::Ready;
    QString m_unavailableReason;
    QString m_setAsidePath;

    HistorySnapshot m_mirror;
    // This run's guesses not yet in a mirror read from the file.
    std::vector<std::pair<Level, bool>> m_unread;
    // Guesses made since a forget was asked for: they stay once it is done.
    std::vector<std::pair<Level, bool>> m_sinceForget;
    bool m_forgetting = false;

    QString m_outageReason;
    std::int64_t m_notYetSaved = 0;
    std::int64_t m_serial = 0;
    std::int64_t m_writtenInOutage = 0;
    std::shared_ptr<std::atomic<bool>> m_exportCancelled = std::make_shared<std::atomic<bool>>(false);
    std::vector<QThread *> m_exports;
};
