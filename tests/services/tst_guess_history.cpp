#include "history_writer_guess.h"
#include "services/other_connection.h"
#include "services/guess_history.h"
#include "services/history_keeper.h"
#include "services/history_snapshot.h"
#include "services/history_statistics.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <memory>

class tst_GuessHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void guessesComeBackAfterReopening();
    void outcomesKeepTheirOrderWithinEachLevel();
    void thisRunIsToldByItsRunIdAmongOtherWriters();
    void impossibleRowsStayInTheFileAndAreNotCounted_data();
    void impossibleRowsStayInTheFileAndAreNotCounted();
    void firstSchemaFileIsBroughtUpToDateWithEveryGuess();
    void migrationThatCannotFinishLeavesTheFileAsItWas();
    void forgetLeavesNoGuessInTheFiles();
    void forgetSaysWhenTheLogCannotBeEmptied();
    void statisticsGatheredFromTheStore();
    void keeperCountsGuessesMadeBeforeTheFileWasRead();
    void keeperForgetStartsOverButKeepsTheGuessesMadeMeanwhile();
    void keeperWritesEveryGuessHandedOverBeforeItCloses();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("history.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {
StoredGuess guess(Level level, int guessed, int drawn, qint64 ms = 1796000000000, const QString &run = {})
{
    return {QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()), level, guessed, drawn, guessed == drawn, run, {}};
}

void recordMany(GuessHistory &history, Level level, int count, int rights, const QString &run = {})
{
    for (int i = 0; i < count; ++i)
        QVERIFY(history.record(guess(level, 1, i < rights ? 1 : 2, 1796000000000, run)));
}

} // namespace

void tst_GuessHistory::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_GuessHistory::guessesComeBackAfterReopening()
{
    // A local time with an offset comes back as the same moment in UTC.
    const QDateTime summer(QDate(2026, 7, 1), QTime(9, 30, 15, 250), QTimeZone(2 * 3600));
    const std::vector<StoredGuess> written{
        {summer, Level::Beginner, 3, 3, true, QStringLiteral("run-a"), QStringLiteral("1.50")},
        {QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59, 999), QTimeZone::utc()), Level::Expert, 10, 1, false,
         QStringLiteral("run-a"), QStringLiteral("1.50")},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0), QTimeZone::utc()), Level::Intermediate, 8, 8, true,
         QStringLiteral("run-b"), QStringLiteral("1.51")},
    };
    {
        GuessHistory history(path());
        QCOMPARE(history.state(), GuessHistory::State::Ready);
        QVERIFY2(history.record(written), qPrintable(history.lastError()));
    }
    GuessHistory reopened(path());
    QCOMPARE(reopened.state(), GuessHistory::State::Ready);
    const std::vector<StoredGuess> read = reopened.allGuesses();
    QCOMPARE(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        QCOMPARE(read[i].time, written[i].time);
        QCOMPARE(read[i].time.offsetFromUtc(), 0);
        QCOMPARE(read[i].level, written[i].level);
        QCOMPARE(read[i].guessed, written[i].guessed);
        QCOMPARE(read[i].drawn, written[i].drawn);
        QCOMPARE(read[i].right, written[i].right);
        QCOMPARE(read[i].runId, written[i].runId);
        QCOMPARE(read[i].programVersion, written[i].programVersion);
    }
    // Ours, for any tool that looks: the id is in the file's header.
    OtherConnection other(path());
    QCOMPARE(other.value(QStringLiteral("PRAGMA application_id")).toLongLong(), GuessHistory::ApplicationId);
}

void tst_GuessHistory::outcomesKeepTheirOrderWithinEachLevel()
{
    GuessHistory history(path());
    QVERIFY(history.record(guess(Level::Expert, 1, 1)));
    QVERIFY(history.record(guess(Level::Beginner, 1, 2)));
    QVERIFY(history.record(guess(Level::Expert, 1, 2)));
    QVERIFY(history.record(guess(Level::Beginner, 4, 4)));
    QVERIFY(history.record(guess(Level::Expert, 5, 2)));
    HistoryContents contents;
    QVERIFY(history.read(contents));
    QCOMPARE(contents.outcomes[0], (std::vector<bool>{false, true}));
    QVERIFY(contents.outcomes[1].empty());
    QCOMPARE(contents.outcomes[2], (std::vector<bool>{true, false, false}));
}

