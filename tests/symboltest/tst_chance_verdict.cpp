#include "symboltest/chance_verdict.h"
#include "symboltest/level_statistics.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(ChanceVerdictKind)

class tst_ChanceVerdict : public QObject
{
    Q_OBJECT

private slots:
    void ruleAtTheFivePercentLine_data();
    void ruleAtTheFivePercentLine();
    void scoresEitherSideOfTheLine_data();
    void scoresEitherSideOfTheLine();
    void perfectScoresBeyondWhatADoubleHolds();
    void levelSummary();
};

void tst_ChanceVerdict::ruleAtTheFivePercentLine_data()
{
    QTest::addColumn<double>("bestPossible");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("lower");
    QTest::addColumn<ChanceVerdictKind>("kind");
    const double justAbove = std::nextafter(0.05, 1.0);
    QTest::newRow("upper tail exactly 5 %") << 0.01 << 0.05 << 0.99 << ChanceVerdictKind::BetterThanChance;
    QTest::newRow("upper tail just above 5 %") << 0.01 << justAbove << 0.99 << ChanceVerdictKind::ConsistentWithChance;
    QTest::newRow("lower tail exactly 5 %") << 0.01 << 0.99 << 0.05 << ChanceVerdictKind::WorseThanChance;
    QTest::newRow("lower tail just above 5 %") << 0.01 << 0.99 << justAbove << ChanceVerdictKind::ConsistentWithChance;
    QTest::newRow("perfect score exactly 5 %") << 0.05 << 0.05 << 1.0 << ChanceVerdictKind::BetterThanChance;
    QTest::newRow("perfect score just above 5 %") << justAbove << justAbove << 1.0 << ChanceVerdictKind::NotEnoughGuesses;
    // No guesses: every tail is 1, nothing could be told.
    QTest::newRow("no guesses") << 1.0 << 1.0 << 1.0 << ChanceVerdictKind::NotEnoughGuesses;
}

void tst_ChanceVerdict::ruleAtTheFivePercentLine()
{
    QFETCH(double, bestPossible);
    QFETCH(double, upper);
    QFETCH(double, lower);
    QFETCH(ChanceVerdictKind, kind);
    const ChanceVerdict verdict =
        verdictFromTails(bestPossible, upper, std::log10(upper), lower, std::log10(lower));
    QCOMPARE(verdict.kind, kind);
}

