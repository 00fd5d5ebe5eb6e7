#include "symboltest/hit_rate_series.h"

#include <QTest>

class tst_HitRateSeries : public QObject
{
    Q_OBJECT

private slots:
    void fewGuessesGetAPointEach();
    void noGuessesNoPoints();
    void manyGuessesAreThinnedButExact();
};

void tst_HitRateSeries::fewGuessesGetAPointEach()
{
    const std::vector<bool> rights{true, false, false, true};
    const std::vector<HitRatePoint> series = runningHitRate(rights, 300);
    QCOMPARE(series.size(), std::size_t(4));
    const double expected[] = {1.0, 0.5, 1.0 / 3.0, 0.5};
    for (std::size_t i = 0; i < series.size(); ++i) {
        QCOMPARE(series[i].guessNumber, std::int64_t(i + 1));
        QCOMPARE(series[i].hitRate, expected[i]);
    }
}

void tst_HitRateSeries::noGuessesNoPoints()
{
    QVERIFY(runningHitRate({}, 300).empty());
    QVERIFY(runningHitRate({true, false}, 0).empty());
}

// 100,000 guesses draw as at most 300 points, evenly spread, ending at the
// last guess, each with the exact rate of every guess up to it.
void tst_HitRateSeries::manyGuessesAreThinnedButExact()
{
    // Every third guess right: after g guesses, ceil(g / 3) are right.
    std::vector<bool> rights(100000);
    for (std::size_t i = 0; i < rights.size(); i += 3)
        rights[i] = true;
    const std::vector<HitRatePoint> series = runningHitRate(rights, 300);
    QCOMPARE(series.size(), std::size_t(300));
    QCOMPARE(series.back().guessNumber, std::int64_t(100000));
    std::int64_t previous = 0;
    for (const HitRatePoint &point : series) {
        const std::int64_t gap = point.guessNumber - previous;
        QVERIFY2(gap == 333 || gap == 334, qPrintable(QString::number(gap)));
        previous = point.guessNumber;
        const double right = double((point.guessNumber + 2) / 3);
        QCOMPARE(point.hitRate, right / double(point.guessNumber));
    }
}

QTEST_GUILESS_MAIN(tst_HitRateSeries)
#include "tst_hit_rate_series.moc"
