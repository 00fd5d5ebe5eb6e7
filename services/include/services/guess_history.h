#pragma once

#include "services/stored_guess.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QSqlQuery;

// What the history file holds for the statistics, read in one pass.
struct HistoryContents
{
    // Right (true) or wrong per guess, by level, in the order they were made.
    std::array<std::vector<bool>, 3> outcomes;
    // The guesses of one run, told by the run id stored with each.
    CountsPerLevel thisRun;
    // Rows that cannot be real guesses: left in the file, never counted.
    std::int64_t ignoredRows = 0;
};

// Every guess, kept across runs in an SQLite file, for the statistics. One
// object is one connection: it belongs to the thread that made it (the
// history's own thread in the program, see HistoryKeeper).
//
// Each record() is committed before it returns (write-ahead log, synchronous
// NORMAL: a guess survives the program being killed right after; on a power
// cut the last guesses may be lost but the file stays whole).
//
// A file is moved aside (renamed, never deleted) only when it is not a usable
// history of this program: SQLite finds it corrupt or not a database, its
// quick check fails, it carries another program's application id, or it has
// none and holds tables that are not ours. A file that is full, read-only,
// busy, locked or cannot be opened is left exactly as it is.
class GuessHistory
{
    Q_DECLARE_TR_FUNCTIONS(GuessHistory)

public:
    enum class State {
        Ready,         // the file opened as it was, or was created
        StartedAfresh, // the file was not a usable history; it was moved to setAsidePath()
        Unavailable,   // nothing can be read or kept now; unavailableReason() says why
    };
    enum class ForgetResult {
        Forgotten,         // gone from the file and from its write-ahead log
        LogNotEmptied,     // deleted, but the log could not be emptied: copies may remain there
        Failed,            // nothing was deleted
    };
    struct Options
    {
        // How long a write waits for another program's lock before it fails.
        int busyTimeoutMilliseconds = 0;
        // A cap on the file's size in pages (0: none); lets a test run out of room.
        int maxPageCount = 0;
        // Only reads: never creates, migrates or moves the file (a second
        // connection beside the one that keeps the history).
        bool readOnly = false;
        // The log is copied into the file only by checkpoint(), never by
        // SQLite inside record(): a writer that calls checkpoint() when it is
        // idle keeps every record() short.
        bool checkpointWhenIdle = false;
    };

    // The number at offset 68 of every history file ("Crvl"), that tells it
    // from other programs' SQLite files.
    static constexpr std::int32_t ApplicationId = 0x4372766c;
    static constexpr int SchemaVersion = 2;

    explicit GuessHistory(const QString &filePath);
    GuessHistory(const QString &filePath, const Options &options);
    ~GuessHistory();
    GuessHistory(const GuessHistory &) = delete;
    GuessHistory &operator=(const GuessHistory &) = delete;

    // history.sqlite in the application's data folder (QStandardPaths::
    // AppDataLocation); empty where the platform has no such folder.
    static QString defaultFilePath();

    State state() const { return m_state; }
    bool isAvailable() const { return m_state != State::Unavailable; }
    // Readable but not writable (a read-only file, folder or file system):
    // the figures show, and nothing can be recorded.
    bool isReadOnly() const { return m_readOnly; }
    QString filePath() const { return m_filePath; }
    // A sentence for the user: why nothing can be read or kept.
    QString unavailableReason() const { return m_unavailableReason; }
    // Where the unusable file went, when state() is StartedAfresh.
    QString setAsidePath() const { return m_setAsidePath; }
    // What went wrong in the last call that failed, as a sentence part.
    QString lastError() const { return m_lastError; }

    // Stores guesses in one transaction, committed before it returns: all of
    // them or, on failure, none. An invalid time is taken as now.
    bool record(const std::vector<StoredGuess> &guesses);
    bool record(const StoredGuess &guess) { return record(std::vector<StoredGuess>{guess}); }
    // Copies what the log holds into the file, as far as no reader is in
    // the way, without waiting for one. Needed only with checkpointWhenIdle;
    // a guess in the log is kept whether or not it has been copied.
    bool checkpoint();

    // Every possible guess, with this run's counted by `runId`; impossible
    // rows are counted apart. False (and contents empty) when it cannot be read.
    bool read(HistoryContents &contents, const QString &runId = {}) const;
    CountsPerLevel countsAllTime() const;
    // Every possible guess in the order they were made.
    std::vector<StoredGuess> allGuesses() const;

    // Writes every possible guess to `path` as CSV (see history_csv.h), row
    // by row, replacing the file only once it is complete. `progress` is
    // told rows written and rows in all now and then, and cancels the export
    // (leaving no file) by returning false.
    using Progress = std::function<bool(std::int64_t written, std::int64_t total)>;
    bool exportCsv(const QString &path, const Progress &progress = {}) const;

    // Deletes every stored guess, with the freed space overwritten and the
    // write-ahead log emptied, after the user has confirmed it. Files set
    // aside earlier are left alone.
    ForgetResult forget();

private:
    void open();
    enum class Check { Usable, Empty, Damaged, Newer, Failed };
    Check checkFile();
    Check checkTables(QSqlQuery &query);
    Check failure() const;
    bool openConnection(bool readOnly, bool immutable = false);
    bool prepareFile();
    bool createSchema();
    bool migrateFromVersion1();
    void becomeUnavailable(const QString &reason);
    bool run(QSqlQuery &query, const QString &sql) const;
    bool transaction(const std::function<bool(QSqlQuery &)> &work);
    QString guessesQuery(const QString &columns) const;

    QString m_filePath;
    Options m_options;
    QString m_connectionName;
    QSqlDatabase m_db;
    State m_state = State::Ready;
    bool m_readOnly = false;
    int m_version = SchemaVersion;
    QString m_unavailableReason;
    QString m_setAsidePath;
    mutable QString m_lastError;
    mutable QSqlError m_lastSqlError;
};
