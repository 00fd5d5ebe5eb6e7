#include "fakes/tallies.h"
#include "symboltest/outcome.h"
#include "symboltest/symbol_test.h"

#include <QTest>

Q_DECLARE_METATYPE(Outcome)

class tst_Tallies : public QObject
{
    Q_OBJECT

private slots:
    void recording_data();
    void recording();
};

void tst_Tallies::recording_data()
{
    QTest::addColumn<int>("correctBefore");
    QTest::addColumn<int>("attemptsBefore");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("correctAfter");
    QTest::addColumn<int>("attemptsAfter");
    QTest::newRow("first right") << 0 << 0 << Outcome::Right << 1 << 1;
    QTest::newRow("first wrong") << 0 << 0 << Outcome::Wrong << 0 << 1;
    QTest::newRow("right at attempts limit") << 100 << 32767 << Outcome::Right << 101 << 32767;
    QTest::newRow("wrong at attempts limit") << 100 << 32767 << Outcome::Wrong << 100 << 32767;
    QTest::newRow("right with both at limit") << 32767 << 32767 << Outcome::Right << 32767 << 32767;
    QTest::newRow("wrong with both at limit") << 32767 << 32767 << Outcome::Wrong << 32767 << 32767;
    QTest::newRow("right one below limit") << 32766 << 32766 << Outcome::Right << 32767 << 32767;
}

void tst_Tallies::recording()
{
    QFETCH(int, correctBefore);
    QFETCH(int, attemptsBefore);
    QFETCH(Outcome, outcome);
    QFETCH(int, correctAfter);
    QFETCH(int, attemptsAfter);
    for (Level level : AllLevels) {
        SymbolTest test;
        recordTally(test, level, correctBefore, attemptsBefore);
        test.recordGuess(level, outcome);
        QCOMPARE(int(test.correctCount(level)), correctAfter);
        QCOMPARE(int(test.attemptsCount(level)), attemptsAfter);
    }
}

QTEST_GUILESS_MAIN(tst_Tallies)
#include "tst_tallies.moc"
