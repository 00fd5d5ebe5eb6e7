#include "symboltest/binomial_tail.h"

#include <QTest>

#include <cmath>
#include <limits>

class tst_BinomialTail : public QObject
{
    Q_OBJECT

private slots:
    void matchesExactSums_data();
    void matchesExactSums();
    void tailsTooSmallForADoubleKeepTheirSize();
    void outsideTheRangeOfScores();
    void certainAndImpossibleGuesses();
    void invalidArgumentsAreNotANumber();
    void tailsMeetAtEveryScore();
};

namespace {

// Close within 1e-12 relative, or 1e-12 absolute near 0 (log10 of tails
// close to 1).
bool close(double actual, double expected)
{
    if (std::isinf(expected))
        return actual == expected;
    return std::fabs(actual - expected) <= 1e-12 * std::max(1.0, std::fabs(expected));
}

bool closeRelative(double actual, double expected)
{
    if (expected == 0.0)
        return actual == 0.0;
    return std::fabs(actual / expected - 1.0) <= 1e-12;
}

} // namespace

void tst_BinomialTail::matchesExactSums_data()
{
    QTest::addColumn<qint64>("n");
    QTest::addColumn<qint64>("k");
    QTest::addColumn<int>("symbolCount");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("log10Upper");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("log10Lower");
    // From tests/symboltest/binomial_reference.py: exact integer sums of
    // C(n, j) (M-1)^(n-j) / M^n (for n > 1000 stopped where the rest is below
    // 1e-40 of the sum), rounded at 60 digits; p = 1 / symbolCount. A tail
    // below the smallest double is written as 0 in the plain column.
    QTest::newRow("no guesses") << 0ll << 0ll << 5 << 1.0 << 0.0 << 1.0 << 0.0;
    QTest::newRow("k = 0") << 10ll << 0ll << 5 << 1.0 << 0.0 << 0.1073741824 << -0.96910013008056414;
    QTest::newRow("k = n") << 10ll << 10ll << 5 << 1.024e-7 << -6.989700043360188 << 1.0 << 0.0;
    QTest::newRow("Beginner 8 of 20") << 20ll << 8ll << 5 << 0.032142663080875131 << -1.4929181439567454
                                      << 0.9900182136792757 << -0.0043568154755391412;
    QTest::newRow("Expert 2 of 20") << 20ll << 2ll << 10 << 0.60825300187483229 << -0.21591573904415092
                                    << 0.67692680518946604 << -0.16945828821419172;
    QTest::newRow("Intermediate 12 of 50") << 50ll << 12ll << 8 << 0.018265381072730561 << -1.7383712626221891
                                           << 0.9927866884846695 << -0.0031440545919322642;
    QTest::newRow("none of 100") << 100ll << 0ll << 5 << 1.0 << 0.0 << 2.0370359763344861e-10 << -9.6910013008056414;
    QTest::newRow("30 of 100") << 100ll << 30ll << 5 << 0.011248978720991634 << -1.9488869047500593
                               << 0.99394066451895702 << -0.0026395409962013167;
    QTest::newRow("tiny tail 250 of 500") << 500ll << 250ll << 10 << 4.7725016853490875e-113 << -112.32125390956862
                                          << 1.0 << 0.0;
    QTest::newRow("all 1000 right, 1e-1000") << 1000ll << 1000ll << 10 << 0.0 << -1000.0 << 1.0 << 0.0;
    QTest::newRow("600 of 1000, below denormals") << 1000ll << 600ll << 10 << 0.0 << -327.57369869773574 << 1.0
                                                  << 0.0;
    QTest::newRow("100000 at the mean") << 100000ll << 20000ll << 5 << 0.50126156452633306 << -0.29993559471682619
                                        << 0.50189233732784134 << -0.29938943488506625;
    QTest::newRow("100000 above the mean") << 100000ll << 20500ll << 5 << 4.1168029478463274e-5
                                           << -4.3854399201560433 << 0.99996015889086054 << -1.7303118542179089e-5;
    QTest::newRow("100000 below the mean") << 100000ll << 19500ll << 5 << 0.99996384152692958
                                           << -1.5703709241316956e-5 << 3.7384697581179907e-5 << -4.4273061281738087;
    QTest::newRow("100000 far above") << 100000ll << 30000ll << 5 << 0.0 << -1225.4815337063534 << 1.0 << 0.0;
    QTest::newRow("million above the mean") << 1000000ll << 125500ll << 8 << 0.065539195267057946
                                            << -1.1834988954715217 << 0.93484534120252008 << -0.029260231927521822;
    QTest::newRow("million below the mean") << 1000000ll << 124000ll << 8 << 0.99877041386391916
                                            << -0.00053433104430860999 << 0.001241975358869562
                                            << -2.9058870205951365;
}

