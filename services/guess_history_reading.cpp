#include "services/guess_history.h"

#include "services/history_csv.h"
#include "history_errors.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QTimeZone>

#include <algorithm>

QString GuessHistory::guessesQuery(const QString &columns) const
{
    // A first-schema file read where it cannot be brought up to date (a
    // read-only one) has no run or version with its guesses.
    const QString extra = m_version >= 2 ? QStringLiteral("run_id, program_version")
                                         : QStringLiteral("NULL, NULL");
    return QStringLiteral("SELECT %1, %2 FROM guesses ORDER BY id").arg(columns, extra);
}

bool GuessHistory::read(HistoryContents &contents, const QString &runId) const
{
    contents = {};
    if (!isAvailable())
        return false;
    // At a million guesses this is most of opening: the run is compared in
    // SQLite, and every value comes back as a number.
    const QString thisRun = m_version >= 2 ? QStringLiteral("run_id IS ?") : QStringLiteral("0");
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT level, guessed, drawn, is_right, %1 FROM guesses ORDER BY id");
    if (!query.prepare(sql.arg(thisRun))) {
        m_lastSqlError = query.lastError();
        m_lastError = describeStorageError(m_lastSqlError);
        return false;
    }
    if (m_version >= 2)
        query.addBindValue(runId.isEmpty() ? QVariant() : QVariant(runId));
    if (!query.exec()) {
        m_lastSqlError = query.lastError();
        m_lastError = describeStorageError(m_lastSqlError);
        return false;
    }
    while (query.next()) {
        const int level = query.value(0).toInt();
        const int right = query.value(3).toInt();
        if (!isPossibleGuess(level, query.value(1).toInt(), query.value(2).toInt(), right)) {
            ++contents.ignoredRows;
            continue;
        }
        const auto index = std::size_t(level);
        contents.outcomes[index].push_back(right == 1);
        if (!runId.isEmpty() && query.value(4).toInt() == 1) {
            ++contents.thisRun[index].guesses;
            contents.thisRun[index].rights += right;
        }
    }
    if (query.lastError().isValid()) {
        m_lastSqlError = query.lastError();
        m_lastError = describeStorageError(m_lastSqlError);
        contents = {};
        return false;
    }
    return true;
}

CountsPerLevel GuessHistory::countsAllTime() const
{
    HistoryContents contents;
    read(contents);
    CountsPerLevel counts{};
    for (std::size_t level = 0; level < counts.size(); ++level) {
        const std::vector<bool> &outcomes = contents.outcomes[level];
        counts[level].guesses = std::int64_t(outcomes.size());
        counts[level].rights = std::int64_t(std::count(outcomes.begin(), outcomes.end(), true));
    }
    return counts;
}

std::vector<StoredGuess> GuessHistory::allGuesses() const
{
    std::vector<StoredGuess> guesses;
    if (!isAvailable())
        return guesses;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!run(query, guessesQuery(QStringLiteral("time_ms, level, guessed, drawn, is_right"))))
        return guesses;
    while (query.next()) {
        const int level = query.value(1).toInt();
        if (!isPossibleGuess(level, query.value(2).toInt(), query.value(3).toInt(), query.value(4).toInt()))
            continue;
        StoredGuess guess;
        guess.time = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), QTimeZone::utc());
        guess.level = AllLevels[std::size_t(level)];
        guess.guessed = query.value(2).toInt();
        guess.drawn = query.value(3).toInt();
        guess.right = query.value(4).toInt() == 1;
        guess.runId = query.value(5).toString();
        guess.programVersion = query.value(6).toString();
        guesses.push_back(guess);
    }
    return guesses;
}

bool GuessHistory::exportCsv(const QString &path, const Progress &progress) const
{
    if (!isAvailable())
        return false;
    QSqlQuery query(m_db);
    std::int64_t total = 0;
    if (!run(query, QStringLiteral("SELECT COUNT(*) FROM guesses")) || !query.next())
        return false;
    total = query.value(0).toLongLong();
    query.finish();

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_lastError = file.errorString();
        return false;
    }
    query.setForwardOnly(true);
    if (!run(query, guessesQuery(QStringLiteral("time_ms, level, guessed, drawn, is_right")))) {
        file.cancelWriting();
        return false;
    }
    // Rows go out in chunks, so memory stays the same at any history size.
    constexpr qsizetype ChunkBytes = 256 * 1024;
    constexpr std::int64_t ProgressEvery = 8192;
    QByteArray chunk = historyCsvHeader();
    chunk.reserve(ChunkBytes + 256);
    std::int64_t read = 0;
    bool written = true;
    while (written && query.next()) {
        ++read;
        const int level = query.value(1).toInt();
        const int guessed = query.value(2).toInt();
        const int drawn = query.value(3).toInt();
        const int right = query.value(4).toInt();
        if (isPossibleGuess(level, guessed, drawn, right)) {
            appendHistoryCsvRow(chunk, query.value(0).toLongLong(), AllLevels[std::size_t(level)], guessed, drawn,
                                right == 1, query.value(5).toString(), query.value(6).toString());
        }
        if (chunk.size() >= ChunkBytes) {
            written = file.write(chunk) == chunk.size();
            chunk.clear();
        }
        if (progress && read % ProgressEvery == 0 && !progress(read, total)) {
            file.cancelWriting();
            m_lastError = tr("the export was cancelled");
            return false;
        }
    }
    written = written && file.write(chunk) == chunk.size();
    if (!written || query.lastError().isValid() || !file.commit()) {
        m_lastError = query.lastError().isValid() ? describeStorageError(query.lastError()) : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (progress)
        progress(total, total);
    return true;
}

GuessHistory::ForgetResult GuessHistory::forget()
{
    if (!isAvailable())
        return ForgetResult::Failed;
    if (m_readOnly) {
        m_lastError = tr("the history file is read-only");
        return ForgetResult::Failed;
    }
    QSqlQuery query(m_db);
    if (!run(query, QStringLiteral("DELETE FROM guesses")))
        return ForgetResult::Failed;
    // Secure delete has overwritten the freed pages, but their earlier
    // contents may still be in the log: copy the log into the file and empty
    // it, then make sure it is empty. Another program reading the file at
    // the moment keeps the log from being emptied.
    if (!run(query, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")) || !query.next())
        return ForgetResult::LogNotEmptied;
    const bool blocked = query.value(0).toInt() != 0;
    const bool logLeft = query.value(1).toInt() != 0;
    query.finish();
    const QFileInfo log(m_filePath + QStringLiteral("-wal"));
    if (blocked || logLeft || (log.exists() && log.size() != 0)) {
        m_lastError = tr("another program is reading the history");
        return ForgetResult::LogNotEmptied;
    }
    return ForgetResult::Forgotten;
}
