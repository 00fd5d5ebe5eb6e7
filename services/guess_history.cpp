#include "services/guess_history.h"

#include "history_errors.h"
#include "services/set_aside.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUrl>

#include <atomic>

namespace {

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("corvella-guess-history-%1").arg(++counter);
}

// The guesses of the second schema. No checks on the values: a row that
// cannot be a guess is left for the reader to skip (and count), where a
// check would make the whole file fail its quick check.
QString guessesTable(const QString &name)
{
    return QStringLiteral("CREATE TABLE %1 ("
                          " id INTEGER PRIMARY KEY,"
                          " time_ms INTEGER NOT NULL,"
                          " level INTEGER NOT NULL,"
                          " guessed INTEGER NOT NULL,"
                          " drawn INTEGER NOT NULL,"
                          " is_right INTEGER NOT NULL,"
                          " run_id TEXT,"
                          " program_version TEXT)")
        .arg(name);
}

// The first schema: guesses without their run or program version.
const QStringList Version1Tables{QStringLiteral("guesses"), QStringLiteral("schema_version")};

} // namespace

QString GuessHistory::defaultFilePath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/history.sqlite");
}

GuessHistory::GuessHistory(const QString &filePath)
    : GuessHistory(filePath, Options{})
{
}

GuessHistory::GuessHistory(const QString &filePath, const Options &options)
    : m_filePath(filePath)
    , m_options(options)
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
    m_lastError = describeStorageError(m_lastSqlError);
    return false;
}

