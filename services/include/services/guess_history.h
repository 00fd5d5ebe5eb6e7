#pragma once

#include "services/history_csv.h"
#include "services/stored_guess.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QSqlQuery;

// Every guess, kept across runs in an SQLite file, for the statistics.
//
// Each record() is committed before it returns (write-ahead log, synchronous
// NORMAL: a guess survives the program being killed right after; on a power
// cut the last guesses may be lost but the file stays whole). Bad storage
// never stops the test: a damaged file is moved aside and a fresh one
// started, and where no file can be kept at all the store is unavailable and
// every call does nothing.
class GuessHistory
{
    Q_DECLARE_TR_FUNCTIONS(GuessHistory)

public:
    enum class State {
        Ready,         // the file opened as it was, or was created
        StartedAfresh, // the file was damaged; it was moved to setAsidePath()
        Unavailable,   // nothing can be kept; unavailableReason() says why
    };

    explicit GuessHistory(const QString &filePath);
    ~GuessHistory();
    GuessHistory(const GuessHistory &) = delete;
    GuessHistory &operator=(const GuessHistory &) = delete;

    // history.sqlite in the application's data folder (QStandardPaths::
    // AppDataLocation); empty where the platform has no such folder.
    static QString defaultFilePath();

    State state() const { return m_state; }
    bool isAvailable() const { return m_state != State::Unavailable; }
    QString filePath() const { return m_filePath; }
    // A sentence for the user: why nothing can be kept.
    QString unavailableReason() const { return m_unavailableReason; }
    // Where the damaged file went, when state() is StartedAfresh.
    QString setAsidePath() const { return m_setAsidePath; }
    // What went wrong in the last call that failed.
    QString lastError() const { return m_lastError; }

    // Stores one guess, committed before it returns. An invalid time is
    // taken as now.
    bool record(const StoredGuess &guess);

    CountsPerLevel countsAllTime() const;
    // The guesses recorded since this store was opened (or last forgotten).
    CountsPerLevel countsThisRun() const;
    // Right (true) or wrong per guess, in the order they were made, by level.
    std::array<std::vector<bool>, 3> outcomesInOrder() const;
    std::vector<StoredGuess> allGuesses() const;

    // Writes every stored guess to `path` as CSV (see history_csv.h),
    // replacing the file only once it is complete.
    bool exportCsv(const QString &path, const HistoryCsvTexts &texts = {}) const;

    // Deletes every stored guess, with the freed space overwritten, after the
    // user has confirmed it. Files set aside earlier are left alone.
    bool forget();

private:
    void open();
    enum class Check { Usable, Empty, Damaged, Newer, Failed };
    Check checkFile();
    Check failure() const;
    bool openConnection();
    bool prepareFile();
    bool createSchema();
    void becomeUnavailable(const QString &reason);
    CountsPerLevel counts(std::int64_t afterId) const;
    bool run(QSqlQuery &query, const QString &sql) const;

    QString m_filePath;
    QString m_connectionName;
    QSqlDatabase m_db;
    State m_state = State::Ready;
    QString m_unavailableReason;
    QString m_setAsidePath;
    mutable QString m_lastError;
    mutable QSqlError m_lastSqlError;
    std::int64_t m_runStartId = 0;
};
