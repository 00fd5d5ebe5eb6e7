#include "symboltest/chance_evidence.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(ChanceVerdictKind)

class tst_ChanceEvidence : public QObject
{
    Q_OBJECT

private slots:
    void evidenceIsAFairBetUnderChance_data();
    void evidenceIsAFairBetUnderChance();
    void noEvidenceBeforeTheFirstGuess();
    void verdictOnAScore_data();
    void verdictOnAScore();
    void bandEdgesAreWhereTheVerdictChanges_data();
    void bandEdgesAreWhereTheVerdictChanges();
    void countsWalkedGuessByGuessAgreeWithTheVerdict();
};

void tst_ChanceEvidence::evidenceIsAFairBetUnderChance_data()
{
    QTest::addColumn<int>("symbols");
    QTest::addColumn<int>("guesses");
    QTest::addColumn<int>("rights");
    QTest::newRow("Beginner, first guess") << 5 << 0 << 0;
    QTest::newRow("Beginner 7 of 20") << 5 << 20 << 7;
    QTest::newRow("Intermediate 0 of 50") << 8 << 50 << 0;
    QTest::newRow("Intermediate 50 of 50") << 8 << 50 << 50;
    QTest::newRow("Expert 1,000 of 100,000") << 10 << 100000 << 1000;
    QTest::newRow("Expert 100,000 of 10^6") << 10 << 1000000 << 100000;
}

// What makes the verdict valid however often it is looked at: under chance
// the next guess is right with probability 1/m, and the evidence expected
// after it is exactly the evidence before it (a martingale).
void tst_ChanceEvidence::evidenceIsAFairBetUnderChance()
{
    QFETCH(int, symbols);
    QFETCH(int, guesses);
    QFETCH(int, rights);
    const double p = 1.0 / symbols;
    const double now = logEvidenceAgainstChance(guesses, rights, symbols);
    const double ifRight = logEvidenceAgainstChance(guesses + 1, rights + 1, symbols);
    const double ifWrong = logEvidenceAgainstChance(guesses + 1, rights, symbols);
    const double expected = p * std::exp(ifRight - now) + (1.0 - p) * std::exp(ifWrong - now);
    QVERIFY2(std::fabs(expected - 1.0) < 1e-7, qPrintable(QString::number(expected, 'g', 17)));
    // Well above chance, a right guess raises the evidence, a wrong one
    // lowers it.
    if (2 * rights * symbols > 3 * guesses)
        QVERIFY(ifRight > now && ifWrong < now);
}

void tst_ChanceEvidence::noEvidenceBeforeTheFirstGuess()
{
    for (int symbols : {5, 8, 10}) {
        QCOMPARE(logEvidenceAgainstChance(0, 0.0, symbols), 0.0);
        QCOMPARE(judgeAgainstChance(0, 0, symbols), ChanceVerdictKind::NotEnoughGuesses);
    }
    // The bound that a verdict needs: 1 / (5 % / 3), i.e. evidence of 60 to 1.
    QVERIFY(std::fabs(std::exp(logEvidenceNeeded()) - 60.0) < 1e-9);
}

void tst_ChanceEvidence::verdictOnAScore_data()
{
    QTest::addColumn<int>("symbols");
    QTest::addColumn<int>("guesses");
    QTest::addColumn<int>("rights");
    QTest::addColumn<ChanceVerdictKind>("kind");
    const auto consistent = ChanceVerdictKind::ConsistentWithChance;
    // Histories a pure guesser reaches easily must read as chance.
    QTest::newRow("Beginner 437 of 2,000") << 5 << 2000 << 437 << consistent;
    QTest::newRow("Intermediate 79 of 500") << 8 << 500 << 79 << consistent;
    QTest::newRow("Expert 80 of 1,000") << 10 << 1000 << 80 << consistent;
    // z = +-2.6 after 20,000 and 100,000 guesses.
    for (int symbols : {5, 8, 10}) {
        for (int guesses : {20000, 100000}) {
            const double p = 1.0 / symbols;
            for (int side : {-1, 1}) {
                const int rights = int(std::lround(guesses * p + side * 2.6 * std::sqrt(guesses * p * (1 - p))));
                QTest::addRow("%d symbols, z = %+.1f after %d", symbols, side * 2.6, guesses)
                    << symbols << guesses << rights << consistent;
            }
        }
    }
    // A real gift, or a real avoidance, is told.
    QTest::newRow("Beginner 300 of 1,000") << 5 << 1000 << 300 << ChanceVerdictKind::BetterThanChance;
    QTest::newRow("Expert 40 of 200") << 10 << 200 << 40 << ChanceVerdictKind::BetterThanChance;
    QTest::newRow("Beginner none of 60") << 5 << 60 << 0 << ChanceVerdictKind::WorseThanChance;
    QTest::newRow("Expert none of 100") << 10 << 100 << 0 << ChanceVerdictKind::WorseThanChance;
    // A few lucky guesses cannot be told from luck at all.
    QTest::newRow("Beginner 4 of 4") << 5 << 4 << 4 << ChanceVerdictKind::NotEnoughGuesses;
    QTest::newRow("Expert 3 of 3") << 10 << 3 << 3 << ChanceVerdictKind::NotEnoughGuesses;
}