// "This run" is the guesses carrying this run's id, whoever else writes to
// the file meanwhile (a second instance, an older program).
void tst_GuessHistory::thisRunIsToldByItsRunIdAmongOtherWriters()
{
    GuessHistory mine(path());
    GuessHistory other(path());
    recordMany(mine, Level::Beginner, 4, 1, QStringLiteral("mine"));
    recordMany(other, Level::Beginner, 7, 7, QStringLiteral("other"));
    recordMany(mine, Level::Beginner, 3, 3, QStringLiteral("mine"));
    recordMany(other, Level::Expert, 2, 0);
    HistoryContents contents;
    QVERIFY(mine.read(contents, QStringLiteral("mine")));
    QCOMPARE(contents.thisRun[0].guesses, 7);
    QCOMPARE(contents.thisRun[0].rights, 4);
    QCOMPARE(contents.thisRun[2].guesses, 0);
    QCOMPARE(contents.outcomes[0].size(), std::size_t(14));
    QCOMPARE(contents.outcomes[2].size(), std::size_t(2));
}

void tst_GuessHistory::impossibleRowsStayInTheFileAndAreNotCounted_data()
{
    QTest::addColumn<QString>("row"); // level, guessed, drawn, is_right
    QTest::newRow("Beginner has no symbol 6") << "0, 6, 6, 1";
    QTest::newRow("no symbol 0") << "1, 0, 3, 0";
    QTest::newRow("drawn beyond Expert's 10") << "2, 4, 11, 0";
    QTest::newRow("right, but guessed and drawn differ") << "1, 2, 3, 1";
    QTest::newRow("wrong, but guessed and drawn agree") << "1, 5, 5, 0";
    QTest::newRow("a level that does not exist") << "3, 1, 1, 1";
}

void tst_GuessHistory::impossibleRowsStayInTheFileAndAreNotCounted()
{
    QFETCH(QString, row);
    {
        GuessHistory history(path());
        QVERIFY(history.record(guess(Level::Intermediate, 2, 2)));
    }
    {
        OtherConnection other(path());
        QVERIFY(other.exec(
            QStringLiteral("INSERT INTO guesses (time_ms, level, guessed, drawn, is_right) VALUES (0, %1)").arg(row)));
    }
    GuessHistory history(path());
    QCOMPARE(history.state(), GuessHistory::State::Ready);
    HistoryContents contents;
    QVERIFY(history.read(contents));
    QCOMPARE(contents.ignoredRows, 1);
    QCOMPARE(contents.outcomes[0].size() + contents.outcomes[1].size() + contents.outcomes[2].size(),
             std::size_t(1));
    QCOMPARE(history.allGuesses().size(), std::size_t(1));
    OtherConnection other(path());
    QCOMPARE(other.value(QStringLiteral("SELECT COUNT(*) FROM guesses")).toInt(), 2);
}

// A file of the first schema, as the program before this one wrote it: every
// guess is kept, of no known run, and the file is ours from then on.
void tst_GuessHistory::firstSchemaFileIsBroughtUpToDateWithEveryGuess()
{
    QVERIFY(QFile::copy(QStringLiteral(HISTORY_V1_FILE), path()));
    QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner));
    {
        GuessHistory history(path());
        QCOMPARE(history.state(), GuessHistory::State::Ready);
        const std::vector<StoredGuess> stored = history.allGuesses();
        QCOMPARE(int(stored.size()), 2968);
        for (int n = 1; n <= 2968; ++n) {
            const StoredGuess &got = stored[std::size_t(n - 1)];
            QVERIFY2(isNumberedGuess(got, n), qPrintable(QStringLiteral("guess %1 changed").arg(n)));
            QVERIFY(got.runId.isEmpty());
        }
        QVERIFY(history.record(guess(Level::Expert, 1, 1, 0, QStringLiteral("now"))));
        HistoryContents contents;
        QVERIFY(history.read(contents, QStringLiteral("now")));
        QCOMPARE(contents.thisRun[2].guesses, 1);
    }
    OtherConnection other(path());
    QCOMPARE(other.value(QStringLiteral("SELECT version FROM schema_version")).toInt(), GuessHistory::SchemaVersion);
    QCOMPARE(other.value(QStringLiteral("PRAGMA application_id")).toLongLong(), GuessHistory::ApplicationId);
}

