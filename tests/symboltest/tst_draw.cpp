#include "fakes/scripted_random.h"
#include "symboltest/random_source.h"
#include "symboltest/symbol_test.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(Level)

class tst_Draw : public QObject
{
    Q_OBJECT

private slots:
    void edgesOfTheUnitInterval_data();
    void edgesOfTheUnitInterval();
    void drawsAreUniform_data();
    void drawsAreUniform();
    void generatorNeverReturnsOne();
    void bitsToFloatCoversTheWholeRange();
    void clockSeedsDiffer();
};

void tst_Draw::edgesOfTheUnitInterval_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("symbol");
    const float belowOne = std::nextafter(1.0f, 0.0f);
    // The symbol counts are written out: they are what the edges must reach.
    for (const auto &[level, count] : {std::pair{Level::Beginner, 5}, {Level::Intermediate, 8}, {Level::Expert, 10}}) {
        const QByteArray name = levelName(level);
        QTest::newRow(name + " r=0") << level << 0.0f << 1;
        QTest::newRow(name + " largest r") << level << belowOne << count;
        QTest::newRow(name + " r=0.5") << level << 0.5f << count / 2 + 1;
    }
    // A value just below a boundary stays on the lower symbol.
    QTest::newRow("beginner just below 0.2") << Level::Beginner << std::nextafter(0.2f, 0.0f) << 1;
    // The single-precision 0.9 lies just below 0.9, so it stays on symbol 9.
    QTest::newRow("expert single 0.9") << Level::Expert << 0.9f << 9;
    QTest::newRow("expert 0.9 + ulp") << Level::Expert << std::nextafter(0.9f, 1.0f) << 10;
}

void tst_Draw::edgesOfTheUnitInterval()
{
    QFETCH(Level, level);
    QFETCH(float, r);
    QFETCH(int, symbol);
    ScriptedRandom random{r};
    SymbolTest test;
    QCOMPARE(int(test.drawSymbol(level, random)), symbol);
    QCOMPARE(int(test.lastDraw(level)), symbol);
}

void tst_Draw::drawsAreUniform_data()
{
    QTest::addColumn<Level>("level");
    for (Level level : AllLevels)
        QTest::newRow(levelName(level)) << level;
}

// Every draw is one of the level's symbols, and they come evenly: Pearson's
// chi-square over 100,000 draws with a fixed seed, against the 0.999
// quantile for M - 1 degrees of freedom.
void tst_Draw::drawsAreUniform()
{
    QFETCH(Level, level);
    const int m = symbolCount(level);
    const double critical[] = {0, 0, 0, 0, 18.467, 0, 0, 24.322, 0, 27.877};
    ClockSeededRandom random(7);
    SymbolTest test;
    const int draws = 100000;
    std::vector<int> counts(m + 1, 0);
    for (int i = 0; i < draws; ++i) {
        const int symbol = test.drawSymbol(level, random);
        if (symbol < 1 || symbol > m)
            QFAIL(qPrintable(QStringLiteral("symbol %1 drawn").arg(symbol)));
        ++counts[symbol];
    }
    const double expected = double(draws) / m;
    double chiSquare = 0;
    for (int symbol = 1; symbol <= m; ++symbol)
        chiSquare += std::pow(counts[symbol] - expected, 2) / expected;
    QVERIFY2(chiSquare < critical[m - 1], qPrintable(QString::number(chiSquare)));
}

void tst_Draw::generatorNeverReturnsOne()
{
    ClockSeededRandom random(123456789);
    float largest = 0.0f;
    for (int i = 0; i < 20'000'000; ++i) {
        const float r = random.next();
        if (r >= 1.0f || r < 0.0f)
            QFAIL(qPrintable(QStringLiteral("value %1 out of [0, 1)").arg(double(r))));
        largest = std::max(largest, r);
    }
    QVERIFY(largest > 0.999f);
}

void tst_Draw::bitsToFloatCoversTheWholeRange()
{
    QCOMPARE(unitFloatFromBits(0), 0.0f);
    QCOMPARE(unitFloatFromBits(std::numeric_limits<std::uint32_t>::max()), std::nextafter(1.0f, 0.0f));
    QVERIFY(unitFloatFromBits(0x80000000u) == 0.5f);
}

void tst_Draw::clockSeedsDiffer()
{
    ClockSeededRandom first;
    ClockSeededRandom second;
    bool differ = false;
    for (int i = 0; i < 8 && !differ; ++i)
        differ = first.next() != second.next();
    QVERIFY(differ);
}

QTEST_GUILESS_MAIN(tst_Draw)
#include "tst_draw.moc"
