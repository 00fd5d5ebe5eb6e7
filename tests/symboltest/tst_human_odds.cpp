#include "symboltest/human_odds.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(OddsScale)

class tst_HumanOdds : public QObject
{
    Q_OBJECT

private slots:
    void roundedForReading_data();
    void roundedForReading();
};

void tst_HumanOdds::roundedForReading_data()
{
    QTest::addColumn<double>("log10Tail");
    QTest::addColumn<OddsScale>("scale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("powerOfTen");
    // Rows give the tail as 1 / N; N is rounded to two significant digits.
    const auto oneIn = [](double n) { return -std::log10(n); };
    QTest::newRow("1 in 40") << oneIn(40) << OddsScale::Units << 40.0 << 0;
    QTest::newRow("1 in 40.49 reads 40") << oneIn(40.49) << OddsScale::Units << 40.0 << 0;
    QTest::newRow("1 in 25 stays 25") << oneIn(25) << OddsScale::Units << 25.0 << 0;
    QTest::newRow("1 in 3.3 reads 3") << oneIn(1.0 / 0.3) << OddsScale::Units << 3.0 << 0;
    QTest::newRow("a sure thing is 1 in 1") << 0.0 << OddsScale::Units << 1.0 << 0;
    QTest::newRow("1 in 99.6 reads 100") << oneIn(99.6) << OddsScale::Units << 100.0 << 0;
    QTest::newRow("1 in 1,234 reads 1,200") << oneIn(1234) << OddsScale::Units << 1200.0 << 0;
    QTest::newRow("1 in 86,420 reads 86,000") << oneIn(86420) << OddsScale::Units << 86000.0 << 0;
    QTest::newRow("1 in 999,999 reads 1 million") << oneIn(999999) << OddsScale::Millions << 1.0 << 0;
    QTest::newRow("1 in 3,140,000 reads 3.1 million") << oneIn(3.14e6) << OddsScale::Millions << 3.1 << 0;
    QTest::newRow("1 in 2.5 billion") << oneIn(2.5e9) << OddsScale::Billions << 2.5 << 0;
    QTest::newRow("1 in 10 trillion") << -13.0 << OddsScale::Trillions << 10.0 << 0;
    QTest::newRow("1 in 999 trillion") << oneIn(9.99e14) << OddsScale::Trillions << 1000.0 << 0;
    QTest::newRow("1 in 10^15") << -15.0 << OddsScale::PowerOfTen << 0.0 << 15;
    QTest::newRow("1 in 10^400.5") << -400.5 << OddsScale::PowerOfTen << 0.0 << 400;
}

void tst_HumanOdds::roundedForReading()
{
    QFETCH(double, log10Tail);
    QFETCH(OddsScale, scale);
    QFETCH(double, value);
    QFETCH(int, powerOfTen);
    const HumanOdds odds = humanOdds(log10Tail);
    QCOMPARE(odds.scale, scale);
    if (scale == OddsScale::PowerOfTen)
        QCOMPARE(odds.powerOfTen, powerOfTen);
    else
        QVERIFY2(std::fabs(odds.value - value) < 1e-9 * value, qPrintable(QString::number(odds.value, 'g', 17)));
}

QTEST_GUILESS_MAIN(tst_HumanOdds)
#include "tst_human_odds.moc"
