#include "symboltest/hit_rate_series.h"

#include <QTest>

#include <cmath>

class tst_HitRateSeries : public QObject
{
    Q_OBJECT

private slots:
    void fewGuessesGetAPointEach();
    void noGuessesNoPoints();
    void manyGuessesAreThinnedButExact_data();
    void manyGuessesAreThinnedButExact();
    void eachPointCarriesTheBandOfItsOwnGuessCount();
};

void tst_HitRateSeries::fewGuessesGetAPointEach()
{
    RunningHitRate series(5);
    series.addAll({true, false, false, true});
    const std::vector<HitRatePoint> &points = series.points();
    QCOMPARE(points.size(), std::size_t(4));
    const double expected[] = {1.0, 0.5, 1.0 / 3.0, 0.5};
    for (std::size_t i = 0; i < points.size(); ++i) {
        QCOMPARE(points[i].guessNumber, std::int64_t(i + 1));
        QCOMPARE(points[i].hitRate, expected[i]);
    }
    QCOMPARE(series.guesses(), 4);
    QCOMPARE(series.rights(), 2);
}

void tst_HitRateSeries::noGuessesNoPoints()
{
    QVERIFY(RunningHitRate(8).points().empty());
}

void tst_HitRateSeries::manyGuessesAreThinnedButExact_data()
{
    QTest::addColumn<int>("guesses");
    QTest::newRow("just past the limit") << 301;
    QTest::newRow("100,000") << 100000;
    QTest::newRow("a stride and one") << 4097;
}

// Any number of guesses draws as at most 300 points, evenly spread, ending at
// the last guess, each with the exact rate of every guess up to it.
void tst_HitRateSeries::manyGuessesAreThinnedButExact()
{
    QFETCH(int, guesses);
    // Every third guess right: after g guesses, ceil(g / 3) are right.
    RunningHitRate series(5, 300);
    for (int i = 0; i < guesses; ++i)
        series.add(i % 3 == 0);
    const std::vector<HitRatePoint> &points = series.points();
    QVERIFY2(points.size() <= 300 && points.size() >= 150, qPrintable(QString::number(points.size())));
    QCOMPARE(points.back().guessNumber, std::int64_t(guesses));
    const std::int64_t stride = points.front().guessNumber;
    std::int64_t previous = 0;
    for (const HitRatePoint &point : points) {
        const std::int64_t gap = point.guessNumber - previous;
        // Even steps, only the last may be shorter.
        QVERIFY2(gap == stride || (&point == &points.back() && gap > 0 && gap <= stride),
                 qPrintable(QString::number(gap)));
        previous = point.guessNumber;
        const double right = double((point.guessNumber + 2) / 3);
        QCOMPARE(point.hitRate, right / double(point.guessNumber));
    }
}

// A band asked for before more guesses come in must not stay with a point
// that has moved on to a later guess.
void tst_HitRateSeries::eachPointCarriesTheBandOfItsOwnGuessCount()
{
    RunningHitRate series(10, 40);
    for (int i = 0; i < 1000; ++i) {
        series.add(i % 4 == 0);
        if (i % 37 == 0)
            series.points();
    }
    for (const HitRatePoint &point : series.points()) {
        const NoVerdictBand expected = noVerdictBand(point.guessNumber, 10);
        QCOMPARE(point.noVerdict.low, expected.low);
        QCOMPARE(point.noVerdict.high, expected.high);
    }
}

QTEST_GUILESS_MAIN(tst_HitRateSeries)
#include "tst_hit_rate_series.moc"
