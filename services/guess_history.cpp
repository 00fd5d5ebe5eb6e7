#include "services/guess_history.h"

#include "services/set_aside.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTimeZone>

#include <atomic>

namespace {

// Raise with every change of the tables, and migrate older files in
// GuessHistory::checkFile().
constexpr int CurrentSchemaVersion = 1;

// SQLite's primary result codes (the driver reports the extended ones).
constexpr int SqliteCorrupt = 11;
constexpr int SqliteCantOpen = 14;
constexpr int SqliteIoError = 10;
constexpr int SqliteFormat = 24;
constexpr int SqliteNotADatabase = 26;

int primaryCode(const QSqlError &error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// Errors that say the file itself is bad, as opposed to being busy, read-only
// or on a full disk, where moving it aside would not help.
bool isDamage(const QSqlError &error)
{
    switch (primaryCode(error)) {
    case SqliteCorrupt:
    case SqliteCantOpen:
    case SqliteIoError:
    case SqliteFormat:
    case SqliteNotADatabase:
        return true;
    default:
        return false;
    }
}

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("corvella-guess-history-%1").arg(++counter);
}

} // namespace

QString GuessHistory::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/history.sqlite");
}

GuessHistory::GuessHistory(const QString &filePath)
    : m_filePath(filePath)
    , m_connectionName(newConnectionName())
{
    open();
}

GuessHistory::~GuessHistory()
{
    m_db.close();
    m_db = QSqlDatabase();
    if (QSqlDatabase::contains(m_connectionName))
        QSqlDatabase::removeDatabase(m_connectionName);
}

void GuessHistory::becomeUnavailable(const QString &reason)
{
    m_state = State::Unavailable;
    m_unavailableReason = reason;
    m_lastError = reason;
    m_db.close();
}

GuessHistory::Check GuessHistory::failure() const
{
    return isDamage(m_lastSqlError) ? Check::Damaged : Check::Failed;
}

bool GuessHistory::run(QSqlQuery &query, const QString &sql) const
{
    if (query.exec(sql))
        return true;
    m_lastSqlError = query.lastError();
    m_lastError = m_lastSqlError.text();
    return false;
}

bool GuessHistory::openConnection()
{
    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(m_filePath);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (m_db.open())
        return true;
    m_lastSqlError = m_db.lastError();
    m_lastError = m_lastSqlError.text();
    return false;
}

