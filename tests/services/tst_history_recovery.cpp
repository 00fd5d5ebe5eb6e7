#include "services/guess_history.h"
#include "services/set_aside.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

class tst_HistoryRecovery : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void damagedFileIsSetAsideAndAFreshOneStarted_data();
    void damagedFileIsSetAsideAndAFreshOneStarted();
    void setAsideNeverOverwritesAnEarlierOne();
    void newerFileIsLeftAlone();
    void noFolderMakesEveryCallHarmless_data();
    void noFolderMakesEveryCallHarmless();
    void readOnlyFolder_data();
    void readOnlyFolder();
    void unreadableFileIsSetAside_data();
    void unreadableFileIsSetAside();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("history.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

enum class Damage { RandomBytes, Truncated, HeaderThenGarbage, ForeignDatabase, FolderInTheWay };

StoredGuess someGuess(int n = 1)
{
    return {QDateTime::fromMSecsSinceEpoch(1796000000000ll + n, QTimeZone::utc()), Level::Intermediate, 2, n % 8 + 1,
            n % 8 + 1 == 2};
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void runSql(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QSqlQuery query(db);
        for (const QString &sql : statements)
            QVERIFY2(query.exec(sql), qPrintable(sql));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("damage"));
}

// An unavailable store does nothing, fails each call plainly and writes no
// file anywhere.
void checkEverythingIsANoOp(GuessHistory &history, const QString &exportPath)
{
    QCOMPARE(history.state(), GuessHistory::State::Unavailable);
    QVERIFY(!history.unavailableReason().isEmpty());
    QVERIFY(!history.record(someGuess()));
    QCOMPARE(history.countsAllTime()[1].guesses, 0);
    QCOMPARE(history.countsThisRun()[1].guesses, 0);
    QVERIFY(history.outcomesInOrder()[1].empty());
    QVERIFY(history.allGuesses().empty());
    QVERIFY(!history.exportCsv(exportPath));
    QVERIFY(!QFileInfo::exists(exportPath));
    QVERIFY(!history.forget());
}

bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

Q_DECLARE_METATYPE(Damage)

void tst_HistoryRecovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_HistoryRecovery::damagedFileIsSetAsideAndAFreshOneStarted_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::newRow("random bytes") << Damage::RandomBytes;
    QTest::newRow("truncated to half") << Damage::Truncated;
    QTest::newRow("SQLite header, then garbage") << Damage::HeaderThenGarbage;
    QTest::newRow("another program's database") << Damage::ForeignDatabase;
    QTest::newRow("a folder in the way") << Damage::FolderInTheWay;
}

// The damaged file is kept under a dated name, never deleted; a fresh store
// works at once, the caller learns what happened, and the next start finds
// the fresh file in order.
void tst_HistoryRecovery::damagedFileIsSetAsideAndAFreshOneStarted()
{
    QFETCH(Damage, damage);
    switch (damage) {
    case Damage::RandomBytes:
        QVERIFY(writeFile(path(), randomBytes(64 * 1024, 1)));
        break;
    case Damage::Truncated: {
        {
            GuessHistory history(path());
            for (int n = 1; n <= 3000; ++n)
                QVERIFY(history.record(someGuess(n)));
        }
        QFile file(path());
        QVERIFY(file.size() > 32 * 1024);
        QVERIFY(file.resize(file.size() / 2));
        break;
    }
    case Damage::HeaderThenGarbage:
        QVERIFY(writeFile(path(), QByteArray("SQLite format 3", 16) + randomBytes(8 * 1024, 2)));
        break;
    case Damage::ForeignDatabase:
        runSql(path(), {QStringLiteral("CREATE TABLE notes (text TEXT)"),
                        QStringLiteral("INSERT INTO notes VALUES ('keep me')")});
        break;
    case Damage::FolderInTheWay:
        QVERIFY(QDir().mkpath(path() + QStringLiteral("/inside")));
        break;
    }
    const QByteArray original = readFile(path());
    const QDate before = QDate::currentDate();

    GuessHistory history(path());
    const QDate after = QDate::currentDate();
    QCOMPARE(history.state(), GuessHistory::State::StartedAfresh);
    QVERIFY(history.isAvailable());

    const QString setAside = history.setAsidePath();
    const QRegularExpression name(QStringLiteral("^history\\.sqlite\\.corrupt-(\\d{4}-\\d{2}-\\d{2})$"));
    const QRegularExpressionMatch match = name.match(QFileInfo(setAside).fileName());
    QVERIFY2(match.hasMatch(), qPrintable(setAside));
    QCOMPARE(QFileInfo(setAside).absolutePath(), m_dir->path());
    const QDate stamped = QDate::fromString(match.captured(1), Qt::ISODate);
    QVERIFY(stamped == before || stamped == after);
    if (damage == Damage::FolderInTheWay)
        QVERIFY(QFileInfo::exists(setAside + QStringLiteral("/inside")));
    else
        QCOMPARE(readFile(setAside), original);

    QVERIFY2(history.record(someGuess()), qPrintable(history.lastError()));
    QCOMPARE(history.countsAllTime()[1].guesses, 1);

    GuessHistory nextStart(path());
    QCOMPARE(nextStart.state(), GuessHistory::State::Ready);
    QCOMPARE(nextStart.countsAllTime()[1].guesses, 1);
}

