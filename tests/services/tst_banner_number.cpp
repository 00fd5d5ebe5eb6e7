#include "services/banner_number.h"

#include <QTest>

#include <cmath>

class tst_BannerNumber : public QObject
{
    Q_OBJECT

private slots:
    void numberIsNearestWithHalvesToEven_data();
    void numberIsNearestWithHalvesToEven();
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

QTEST_GUILESS_MAIN(tst_BannerNumber)
#include "tst_banner_number.moc"
