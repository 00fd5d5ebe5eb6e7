#include "services/guess_history.h"
#include "services/history_snapshot_reader.h"
#include "services/history_statistics.h"

#include <QFile>
#include <QFileInfo>
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
    void forgetLeavesNoGuessInTheFiles();
    void statisticsGatheredFromTheStore();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("history.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

StoredGuess guess(Level level, int guessed, int drawn, qint64 ms = 1796000000000)
{
    return {QDateTime::fromMSecsSinceEpoch(ms, QTimeZone::utc()), level, guessed, drawn, guessed == drawn};
}

void recordMany(GuessHistory &history, Level level, int count, int rights)
{
    for (int i = 0; i < count; ++i)
        QVERIFY(history.record(guess(level, 1, i < rights ? 1 : 2)));
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
        {summer, Level::Beginner, 3, 3, true},
        {QDateTime(QDate(2026, 12, 8), QTime(23, 59, 59, 999), QTimeZone::utc()), Level::Expert, 10, 1, false},
        {QDateTime(QDate(2027, 1, 1), QTime(0, 0), QTimeZone::utc()), Level::Intermediate, 8, 8, true},
    };
    {
        GuessHistory history(path());
        QCOMPARE(history.state(), GuessHistory::State::Ready);
        for (const StoredGuess &g : written)
            QVERIFY2(history.record(g), qPrintable(history.lastError()));
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
    }
}

void tst_GuessHistory::outcomesKeepTheirOrderWithinEachLevel()
{
    GuessHistory history(path());
    QVERIFY(history.record(guess(Level::Expert, 1, 1)));
    QVERIFY(history.record(guess(Level::Beginner, 1, 2)));
    QVERIFY(history.record(guess(Level::Expert, 1, 2)));
    QVERIFY(history.record(guess(Level::Beginner, 4, 4)));
    QVERIFY(history.record(guess(Level::Expert, 5, 2)));
    const auto outcomes = history.outcomesInOrder();
    QCOMPARE(outcomes[0], (std::vector<bool>{false, true}));
    QVERIFY(outcomes[1].empty());
    QCOMPARE(outcomes[2], (std::vector<bool>{true, false, false}));
}

// Forgetting empties the store for good, and the forgotten guesses are not
// left readable in the database or its log.
void tst_GuessHistory::forgetLeavesNoGuessInTheFiles()
{
    // A time whose stored form is six distinctive bytes, to look for.
    const qint64 marker = 0x0123456789AB;
    const QByteArray markerBytes = QByteArray::fromHex("0123456789ab");
    const auto filesContainMarker = [this, &markerBytes] {
        QByteArray all;
        for (const QString &name : {path(), path() + QStringLiteral("-wal")}) {
            QFile file(name);
            if (file.open(QIODevice::ReadOnly))
                all += file.readAll();
        }
        return all.contains(markerBytes);
    };

    GuessHistory history(path());
    for (int i = 0; i < 50; ++i)
        QVERIFY(history.record(guess(Level::Beginner, 2, 2, marker)));
    QVERIFY(filesContainMarker());

    QVERIFY(history.forget());
    QCOMPARE(history.countsAllTime()[0].guesses, 0);
    QCOMPARE(history.countsThisRun()[0].guesses, 0);
    QVERIFY(history.allGuesses().empty());
    QVERIFY(!filesContainMarker());

    // The store goes on working, and a new run still finds it empty but for
    // what came after.
    QVERIFY(history.record(guess(Level::Expert, 3, 3)));
    QCOMPARE(history.countsThisRun()[2].guesses, 1);
    GuessHistory reopened(path());
    QCOMPARE(reopened.allGuesses().size(), std::size_t(1));
}

// "This run" is what this store recorded since it was opened; all time
// includes the runs before.
void tst_GuessHistory::statisticsGatheredFromTheStore()
{
    {
        GuessHistory earlier(path());
        recordMany(earlier, Level::Beginner, 100, 30);
    }
    GuessHistory history(path());
    recordMany(history, Level::Expert, 10, 1);
    QCOMPARE(history.countsAllTime()[0].rights, 30);
    QCOMPARE(history.countsThisRun()[0].guesses, 0);
    const HistoryStatistics statistics = gatherHistoryStatistics(readHistorySnapshot(history), 300);

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

QTEST_GUILESS_MAIN(tst_GuessHistory)
#include "tst_guess_history.moc"