void tst_ChanceEvidence::verdictOnAScore()
{
    QFETCH(int, symbols);
    QFETCH(int, guesses);
    QFETCH(int, rights);
    QFETCH(ChanceVerdictKind, kind);
    QCOMPARE(judgeAgainstChance(guesses, rights, symbols), kind);
}

void tst_ChanceEvidence::bandEdgesAreWhereTheVerdictChanges_data()
{
    QTest::addColumn<int>("symbols");
    QTest::addColumn<int>("guesses");
    QTest::newRow("Beginner 50") << 5 << 50;
    QTest::newRow("Beginner 1,000") << 5 << 1000;
    QTest::newRow("Intermediate 333") << 8 << 333;
    QTest::newRow("Expert 12,345") << 10 << 12345;
}

// The chart's band is the verdict drawn: a count just inside an edge is
// consistent with chance, the next one out gets a verdict.
void tst_ChanceEvidence::bandEdgesAreWhereTheVerdictChanges()
{
    QFETCH(int, symbols);
    QFETCH(int, guesses);
    const NoVerdictBand band = noVerdictBand(guesses, symbols);
    QVERIFY(band.low < 1.0 / symbols && 1.0 / symbols < band.high);
    const auto most = std::int64_t(std::ceil(band.high * guesses));
    const auto fewest = std::int64_t(std::floor(band.low * guesses));
    QCOMPARE(judgeAgainstChance(guesses, most, symbols), ChanceVerdictKind::BetterThanChance);
    QCOMPARE(judgeAgainstChance(guesses, most - 1, symbols), ChanceVerdictKind::ConsistentWithChance);
    QCOMPARE(judgeAgainstChance(guesses, fewest, symbols), ChanceVerdictKind::WorseThanChance);
    QCOMPARE(judgeAgainstChance(guesses, fewest + 1, symbols), ChanceVerdictKind::ConsistentWithChance);
}

// The walk behind the exact chances and the simulations must be the very
// verdict the window shows, at every count.
void tst_ChanceEvidence::countsWalkedGuessByGuessAgreeWithTheVerdict()
{
    for (int symbols : {5, 8, 10}) {
        NoVerdictCountsWalk walk(symbols);
        for (std::int64_t n = 1; n <= 400; ++n) {
            const NoVerdictCounts &counts = walk.step();
            for (std::int64_t rights = 0; rights <= n; ++rights) {
                const ChanceVerdictKind kind = judgeAgainstChance(n, rights, symbols);
                const bool verdict =
                    kind == ChanceVerdictKind::BetterThanChance || kind == ChanceVerdictKind::WorseThanChance;
                const bool walked = rights <= counts.fewestRight || rights >= counts.mostRight;
                if (verdict != walked)
                    QFAIL(qPrintable(QStringLiteral("%1 symbols, %2 of %3").arg(symbols).arg(rights).arg(n)));
            }
        }
        // Further on, the edges themselves: the first count with a verdict
        // on either side, and the one before it without.
        const auto isVerdict = [&](std::int64_t n, std::int64_t rights) {
            const ChanceVerdictKind kind = judgeAgainstChance(n, rights, symbols);
            return kind == ChanceVerdictKind::BetterThanChance || kind == ChanceVerdictKind::WorseThanChance;
        };
        for (std::int64_t n = 401; n <= 20000; ++n) {
            const NoVerdictCounts &counts = walk.step();
            if (n % 997 != 0)
                continue;
            QVERIFY(isVerdict(n, counts.mostRight) && !isVerdict(n, counts.mostRight - 1));
            QVERIFY(isVerdict(n, counts.fewestRight) && !isVerdict(n, counts.fewestRight + 1));
        }
    }
}

QTEST_GUILESS_MAIN(tst_ChanceEvidence)
#include "tst_chance_evidence.moc"