void tst_BinomialTail::matchesExactSums()
{
    QFETCH(qint64, n);
    QFETCH(qint64, k);
    QFETCH(int, symbolCount);
    QFETCH(double, upper);
    QFETCH(double, log10Upper);
    QFETCH(double, lower);
    QFETCH(double, log10Lower);
    const double p = 1.0 / symbolCount;
    const auto show = [](double v) { return qPrintable(QString::number(v, 'g', 17)); };
    QVERIFY2(closeRelative(binomialUpperTail(n, k, p), upper), show(binomialUpperTail(n, k, p)));
    QVERIFY2(close(log10BinomialUpperTail(n, k, p), log10Upper), show(log10BinomialUpperTail(n, k, p)));
    QVERIFY2(closeRelative(binomialLowerTail(n, k, p), lower), show(binomialLowerTail(n, k, p)));
    QVERIFY2(close(log10BinomialLowerTail(n, k, p), log10Lower), show(log10BinomialLowerTail(n, k, p)));
}

// Where the plain tail is 0, its log10 still tells how small it is; where it
// fits a double it is not flushed to 0.
void tst_BinomialTail::tailsTooSmallForADoubleKeepTheirSize()
{
    QVERIFY(binomialUpperTail(500, 250, 0.1) > 0.0);
    QCOMPARE(binomialUpperTail(1000, 1000, 0.1), 0.0);
    QVERIFY(std::isfinite(log10BinomialUpperTail(1000, 1000, 0.1)));
    // Ten million guesses, every one right.
    QVERIFY(close(log10BinomialUpperTail(10000000, 10000000, 0.1), -1e7));
}

void tst_BinomialTail::outsideTheRangeOfScores()
{
    QCOMPARE(binomialUpperTail(10, 11, 0.2), 0.0);
    QCOMPARE(log10BinomialUpperTail(10, 11, 0.2), -std::numeric_limits<double>::infinity());
    QCOMPARE(binomialUpperTail(10, -1, 0.2), 1.0);
    QCOMPARE(binomialLowerTail(10, -1, 0.2), 0.0);
    QCOMPARE(binomialLowerTail(10, 10, 0.2), 1.0);
    QCOMPARE(binomialLowerTail(0, 0, 0.2), 1.0);
}

void tst_BinomialTail::certainAndImpossibleGuesses()
{
    QCOMPARE(binomialUpperTail(10, 1, 0.0), 0.0);
    QCOMPARE(binomialUpperTail(10, 10, 1.0), 1.0);
    QCOMPARE(binomialLowerTail(10, 9, 1.0), 0.0);
    QCOMPARE(binomialLowerTail(10, 0, 0.0), 1.0);
}

void tst_BinomialTail::invalidArgumentsAreNotANumber()
{
    QVERIFY(std::isnan(binomialUpperTail(-1, 0, 0.2)));
    QVERIFY(std::isnan(binomialUpperTail(10, 3, 1.5)));
    QVERIFY(std::isnan(binomialLowerTail(10, 3, -0.1)));
    QVERIFY(std::isnan(log10BinomialUpperTail(10, 3, std::numeric_limits<double>::quiet_NaN())));
}

// P(X >= k) + P(X <= k - 1) = 1 at every k, on both sides of the mean, where
// the two are summed from different ends.
void tst_BinomialTail::tailsMeetAtEveryScore()
{
    for (int k = 0; k <= 37; ++k) {
        const double sum = binomialUpperTail(37, k, 0.125) + binomialLowerTail(37, k - 1, 0.125);
        QVERIFY2(std::fabs(sum - 1.0) < 1e-14, qPrintable(QString("k = %1: %2").arg(k).arg(sum, 0, 'g', 17)));
    }
}

QTEST_GUILESS_MAIN(tst_BinomialTail)
#include "tst_binomial_tail.moc"