bool GuessHistory::openConnection(bool readOnly, bool immutable)
{
    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.close();
    m_db.setDatabaseName(immutable ? QUrl::fromLocalFile(m_filePath).toString(QUrl::FullyEncoded)
                                         + QStringLiteral("?immutable=1")
                                   : m_filePath);
    // This connection lives off the GUI thread; the wait only delays the
    // history's own queue, never the test.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_options.busyTimeoutMilliseconds);
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    if (immutable)
        options += QStringLiteral(";QSQLITE_OPEN_URI");
    m_db.setConnectOptions(options);
    if (!m_db.open()) {
        m_lastSqlError = m_db.lastError();
        m_lastError = describeStorageError(m_lastSqlError);
        return false;
    }
    if (m_options.maxPageCount > 0) {
        QSqlQuery query(m_db);
        run(query, QStringLiteral("PRAGMA max_page_count = %1").arg(m_options.maxPageCount));
    }
    if (m_options.checkpointWhenIdle && !readOnly) {
        QSqlQuery query(m_db);
        run(query, QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
    }
    return true;
}

void GuessHistory::open()
{
    if (m_filePath.isEmpty())
        return becomeUnavailable(tr("There is no folder for the program's data on this computer."));
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return becomeUnavailable(tr("The SQLite database driver of Qt is not installed."));
    const QString folder = QFileInfo(m_filePath).absolutePath();
    const QString nativeFolder = QDir::toNativeSeparators(folder);
    const QString nativeFile = QDir::toNativeSeparators(m_filePath);
    if (!QDir().mkpath(folder))
        return becomeUnavailable(tr("The folder %1 cannot be created.").arg(nativeFolder));

    // SQLite's log and its index are made beside the file, so a history is
    // only writable in a writable folder. Otherwise it is read as it is.
    const QFileInfo file(m_filePath);
    const bool folderWritable = QFileInfo(folder).isWritable();
    m_readOnly = m_options.readOnly || !folderWritable || (file.exists() && !file.isDir() && !file.isWritable());
    if (m_readOnly && !file.exists())
        return becomeUnavailable(tr("The folder %1 is read-only.").arg(nativeFolder));

    Check check = checkFile();
    if (check == Check::Damaged && m_options.readOnly)
        return becomeUnavailable(tr("The history file %1 cannot be opened: %2").arg(nativeFile, m_lastError));
    if (check == Check::Damaged) {
        // Only a folder we may write in lets the file be moved; otherwise it
        // stays as it is.
        if (!folderWritable)
            return becomeUnavailable(tr("The history file %1 is not usable (%2), and the folder %3 is read-only.")
                                         .arg(nativeFile, m_lastError, nativeFolder));
        m_db.close();
        QString error;
        m_setAsidePath = setAsideDamagedFile(m_filePath, QDate::currentDate(), &error);
        if (m_setAsidePath.isEmpty())
            return becomeUnavailable(
                tr("The history file %1 is not usable and cannot be moved aside: %2").arg(nativeFile, error));
        m_state = State::StartedAfresh;
        m_readOnly = false;
        check = checkFile();
    }
    switch (check) {
    case Check::Newer:
        return becomeUnavailable(tr("The history file %1 was written by a newer version of this program.")
                                     .arg(nativeFile));
    case Check::Damaged:
    case Check::Failed:
        return becomeUnavailable(tr("The history file %1 cannot be opened: %2").arg(nativeFile, m_lastError));
    case Check::Empty:
        if (!createSchema())
            return becomeUnavailable(tr("The history file %1 cannot be written: %2").arg(nativeFile, m_lastError));
        break;
    case Check::Usable:
        if (m_version == 1 && !m_readOnly && !migrateFromVersion1())
            return becomeUnavailable(tr("The history file %1 cannot be brought up to date: %2")
                                         .arg(nativeFile, m_lastError));
        break;
    }
}

// Opens the file and tells whether it can be used as it is. Opening is lazy
// in SQLite, so a file of random bytes only shows itself on the first read;
// quick_check then reads every page, which finds truncation and most damage.
GuessHistory::Check GuessHistory::checkFile()
{
    if (!openConnection(m_readOnly))
        return Check::Failed;

    QSqlQuery query(m_db);
    bool checked = run(query, QStringLiteral("PRAGMA quick_check"));
    if (!checked && m_readOnly && isReadOnlyRefusal(m_lastSqlError)) {
        // A log-mode file can only be read where its index file (-shm) can
        // be made, or exists. Where neither is so, the file is read as it
        // is, as long as this program cannot change it anyway: without what
        // is in a log left behind, if any.
        if (!openConnection(true, true))
            return Check::Failed;
        query = QSqlQuery(m_db);
        checked = run(query, QStringLiteral("PRAGMA quick_check"));
    }
    if (!checked)
        return failure();
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        m_lastError = tr("the file failed its integrity check");
        return Check::Damaged;
    }
    // An unfinished statement holds a read transaction, in which the journal
    // mode cannot change.
    query.finish();
    return checkTables(query);
}

