#include "symboltest/rate_interval.h"

#include <QTest>

#include <cmath>

namespace {

// P(X >= k) and P(X <= k) for X ~ Bin(n, p), summed term by term here in
// long double, each term from lgamma: independent of the library's tails.
long double term(int n, int j, long double p)
{
    return std::exp(std::lgamma((long double)n + 1) - std::lgamma((long double)j + 1)
                    - std::lgamma((long double)(n - j) + 1) + j * std::log(p) + (n - j) * std::log1p(-p));
}

long double atLeast(int n, int k, long double p)
{
    long double sum = 0;
    for (int j = n; j >= k; --j)
        sum += term(n, j, p);
    return sum;
}

long double atMost(int n, int k, long double p)
{
    long double sum = 0;
    for (int j = 0; j <= k; ++j)
        sum += term(n, j, p);
    return sum;
}

} // namespace

class tst_RateInterval : public QObject
{
    Q_OBJECT

private slots:
    void eachEndLeavesTwoAndAHalfPercentOutside_data();
    void eachEndLeavesTwoAndAHalfPercentOutside();
    void noRightOrAllRightReachTheEdge();
    void noGuessesTellNothing();
};

void tst_RateInterval::eachEndLeavesTwoAndAHalfPercentOutside_data()
{
    QTest::addColumn<int>("guesses");
    QTest::addColumn<int>("rights");
    QTest::newRow("3 of 10") << 10 << 3;
    QTest::newRow("1 of 50") << 50 << 1;
    QTest::newRow("49 of 50") << 50 << 49;
    QTest::newRow("Beginner 437 of 2,000") << 2000 << 437;
    QTest::newRow("Intermediate 79 of 500") << 500 << 79;
    QTest::newRow("Expert 80 of 1,000") << 1000 << 80;
    QTest::newRow("1 of 1") << 1 << 1;
    QTest::newRow("0 of 1") << 1 << 0;
    QTest::newRow("1234 of 5000") << 5000 << 1234;
}

// The exact interval is defined by its ends: at the low end, this many right
// or more has a chance of 2.5 %; at the high end, this many or fewer has.
void tst_RateInterval::eachEndLeavesTwoAndAHalfPercentOutside()
{
    QFETCH(int, guesses);
    QFETCH(int, rights);
    const RateInterval interval = exactRateInterval(guesses, rights);
    const double rate = double(rights) / guesses;
    QVERIFY(interval.low <= rate && rate <= interval.high);
    if (rights > 0) {
        const long double outside = atLeast(guesses, rights, interval.low);
        QVERIFY2(std::fabs(double(outside / 0.025L - 1)) < 1e-9, qPrintable(QString::number(double(outside), 'g', 17)));
    }
    if (rights < guesses) {
        const long double outside = atMost(guesses, rights, interval.high);
        QVERIFY2(std::fabs(double(outside / 0.025L - 1)) < 1e-9, qPrintable(QString::number(double(outside), 'g', 17)));
    }
}

// None right: the low end is 0 and the high end leaves 2.5 % for "none
// right", (1 - p)^n = 0.025; all right mirrors it.
void tst_RateInterval::noRightOrAllRightReachTheEdge()
{
    const RateInterval none = exactRateInterval(100, 0);
    QCOMPARE(none.low, 0.0);
    QVERIFY(std::fabs(none.high - (1.0 - std::pow(0.025, 1.0 / 100))) < 1e-12);
    const RateInterval all = exactRateInterval(100, 100);
    QCOMPARE(all.high, 1.0);
    QVERIFY(std::fabs(all.low - std::pow(0.025, 1.0 / 100)) < 1e-12);
}

void tst_RateInterval::noGuessesTellNothing()
{
    const RateInterval interval = exactRateInterval(0, 0);
    QCOMPARE(interval.low, 0.0);
    QCOMPARE(interval.high, 1.0);
}

QTEST_GUILESS_MAIN(tst_RateInterval)
#include "tst_rate_interval.moc"