void GuessHistory::open()
{
    if (m_filePath.isEmpty())
        return becomeUnavailable(tr("There is no folder for the program's data on this computer."));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return becomeUnavailable(tr("The SQLite database driver of Qt is not installed."));
    const QString folder = QFileInfo(m_filePath).absolutePath();
    if (!QDir().mkpath(folder))
        return becomeUnavailable(tr("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(folder)));

    Check check = checkFile();
    if (check == Check::Damaged) {
        // Only a folder we may write in lets the file be moved; otherwise the
        // trouble is the folder, not the file, and the file stays as it is.
        if (!QFileInfo(folder).isWritable())
            return becomeUnavailable(tr("The folder %1 is read-only.").arg(QDir::toNativeSeparators(folder)));
        m_db.close();
        QString error;
        m_setAsidePath = setAsideDamagedFile(m_filePath, QDate::currentDate(), &error);
        if (m_setAsidePath.isEmpty())
            return becomeUnavailable(tr("The history file %1 is damaged and cannot be moved aside: %2")
                                         .arg(QDir::toNativeSeparators(m_filePath), error));
        m_state = State::StartedAfresh;
        check = checkFile();
    }
    switch (check) {
    case Check::Newer:
        return becomeUnavailable(tr("The history file %1 was written by a newer version of this program.")
                                     .arg(QDir::toNativeSeparators(m_filePath)));
    case Check::Damaged:
    case Check::Failed:
        if (!QFileInfo(folder).isWritable())
            return becomeUnavailable(tr("The folder %1 is read-only.").arg(QDir::toNativeSeparators(folder)));
        return becomeUnavailable(tr("The history file %1 cannot be opened: %2")
                                     .arg(QDir::toNativeSeparators(m_filePath), m_lastError));
    case Check::Empty:
        if (!createSchema())
            return becomeUnavailable(tr("The history file %1 cannot be written: %2")
                                         .arg(QDir::toNativeSeparators(m_filePath), m_lastError));
        break;
    case Check::Usable:
        break;
    }

    QSqlQuery query(m_db);
    if (!run(query, QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM guesses")) || !query.next())
        return becomeUnavailable(tr("The history file %1 cannot be read: %2")
                                     .arg(QDir::toNativeSeparators(m_filePath), m_lastError));
    m_runStartId = query.value(0).toLongLong();
}

// Opens the file and tells whether it can be used as it is. Opening is lazy
// in SQLite, so a file of random bytes only shows itself on the first read;
// quick_check then reads every page, which finds truncation and most damage.
GuessHistory::Check GuessHistory::checkFile()
{
    const bool existed = QFileInfo::exists(m_filePath);
    if (!openConnection())
        return existed ? Check::Damaged : Check::Failed;

    QSqlQuery query(m_db);
    if (!run(query, QStringLiteral("PRAGMA quick_check")))
        return failure();
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        m_lastError = tr("the file failed its integrity check");
        return Check::Damaged;
    }
    // An unfinished statement holds a read transaction, in which the journal
    // mode cannot change.
    query.finish();

    if (!run(query, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return failure();
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    // Nothing is changed in the file before it is known to be ours.
    if (tables.isEmpty())
        return prepareFile() ? Check::Empty : failure();
    // Anything else at this path is not ours: treat it as damage, never as
    // something to write into.
    if (!tables.contains(QLatin1String("schema_version")) || !tables.contains(QLatin1String("guesses"))) {
        m_lastError = tr("the file holds no guess history");
        return Check::Damaged;
    }
    if (!run(query, QStringLiteral("SELECT version FROM schema_version")) || !query.next()) {
        m_lastError = tr("the file has no version");
        return Check::Damaged;
    }
    const int version = query.value(0).toInt();
    if (version > CurrentSchemaVersion)
        return Check::Newer;
    if (version < 1) {
        m_lastError = tr("the file has an unknown version");
        return Check::Damaged;
    }
    query.finish();
    return prepareFile() ? Check::Usable : failure();
}

// Write-ahead log with synchronous NORMAL: a commit is in the file system
// before record() returns, so it survives the process being killed, without
// an fsync per guess. Secure delete makes "forget" overwrite what it frees.
bool GuessHistory::prepareFile()
{
    QSqlQuery query(m_db);
    return run(query, QStringLiteral("PRAGMA journal_mode = WAL"))
        && run(query, QStringLiteral("PRAGMA synchronous = NORMAL"))
        && run(query, QStringLiteral("PRAGMA secure_delete = ON"));
}

bool GuessHistory::createSchema()
{
    if (!m_db.transaction()) {
        m_lastError = m_db.lastError().text();
        return false;
    }
    QSqlQuery query(m_db);
    const bool created = run(query, QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"))
        && run(query, QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(CurrentSchemaVersion))
        && run(query, QStringLiteral("CREATE TABLE guesses ("
                                     " id INTEGER PRIMARY KEY,"
                                     " time_ms INTEGER NOT NULL,"
                                     " level INTEGER NOT NULL CHECK (level BETWEEN 0 AND 2),"
                                     " guessed INTEGER NOT NULL,"
                                     " drawn INTEGER NOT NULL,"
                                     " is_right INTEGER NOT NULL CHECK (is_right IN (0, 1)))"));
    if (!created) {
        m_db.rollback();
        return false;
    }
    if (!m_db.commit()) {
        m_lastError = m_db.lastError().text();
        return false;
    }
    return true;
}

bool GuessHistory::record(const StoredGuess &guess)
{
    if (!isAvailable())
        return false;
    const QDateTime time = guess.time.isValid() ? guess.time : QDateTime::currentDateTimeUtc();
    // Outside a transaction every INSERT is its own, committed when exec()
    // returns.
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("INSERT INTO guesses (time_ms, level, guessed, drawn, is_right)"
                                 " VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(time.toMSecsSinceEpoch());
    query.addBindValue(static_cast<int>(guess.level));
    query.addBindValue(guess.guessed);
    query.addBindValue(guess.drawn);
    query.addBindValue(guess.right ? 1 : 0);
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return false;
    }
    return true;
}

CountsPerLevel GuessHistory::counts(std::int64_t afterId) const
{
    CountsPerLevel counts{};
    if (!isAvailable())
        return counts;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT level, COUNT(*), TOTAL(is_right) FROM guesses WHERE id > ? GROUP BY level"));
    query.addBindValue(qint64(afterId));
    if (!query.exec()) {
        m_lastError = query.lastError().text();
        return counts;
    }
    while (query.next()) {
        const int level = query.value(0).toInt();
        if (level >= 0 && level < int(counts.size()))
            counts[std::size_t(level)] = {query.value(1).toLongLong(), qint64(query.value(2).toDouble())};
    }
    return counts;
}

CountsPerLevel GuessHistory::countsAllTime() const
{
    return counts(0);
}

CountsPerLevel GuessHistory::countsThisRun() const
{
    return counts(m_runStartId);
}

std::array<std::vector<bool>, 3> GuessHistory::outcomesInOrder() const
{
    std::array<std::vector<bool>, 3> outcomes;
    if (!isAvailable())
        return outcomes;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT level, is_right FROM guesses ORDER BY id")))
        return outcomes;
    while (query.next()) {
        const int level = query.value(0).toInt();
        if (level >= 0 && level < int(outcomes.size()))
            outcomes[std::size_t(level)].push_back(query.value(1).toInt() != 0);
    }
    return outcomes;
}

std::vector<StoredGuess> GuessHistory::allGuesses() const
{
    std::vector<StoredGuess> guesses;
    if (!isAvailable())
        return guesses;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!run(query, QStringLiteral("SELECT time_ms, level, guessed, drawn, is_right FROM guesses ORDER BY id")))
        return guesses;
    while (query.next()) {
        StoredGuess guess;
        guess.time = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong(), QTimeZone::utc());
        guess.level = static_cast<Level>(query.value(1).toInt());
        guess.guessed = query.value(2).toInt();
        guess.drawn = query.value(3).toInt();
        guess.right = query.value(4).toInt() != 0;
        guesses.push_back(guess);
    }
    return guesses;
}

bool GuessHistory::exportCsv(const QString &path, const HistoryCsvTexts &texts) const
{
    if (!isAvailable())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(historyCsv(allGuesses(), texts)) < 0 || !file.commit()) {
        m_lastError = file.errorString();
        return false;
    }
    return true;
}

bool GuessHistory::forget()
{
    if (!isAvailable())
        return false;
    QSqlQuery query(m_db);
    if (!run(query, QStringLiteral("DELETE FROM guesses")))
        return false;
    // Copy the overwritten pages back into the file and empty the log, so
    // that no forgotten guess is left in either.
    run(query, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    m_runStartId = 0;
    return true;
}