void tst_HistoryRecovery::setAsideNeverOverwritesAnEarlierOne()
{
    const QDate day(2026, 12, 8);
    const QString taken = path() + QStringLiteral(".corrupt-2026-12-08");
    QVERIFY(writeFile(taken, "earlier"));
    QVERIFY(writeFile(path(), "second"));
    QVERIFY(writeFile(path() + QStringLiteral("-wal"), "second's log"));
    QString error;
    QCOMPARE(setAsideDamagedFile(path(), day, &error), taken + QStringLiteral("-2"));
    QCOMPARE(readFile(taken), QByteArray("earlier"));
    QCOMPARE(readFile(taken + QStringLiteral("-2")), QByteArray("second"));
    // The log goes with its file, so that a fresh file never replays it.
    QCOMPARE(readFile(taken + QStringLiteral("-2-wal")), QByteArray("second's log"));
    QVERIFY(!QFileInfo::exists(path() + QStringLiteral("-wal")));

    QVERIFY(writeFile(path(), "third"));
    QCOMPARE(setAsideDamagedFile(path(), day, &error), taken + QStringLiteral("-3"));
    QCOMPARE(readFile(taken + QStringLiteral("-3")), QByteArray("third"));
    QVERIFY(!QFileInfo::exists(path()));
}

// A file from a newer version is sound, only not ours to change: it is kept
// as it is and nothing is stored.
void tst_HistoryRecovery::newerFileIsLeftAlone()
{
    {
        GuessHistory history(path());
        QVERIFY(history.record(someGuess()));
    }
    runSql(path(), {QStringLiteral("UPDATE schema_version SET version = version + 1")});
    const QStringList filesBefore = QDir(m_dir->path()).entryList(QDir::Files);

    GuessHistory history(path());
    checkEverythingIsANoOp(history, m_dir->filePath(QStringLiteral("export.csv")));
    QVERIFY2(history.unavailableReason().contains(QLatin1String("newer")), qPrintable(history.unavailableReason()));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), filesBefore);
}

void tst_HistoryRecovery::noFolderMakesEveryCallHarmless_data()
{
    QTest::addColumn<QString>("where");
    // Neither can be created even by root, unlike a folder without write
    // permission.
    QTest::newRow("under a regular file") << QStringLiteral("file");
    QTest::newRow("under /proc") << QStringLiteral("/proc");
}

void tst_HistoryRecovery::noFolderMakesEveryCallHarmless()
{
    QFETCH(QString, where);
    QString file;
    if (where == QLatin1String("file")) {
        QVERIFY(writeFile(m_dir->filePath(QStringLiteral("data")), "a file, not a folder"));
        file = m_dir->filePath(QStringLiteral("data/corvella/history.sqlite"));
    } else {
        file = QStringLiteral("/proc/corvella-test/history.sqlite");
    }
    GuessHistory history(file);
    checkEverythingIsANoOp(history, m_dir->filePath(QStringLiteral("export.csv")));
}

void tst_HistoryRecovery::readOnlyFolder_data()
{
    QTest::addColumn<QString>("file"); // empty: a good file in a folder made read-only
    // Even root cannot write into a process's folder under /proc; one runs
    // as root, so both of these run everywhere.
    QTest::newRow("no file yet") << QStringLiteral("/proc/self/history.sqlite");
    QTest::newRow("a file that is not a history") << QStringLiteral("/proc/self/status");
    QTest::newRow("a good file") << QString();
}

// Without write permission on the folder nothing can be kept, the user is
// told the folder is the trouble (not that a file is bad), and a file already
// there is neither changed nor moved.
void tst_HistoryRecovery::readOnlyFolder()
{
    QFETCH(QString, file);
    const auto readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
        | QFile::ReadOther | QFile::ExeOther;
    const QString folder = m_dir->filePath(QStringLiteral("data"));
    if (file.isEmpty()) {
        if (runningAsRoot())
            QSKIP("root writes into folders without write permission");
        file = folder + QStringLiteral("/history.sqlite");
        QVERIFY(GuessHistory(file).record(someGuess()));
        QVERIFY(QFile::setPermissions(folder, readOnly));
    }
    const QStringList filesBefore = QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files);
    const QByteArray before = readFile(file);
    {
        GuessHistory history(file);
        checkEverythingIsANoOp(history, m_dir->filePath(QStringLiteral("export.csv")));
        QVERIFY2(history.unavailableReason().contains(QLatin1String("read-only")),
                 qPrintable(history.unavailableReason()));
    }
    QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files), filesBefore);
    if (!file.startsWith(QLatin1String("/proc/"))) {
        QCOMPARE(readFile(file), before);
        QVERIFY(QFile::setPermissions(folder, readOnly | QFile::WriteOwner));
    }
}

void tst_HistoryRecovery::unreadableFileIsSetAside_data()
{
    QTest::addColumn<bool>("permission"); // or a read that fails
    QTest::newRow("no read permission") << true;
    // Root reads files without read permission, but not the start of its
    // own memory: a read there fails for every user.
    QTest::newRow("reading fails") << false;
}

// A file the program cannot read is as good as damaged: moved aside, fresh
// start.
void tst_HistoryRecovery::unreadableFileIsSetAside()
{
    QFETCH(bool, permission);
    if (permission) {
        if (runningAsRoot())
            QSKIP("root reads files without read permission");
        QVERIFY(writeFile(path(), randomBytes(4096, 3)));
        QVERIFY(QFile::setPermissions(path(), QFile::Permissions()));
    } else {
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path()));
    }
    GuessHistory history(path());
    QCOMPARE(history.state(), GuessHistory::State::StartedAfresh);
    QVERIFY(QFileInfo(history.setAsidePath()).exists() || QFileInfo(history.setAsidePath()).isSymLink());
    QVERIFY(history.record(someGuess()));
    QCOMPARE(GuessHistory(path()).countsAllTime()[1].guesses, 1);
}

QTEST_GUILESS_MAIN(tst_HistoryRecovery)
#include "tst_history_recovery.moc"
