#include "services/banner_number.h"
#include "fakes/scripted_random.h"
#include "symboltest/random_source.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <array>
#include <cmath>

class tst_BannerNumber : public QObject
{
    Q_OBJECT

private slots:
    void numberIsNearestWithHalvesToEven_data();
    void numberIsNearestWithHalvesToEven();
    void pickFollowsTheExpectedChances();
    void cleanup();
};

void tst_BannerNumber::numberIsNearestWithHalvesToEven_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("expected");
    QTest::newRow("zero") << 0.0f << 1;
    QTest::newRow("just below 1.5") << 0.0833f << 1;
    QTest::newRow("just above 1.5") << 0.0834f << 2;
    QTest::newRow("2.5 goes down to even") << 0.25f << 2;
    QTest::newRow("exactly 4") << 0.5f << 4;
    QTest::newRow("5.5 goes up to even") << 0.75f << 6;
    QTest::newRow("just below 6.5") << 0.9166f << 6;
    QTest::newRow("just above 6.5") << 0.9167f << 7;
    QTest::newRow("largest value below one") << std::nextafter(1.0f, 0.0f) << 7;
}

void tst_BannerNumber::numberIsNearestWithHalvesToEven()
{
    QFETCH(float, r);
    QFETCH(int, expected);
    QCOMPARE(int(bannerNumber(r)), expected);
}

void tst_BannerNumber::pickFollowsTheExpectedChances()
{
    // 1 and 7 each take a half-width interval at the ends: 1/12 each, 2 to 6
    // 1/6 each; so the co-branding label comes forward in 5/12 of the runs,
    // the full-branding one in 1/2, and nothing moves in 1/12.
    ClockSeededRandom random(20261208u);
    constexpr int runs = 120000;
    std::array<int, 8> counts{};
    for (int i = 0; i < runs; ++i) {
        const int number = bannerNumber(random.next());
        QVERIFY2(number >= 1 && number <= 7, qPrintable(QString::number(number)));
        ++counts[std::size_t(number)];
    }
    const auto share = [](int count) { return double(count) / runs; };
    QVERIFY(std::abs(share(counts[1]) - 1.0 / 12) < 0.005);
    QVERIFY(std::abs(share(counts[7]) - 1.0 / 12) < 0.005);
    for (int number = 2; number <= 6; ++number)
        QVERIFY2(std::abs(share(counts[std::size_t(number)]) - 1.0 / 6) < 0.006, qPrintable(QString::number(number)));
    QVERIFY(std::abs(share(counts[1] + counts[3] + counts[5]) - 5.0 / 12) < 0.008);
    QVERIFY(std::abs(share(counts[2] + counts[4] + counts[6]) - 1.0 / 2) < 0.008);
}

void tst_BannerNumber::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(tst_BannerNumber)
#include "tst_banner_number.moc"
