#include "services/guess_history.h"
#include "services/set_aside.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>


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
    void readOnlyHistoryStillShowsItsGuesses();
    void fileThatCannotBeOpenedIsLeftAlone_data();
    void fileThatCannotBeOpenedIsLeftAlone();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("history.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

enum class Damage { RandomBytes, Truncated, HeaderThenGarbage, ForeignDatabase, ForeignId, OursWithForeignTables, FailsQuickCheck };

StoredGuess someGuess(int n = 1)
{
    return {QDateTime::fromMSecsSinceEpoch(1796000000000ll + n, QTimeZone::utc()), Level::Intermediate, 2, n % 8 + 1,
            n % 8 + 1 == 2, {}, {}};
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
    HistoryContents contents;
    QVERIFY(!history.read(contents));
    QVERIFY(history.allGuesses().empty());
    QVERIFY(!history.exportCsv(exportPath));
    QVERIFY(!QFileInfo::exists(exportPath));
    QCOMPARE(history.forget(), GuessHistory::ForgetResult::Failed);
}

// Runs the history writer as an unprivileged user, who (unlike root) is
// held to the files' permissions, and returns what it printed.
QString readAsAnotherUser(const QString &folder, const QString &file)
{
    const QString writer = folder + QStringLiteral("/history_writer");
    if (!QFileInfo::exists(writer)) {
        QFile::copy(QStringLiteral(HISTORY_WRITER), writer);
        QFile::setPermissions(writer, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                              QStringLiteral("--clear-groups"), writer, QStringLiteral("--read"),
                                              file});
    if (!process.waitForFinished(30000))
        return QStringLiteral("did not finish");
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
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
    QTest::newRow("another program's id, our tables") << Damage::ForeignId;
    QTest::newRow("our id, other tables") << Damage::OursWithForeignTables;
    QTest::newRow("a page broken inside") << Damage::FailsQuickCheck;
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
    case Damage::ForeignId:
        QVERIFY(GuessHistory(path()).record(someGuess()));
        runSql(path(), {QStringLiteral("PRAGMA application_id = 1234")});
        break;
    case Damage::OursWithForeignTables:
        runSql(path(), {QStringLiteral("PRAGMA application_id = %1").arg(GuessHistory::ApplicationId),
                        QStringLiteral("CREATE TABLE notes (text TEXT)")});
        break;
    case Damage::FailsQuickCheck: {
        // Many guesses, then the bytes of a page in the middle of the table
        // overwritten with the header of another kind of page.
        {
            GuessHistory history(path());
            std::vector<StoredGuess> guesses;
            for (int n = 1; n <= 3000; ++n)
                guesses.push_back(someGuess(n));
            QVERIFY(history.record(guesses));
        }
        QFile file(path());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.size() >= 10 * 4096);
        QVERIFY(file.seek(6 * 4096));
        QVERIFY(file.write(QByteArray(64, '\x0a')) == 64);
        break;
    }
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
    QTest::addColumn<QString>("file");
    // Even root cannot write into a process's folder under /proc.
    QTest::newRow("no file yet") << QStringLiteral("/proc/self/history.sqlite");
    QTest::newRow("a file that is not a history") << QStringLiteral("/proc/self/status");
}

// Without write permission on the folder, a file that is not there cannot be
// made and one that is not a history cannot be moved aside: nothing can be
// kept, the user is told the folder is the trouble, and nothing is changed.
void tst_HistoryRecovery::readOnlyFolder()
{
    QFETCH(QString, file);
    GuessHistory history(file);
    checkEverythingIsANoOp(history, m_dir->filePath(QStringLiteral("export.csv")));
    QVERIFY2(history.unavailableReason().contains(QLatin1String("read-only")), qPrintable(history.unavailableReason()));
}

void tst_HistoryRecovery::readOnlyHistoryStillShowsItsGuesses()
{
    const QString folder = m_dir->filePath(QStringLiteral("data"));
    const QString file = folder + QStringLiteral("/history.sqlite");
    {
        GuessHistory history(file);
        QVERIFY(history.record({someGuess(1), someGuess(2), someGuess(3)}));
    }
    const auto readable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
        | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(m_dir->path(), readable));
    QVERIFY(QFile::setPermissions(folder, readable));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files);
    const QByteArray before = readFile(file);

    // State Ready (0), read-only, three guesses, the fourth not kept.
    QCOMPARE(readAsAnotherUser(m_dir->path(), file), QStringLiteral("0 1 3 0"));
    QCOMPARE(readFile(file), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files), filesBefore);
}

void tst_HistoryRecovery::fileThatCannotBeOpenedIsLeftAlone_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::newRow("no read permission") << QStringLiteral("permission");
    // Root reads files without read permission, but not the start of its
    // own memory: a read there fails for every user.
    QTest::newRow("reading fails") << QStringLiteral("input/output");
    QTest::newRow("a folder in the way") << QStringLiteral("folder");
}

// A file that cannot be opened or read may still be a good history (on a
// disk that comes back, for a user who gets the permission back): it is
// never moved aside, only reported.
void tst_HistoryRecovery::fileThatCannotBeOpenedIsLeftAlone()
{
    QFETCH(QString, obstacle);
    const QStringList corrupt{QStringLiteral("*.corrupt-*")};
    if (obstacle == QLatin1String("permission")) {
        {
            GuessHistory history(path());
            QVERIFY(history.record(someGuess()));
        }
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                         | QFile::ReadOther | QFile::ExeOther));
        QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner));
        const QByteArray before = readFile(path());
        // State Unavailable (2), nothing read, nothing kept.
        QVERIFY(readAsAnotherUser(m_dir->path(), path()).startsWith(QLatin1String("2 ")));
        QCOMPARE(readFile(path()), before);
        QVERIFY(QDir(m_dir->path()).entryList(corrupt).isEmpty());
        return;
    }
    if (obstacle == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path() + QStringLiteral("/inside")));
    else
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path()));
    GuessHistory history(path());
    checkEverythingIsANoOp(history, m_dir->filePath(QStringLiteral("export.csv")));
    QVERIFY(QDir(m_dir->path()).entryList(corrupt, QDir::AllEntries | QDir::System).isEmpty());
    QVERIFY(QFileInfo(path()).isDir() || QFileInfo(path()).isSymLink());
}

QTEST_GUILESS_MAIN(tst_HistoryRecovery)
#include "tst_history_recovery.moc"