// A migration that another program's lock stops half-way is undone whole:
// the file stays of the first schema, byte for byte, and the next start
// migrates it.
void tst_GuessHistory::migrationThatCannotFinishLeavesTheFileAsItWas()
{
    QVERIFY(QFile::copy(QStringLiteral(HISTORY_V1_FILE), path()));
    QVERIFY(QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner));
    {
        OtherConnection locker(path());
        QVERIFY(locker.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const QByteArray before = readFile(path());
        GuessHistory history(path());
        QCOMPARE(history.state(), GuessHistory::State::Unavailable);
        QVERIFY2(history.unavailableReason().contains(QLatin1String("locked")), qPrintable(history.unavailableReason()));
        QCOMPARE(readFile(path()), before);
        QVERIFY(!QFileInfo::exists(path() + QStringLiteral(".corrupt-") + QDate::currentDate().toString(Qt::ISODate)));
        QVERIFY(locker.exec(QStringLiteral("ROLLBACK")));
    }
    GuessHistory history(path());
    QCOMPARE(history.state(), GuessHistory::State::Ready);
    QCOMPARE(int(history.allGuesses().size()), 2968);
}

// Forgetting empties the store for good, and the forgotten guesses are not
// left readable in the database or its log.
void tst_GuessHistory::forgetLeavesNoGuessInTheFiles()
{
    // A time whose stored form is six distinctive bytes, to look for.
    const qint64 marker = 0x0123456789AB;
    const QByteArray markerBytes = QByteArray::fromHex("0123456789ab");
    const auto filesContainMarker = [this, &markerBytes] {
        return (readFile(path()) + readFile(path() + QStringLiteral("-wal"))).contains(markerBytes);
    };

    GuessHistory history(path());
    for (int i = 0; i < 50; ++i)
        QVERIFY(history.record(guess(Level::Beginner, 2, 2, marker)));
    QVERIFY(filesContainMarker());

    QCOMPARE(history.forget(), GuessHistory::ForgetResult::Forgotten);
    QCOMPARE(history.countsAllTime()[0].guesses, 0);
    QVERIFY(history.allGuesses().empty());
    QVERIFY(!filesContainMarker());

    // The store goes on working, and a new run still finds it empty but for
    // what came after.
    QVERIFY(history.record(guess(Level::Expert, 3, 3)));
    GuessHistory reopened(path());
    QCOMPARE(reopened.allGuesses().size(), std::size_t(1));
}

// Another program in the middle of reading keeps the log from being
// emptied: the guesses are deleted, and the caller learns that copies may
// remain in the log.
void tst_GuessHistory::forgetSaysWhenTheLogCannotBeEmptied()
{
    GuessHistory history(path());
    recordMany(history, Level::Beginner, 20, 5);
    OtherConnection reader(path());
    QVERIFY(reader.exec(QStringLiteral("BEGIN")));
    QCOMPARE(reader.value(QStringLiteral("SELECT COUNT(*) FROM guesses")).toInt(), 20);
    QCOMPARE(history.forget(), GuessHistory::ForgetResult::LogNotEmptied);
    QVERIFY(!history.lastError().isEmpty());
    QVERIFY(history.allGuesses().empty());
    QVERIFY(reader.exec(QStringLiteral("ROLLBACK")));
}

// All time includes the runs before; this run only its own.
void tst_GuessHistory::statisticsGatheredFromTheStore()
{
    {
        GuessHistory earlier(path());
        recordMany(earlier, Level::Beginner, 100, 30, QStringLiteral("earlier"));
    }
    GuessHistory history(path());
    recordMany(history, Level::Expert, 10, 1, QStringLiteral("now"));
    HistoryContents contents;
    QVERIFY(history.read(contents, QStringLiteral("now")));
    HistorySnapshot snapshot;
    snapshot.readable = true;
    snapshot.outcomes = contents.outcomes;
    snapshot.thisRun = contents.thisRun;
    const HistoryStatistics statistics = gatherHistoryStatistics(snapshot, 300);

    const LevelHistory &beginner = statistics[Level::Beginner];
    QCOMPARE(beginner.allTime.guesses, 100);
    QCOMPARE(beginner.allTime.rights, 30);
    QCOMPARE(beginner.thisRun.guesses, 0);
    QCOMPARE(beginner.runningHitRate.points().size(), std::size_t(100));
    // The first 30 were right: the rate starts at 1 and ends at 0.3.
    QCOMPARE(beginner.runningHitRate.points().front().hitRate, 1.0);
    QCOMPARE(beginner.runningHitRate.points().back().hitRate, 0.3);

    const LevelHistory &expert = statistics[Level::Expert];
    QCOMPARE(expert.thisRun.guesses, 10);
    QCOMPARE(expert.thisRun.rights, 1);
    QCOMPARE(expert.allTime.guesses, 10);
    QCOMPARE(statistics[Level::Intermediate].allTime.guesses, 0);
    QVERIFY(statistics[Level::Intermediate].runningHitRate.points().empty());
}