void tst_ChanceVerdict::scoresEitherSideOfTheLine_data()
{
    QTest::addColumn<int>("guesses");
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("symbolCount");
    QTest::addColumn<ChanceVerdictKind>("kind");
    QTest::addColumn<double>("log10Luck");
    // Tails computed with Python's fractions.Fraction and math.comb, summing
    // C(n, j) (M-1)^(n-j) / M^n; log10Luck is log10 of the tail the verdict
    // rests on (0 where there is none).
    QTest::newRow("Beginner 7 of 20 (upper 0.0867)") << 20 << 7 << 5 << ChanceVerdictKind::ConsistentWithChance << 0.0;
    QTest::newRow("Beginner 8 of 20 (upper 0.0321)") << 20 << 8 << 5 << ChanceVerdictKind::BetterThanChance << -1.4929181439567454;
    QTest::newRow("Intermediate 9 of 44 (upper 0.0913)") << 44 << 9 << 8 << ChanceVerdictKind::ConsistentWithChance << 0.0;
    QTest::newRow("Intermediate 10 of 44 (upper 0.0420)") << 44 << 10 << 8 << ChanceVerdictKind::BetterThanChance << -1.3768188692729917;
    QTest::newRow("Expert 7 of 40 (upper 0.0995)") << 40 << 7 << 10 << ChanceVerdictKind::ConsistentWithChance << 0.0;
    QTest::newRow("Expert 8 of 40 (upper 0.0419)") << 40 << 8 << 10 << ChanceVerdictKind::BetterThanChance << -1.3777658416455447;
    QTest::newRow("Beginner 3 of 30 (lower 0.1227)") << 30 << 3 << 5 << ChanceVerdictKind::ConsistentWithChance << 0.0;
    QTest::newRow("Beginner 2 of 30 (lower 0.0442)") << 30 << 2 << 5 << ChanceVerdictKind::WorseThanChance << -1.3547842646517692;
    QTest::newRow("Expert 2 of 60 (lower 0.0530)") << 60 << 2 << 10 << ChanceVerdictKind::ConsistentWithChance << 0.0;
    QTest::newRow("Expert 1 of 60 (lower 0.0138)") << 60 << 1 << 10 << ChanceVerdictKind::WorseThanChance << -1.860842852342577;
    QTest::newRow("Beginner none of 100 (lower 2e-10)") << 100 << 0 << 5 << ChanceVerdictKind::WorseThanChance << -9.691001300805642;
    // One guess cannot beat chance at any level; two right ones can.
    QTest::newRow("Expert 1 of 1 (perfect 0.1)") << 1 << 1 << 10 << ChanceVerdictKind::NotEnoughGuesses << 0.0;
    QTest::newRow("Beginner 2 of 2 (perfect 0.04)") << 2 << 2 << 5 << ChanceVerdictKind::BetterThanChance << -1.3979400086720375;
    QTest::newRow("Beginner 0 of 2") << 2 << 0 << 5 << ChanceVerdictKind::ConsistentWithChance << 0.0;
    QTest::newRow("no guesses") << 0 << 0 << 5 << ChanceVerdictKind::NotEnoughGuesses << 0.0;
}

void tst_ChanceVerdict::scoresEitherSideOfTheLine()
{
    QFETCH(int, guesses);
    QFETCH(int, rights);
    QFETCH(int, symbolCount);
    QFETCH(ChanceVerdictKind, kind);
    QFETCH(double, log10Luck);
    const ChanceVerdict verdict = judgeAgainstChance(guesses, rights, 1.0 / symbolCount);
    QCOMPARE(verdict.kind, kind);
    QVERIFY2(std::fabs(verdict.log10Luck - log10Luck) < 1e-12,
             qPrintable(QString::number(verdict.log10Luck, 'g', 17)));
}

// A long perfect run is still judged, and its luck is still told, where the
// tail itself is far below the smallest double.
void tst_ChanceVerdict::perfectScoresBeyondWhatADoubleHolds()
{
    const ChanceVerdict verdict = judgeAgainstChance(1000, 1000, 0.1);
    QCOMPARE(verdict.kind, ChanceVerdictKind::BetterThanChance);
    QVERIFY2(std::fabs(verdict.log10Luck + 1000.0) < 1e-9, qPrintable(QString::number(verdict.log10Luck, 'g', 17)));
}

void tst_ChanceVerdict::levelSummary()
{
    // 30 right out of 100 Beginner guesses; P(X >= 30) = 0.011248978720991634
    // and P(X <= 30) = 0.99394066451895702 (exact sums, as above).
    const LevelStatistics s = summarizeLevel(100, 30, 5);
    QCOMPARE(s.guesses, 100);
    QCOMPARE(s.rights, 30);
    QCOMPARE(s.hitRate, 0.3);
    QCOMPARE(s.chanceRate, 0.2);
    QVERIFY(std::fabs(s.upperTail / 0.011248978720991634 - 1.0) < 1e-12);
    QVERIFY(std::fabs(s.lowerTail / 0.99394066451895702 - 1.0) < 1e-12);
    QVERIFY(std::fabs(s.log10UpperTail - std::log10(0.011248978720991634)) < 1e-12);
    QCOMPARE(s.verdict.kind, ChanceVerdictKind::BetterThanChance);
    QCOMPARE(s.verdict.log10Luck, s.log10UpperTail);
}

QTEST_GUILESS_MAIN(tst_ChanceVerdict)
#include "tst_chance_verdict.moc"