// Nothing is changed in the file before it is known to be ours.
GuessHistory::Check GuessHistory::checkTables(QSqlQuery &query)
{
    if (!run(query, QStringLiteral("PRAGMA application_id")) || !query.next())
        return failure();
    const auto id = std::int32_t(query.value(0).toLongLong());
    query.finish();
    if (id != 0 && id != ApplicationId) {
        m_lastError = tr("the file belongs to another program");
        return Check::Damaged;
    }
    if (!run(query, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")))
        return failure();
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString();
    query.finish();
    if (tables.isEmpty() && id == 0) {
        if (m_readOnly) {
            m_lastError = tr("the file is empty and read-only");
            return Check::Failed;
        }
        return prepareFile() ? Check::Empty : failure();
    }
    // Without our id, only the first schema's tables, exactly, are ours.
    if ((id == 0 && tables != Version1Tables) || !tables.contains(QLatin1String("guesses"))
        || !tables.contains(QLatin1String("schema_version"))) {
        m_lastError = tr("the file holds no guess history");
        return Check::Damaged;
    }
    if (!run(query, QStringLiteral("SELECT version FROM schema_version")) || !query.next()) {
        m_lastError = tr("the file has no version");
        return Check::Damaged;
    }
    m_version = query.value(0).toInt();
    query.finish();
    if (m_version > SchemaVersion)
        return Check::Newer;
    if (m_version < 1 || (id == 0) != (m_version == 1)) {
        m_lastError = tr("the file has an unknown version");
        return Check::Damaged;
    }
    return m_readOnly || prepareFile() ? Check::Usable : failure();
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

bool GuessHistory::transaction(const std::function<bool(QSqlQuery &)> &work)
{
    QSqlQuery query(m_db);
    if (!run(query, QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work(query) && run(query, QStringLiteral("COMMIT")))
        return true;
    const QSqlError error = m_lastSqlError;
    const QString text = m_lastError;
    query.exec(QStringLiteral("ROLLBACK"));
    m_lastSqlError = error;
    m_lastError = text;
    return false;
}

bool GuessHistory::createSchema()
{
    const bool created = transaction([this](QSqlQuery &query) {
        return run(query, QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId))
            && run(query, QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"))
            && run(query, QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(SchemaVersion))
            && run(query, guessesTable(QStringLiteral("guesses")));
    });
    m_version = SchemaVersion;
    return created;
}

// All or nothing: a file is either of the first schema, untouched, or of the
// second, with the earlier guesses of no known run. The table is made anew,
// without the first schema's checks.
bool GuessHistory::migrateFromVersion1()
{
    const bool migrated = transaction([this](QSqlQuery &query) {
        return run(query, guessesTable(QStringLiteral("guesses_of_version_2")))
            && run(query, QStringLiteral("INSERT INTO guesses_of_version_2 (id, time_ms, level, guessed, drawn, is_right)"
                                         " SELECT id, time_ms, level, guessed, drawn, is_right FROM guesses"))
            && run(query, QStringLiteral("DROP TABLE guesses"))
            && run(query, QStringLiteral("ALTER TABLE guesses_of_version_2 RENAME TO guesses"))
            && run(query, QStringLiteral("UPDATE schema_version SET version = %1").arg(SchemaVersion))
            && run(query, QStringLiteral("PRAGMA application_id = %1").arg(ApplicationId));
    });
    if (migrated)
        m_version = SchemaVersion;
    return migrated;
}

bool GuessHistory::checkpoint()
{
    if (!isAvailable() || m_readOnly)
        return false;
    QSqlQuery query(m_db);
    return run(query, QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
}

bool GuessHistory::record(const std::vector<StoredGuess> &guesses)
{
    if (!isAvailable())
        return false;
    if (m_readOnly) {
        m_lastError = tr("the history file is read-only");
        return false;
    }
    return transaction([this, &guesses](QSqlQuery &query) {
        if (!query.prepare(QStringLiteral("INSERT INTO guesses"
                                          " (time_ms, level, guessed, drawn, is_right, run_id, program_version)"
                                          " VALUES (?, ?, ?, ?, ?, ?, ?)"))) {
            m_lastSqlError = query.lastError();
            m_lastError = describeStorageError(m_lastSqlError);
            return false;
        }
        for (const StoredGuess &guess : guesses) {
            const QDateTime time = guess.time.isValid() ? guess.time : QDateTime::currentDateTimeUtc();
            query.bindValue(0, time.toMSecsSinceEpoch());
            query.bindValue(1, static_cast<int>(guess.level));
            query.bindValue(2, guess.guessed);
            query.bindValue(3, guess.drawn);
            query.bindValue(4, guess.right ? 1 : 0);
            query.bindValue(5, guess.runId.isEmpty() ? QVariant() : QVariant(guess.runId));
            query.bindValue(6, guess.programVersion.isEmpty() ? QVariant() : QVariant(guess.programVersion));
            if (!query.exec()) {
                m_lastSqlError = query.lastError();
                m_lastError = describeStorageError(m_lastSqlError);
                return false;
            }
        }
        return true;
    });
}