namespace {
std::size_t total(const HistorySnapshot &snapshot)
{
    return snapshot.outcomes[0].size() + snapshot.outcomes[1].size() + snapshot.outcomes[2].size();
}

} // namespace

// The file is read on the history's thread while the user may already
// guess: those guesses count once, after the stored ones, and as this run's.
void tst_GuessHistory::keeperCountsGuessesMadeBeforeTheFileWasRead()
{
    {
        GuessHistory earlier(path());
        recordMany(earlier, Level::Beginner, 5, 5, QStringLiteral("earlier"));
    }
    HistoryKeeper keeper(path());
    keeper.record(guess(Level::Beginner, 1, 2));
    keeper.record(guess(Level::Expert, 3, 3));
    QTRY_VERIFY(keeper.isLoaded());
    const HistorySnapshot snapshot = keeper.snapshot();
    QVERIFY(snapshot.readable);
    QCOMPARE(snapshot.outcomes[0], (std::vector<bool>{true, true, true, true, true, false}));
    QCOMPARE(snapshot.outcomes[2], (std::vector<bool>{true}));
    QCOMPARE(snapshot.thisRun[0].guesses, 1);
    QCOMPARE(snapshot.thisRun[0].rights, 0);
    QCOMPARE(snapshot.thisRun[2].guesses, 1);
    QCOMPARE(snapshot.notYetSaved, 0);
    // And in the file, once each, with this run's id.
    QTRY_COMPARE(GuessHistory(path()).allGuesses().size(), std::size_t(7));
    HistoryContents contents;
    QVERIFY(GuessHistory(path()).read(contents, keeper.runId()));
    QCOMPARE(contents.thisRun[0].guesses + contents.thisRun[2].guesses, 2);
}

// After Forget nothing is left, this run's earlier guesses included, but a
// guess made while the history's thread was deleting is kept and counted.
void tst_GuessHistory::keeperForgetStartsOverButKeepsTheGuessesMadeMeanwhile()
{
    HistoryKeeper keeper(path());
    QTRY_VERIFY(keeper.isLoaded());
    for (int i = 0; i < 20; ++i)
        keeper.record(guess(Level::Intermediate, 4, i % 2 ? 4 : 5));
    QSignalSpy cleared(&keeper, &HistoryKeeper::cleared);
    QSignalSpy finished(&keeper, &HistoryKeeper::forgetFinished);
    keeper.forget();
    keeper.record(guess(Level::Expert, 2, 2));
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().value<GuessHistory::ForgetResult>(), GuessHistory::ForgetResult::Forgotten);
    QCOMPARE(cleared.size(), 1);
    const HistorySnapshot snapshot = keeper.snapshot();
    QCOMPARE(total(snapshot), std::size_t(1));
    QCOMPARE(snapshot.thisRun[1].guesses, 0);
    QCOMPARE(snapshot.thisRun[2].guesses, 1);
    QTRY_COMPARE(GuessHistory(path()).allGuesses().size(), std::size_t(1));
    QCOMPARE(GuessHistory(path()).allGuesses().front().level, Level::Expert);
}

// The user leaves right after guessing, the file still being read: what
// was handed over is written before the history closes, not dropped with
// the thread's queue.
void tst_GuessHistory::keeperWritesEveryGuessHandedOverBeforeItCloses()
{
    {
        GuessHistory earlier(path());
        recordMany(earlier, Level::Expert, 1000, 100);
    }
    {
        HistoryKeeper keeper(path());
        for (int i = 0; i < 300; ++i)
            keeper.record(guess(Level::Beginner, 1, i % 5 + 1));
    }
    QCOMPARE(GuessHistory(path()).countsAllTime()[0].guesses, 300);
}

QTEST_GUILESS_MAIN(tst_GuessHistory)
#include "tst_guess_history.moc"
