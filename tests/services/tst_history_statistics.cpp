#include "services/history_statistics.h"

#include "symboltest/binomial_tail.h"

#include <QTest>

#include <random>

namespace {

// A snapshot with `guesses` guesses at each level, right with the given
// chance each, from a fixed seed.
HistorySnapshot madeUp(int guesses, double rightRate, unsigned seed)
{
    HistorySnapshot snapshot;
    snapshot.readable = true;
    std::mt19937 engine(seed);
    std::bernoulli_distribution right(rightRate);
    for (auto &outcomes : snapshot.outcomes)
        for (int i = 0; i < guesses; ++i)
            outcomes.push_back(right(engine));
    return snapshot;
}

std::int64_t countRight(const std::vector<bool> &outcomes)
{
    return std::int64_t(std::count(outcomes.begin(), outcomes.end(), true));
}

} // namespace

class tst_HistoryStatistics : public QObject
{
    Q_OBJECT

private slots:
    void figuresComeFromTheSnapshot();
    void thisRunIsTakenAsTheSnapshotTellsIt();
    void eachNewGuessGivesWhatGatheringAgainGives();
};

void tst_HistoryStatistics::figuresComeFromTheSnapshot()
{
    HistorySnapshot snapshot = madeUp(500, 0.2, 1);
    snapshot.ignoredRows = 3;
    snapshot.notYetSaved = 2;
    const HistoryStatistics statistics = gatherHistoryStatistics(snapshot);
    QVERIFY(statistics.readable);
    QCOMPARE(statistics.ignoredRows, 3);
    QCOMPARE(statistics.notYetSaved, 2);
    for (Level level : AllLevels) {
        const std::vector<bool> &outcomes = snapshot.outcomes[std::size_t(levelIndex(level))];
        const LevelStatistics &all = statistics[level].allTime;
        QCOMPARE(all.guesses, 500);
        QCOMPARE(all.rights, countRight(outcomes));
        QCOMPARE(all.chanceRate, 1.0 / symbolCount(level));
        // The tail is that of this level's chance, not another's.
        QCOMPARE(all.upperTail, binomialUpperTail(500, all.rights, 1.0 / symbolCount(level)));
        // The chart ends at the last guess with the rate of them all.
        const std::vector<HitRatePoint> &points = statistics[level].runningHitRate.points();
        QCOMPARE(points.back().guessNumber, 500);
        QCOMPARE(points.back().hitRate, double(all.rights) / 500);
    }
}

// Which guesses belong to this run is the history's to tell (by the run id
// stored with each guess), not the place of a guess in the list.
void tst_HistoryStatistics::thisRunIsTakenAsTheSnapshotTellsIt()
{
    HistorySnapshot snapshot = madeUp(40, 0.5, 2);
    snapshot.thisRun[std::size_t(levelIndex(Level::Intermediate))] = {7, 3};
    const HistoryStatistics statistics = gatherHistoryStatistics(snapshot);
    QCOMPARE(statistics[Level::Intermediate].thisRun.guesses, 7);
    QCOMPARE(statistics[Level::Intermediate].thisRun.rights, 3);
    QCOMPARE(statistics[Level::Beginner].thisRun.guesses, 0);
    QCOMPARE(statistics[Level::Intermediate].allTime.guesses, 40);
}

// An open window keeps up guess by guess; what it shows then must be what
// reading the history again would show.
void tst_HistoryStatistics::eachNewGuessGivesWhatGatheringAgainGives()
{
    HistorySnapshot snapshot = madeUp(1000, 0.3, 3);
    snapshot.thisRun[0] = {10, 4};
    HistoryStatistics kept = gatherHistoryStatistics(snapshot);
    std::mt19937 engine(4);
    for (int i = 0; i < 700; ++i) {
        const Level level = AllLevels[engine() % 3];
        const bool right = engine() % 3 == 0;
        kept[level].addGuess(right);
        snapshot.outcomes[std::size_t(levelIndex(level))].push_back(right);
        LevelCounts &thisRun = snapshot.thisRun[std::size_t(levelIndex(level))];
        ++thisRun.guesses;
        thisRun.rights += right ? 1 : 0;
    }
    const HistoryStatistics fresh = gatherHistoryStatistics(snapshot);
    for (Level level : AllLevels) {
        for (auto period : {&LevelHistory::allTime, &LevelHistory::thisRun}) {
            const LevelStatistics &a = kept[level].*period;
            const LevelStatistics &b = fresh[level].*period;
            QCOMPARE(a.guesses, b.guesses);
            QCOMPARE(a.rights, b.rights);
            QCOMPARE(a.verdict, b.verdict);
            QCOMPARE(a.interval.low, b.interval.low);
            QCOMPARE(a.interval.high, b.interval.high);
            QCOMPARE(a.log10UpperTail, b.log10UpperTail);
        }
        const std::vector<HitRatePoint> &a = kept[level].runningHitRate.points();
        const std::vector<HitRatePoint> &b = fresh[level].runningHitRate.points();
        QCOMPARE(a.size(), b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            QCOMPARE(a[i].guessNumber, b[i].guessNumber);
            QCOMPARE(a[i].hitRate, b[i].hitRate);
            QCOMPARE(a[i].noVerdict.high, b[i].noVerdict.high);
        }
    }
}

QTEST_GUILESS_MAIN(tst_HistoryStatistics)
#include "tst_history_statistics.moc"
