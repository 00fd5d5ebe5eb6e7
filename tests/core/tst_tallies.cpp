#include "symboltest/outcome.h"
#include "symboltest/symbol_test.h"

#include <QTest>

Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(Outcome)

class tst_Tallies : public QObject
{
    Q_OBJECT

private slots:
    void judgingComparesPositionPlusOne_data();
    void judgingComparesPositionPlusOne();
    void recording_data();
    void recording();
    void guessesAtOneLevelLeaveTheOthers();
    void outcomeTexts_data();
    void outcomeTexts();
};

void tst_Tallies::judgingComparesPositionPlusOne_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<int>("position");
    QTest::addColumn<Outcome>("outcome");
    QTest::newRow("beginner 0 on 1") << Level::Beginner << 1 << 0 << Outcome::Right;
    QTest::newRow("beginner 1 on 1") << Level::Beginner << 1 << 1 << Outcome::Wrong;
    QTest::newRow("expert 9 on 10") << Level::Expert << 10 << 9 << Outcome::Right;
    QTest::newRow("expert 9 on 9") << Level::Expert << 9 << 9 << Outcome::Wrong;
    QTest::newRow("expert 8 on 9") << Level::Expert << 9 << 8 << Outcome::Right;
    QTest::newRow("intermediate 7 on 8") << Level::Intermediate << 8 << 7 << Outcome::Right;
    QTest::newRow("before any draw") << Level::Intermediate << 0 << 0 << Outcome::Wrong;
}

void tst_Tallies::judgingComparesPositionPlusOne()
{
    QFETCH(Level, level);
    QFETCH(int, drawn);
    QFETCH(int, position);
    QFETCH(Outcome, outcome);
    modSymbolTest test;
    test.intDrawnBeginner = test.intDrawnIntermediate = test.intDrawnExpert = std::int16_t(drawn);
    QCOMPARE(test.JudgeGuess(level, std::int16_t(position)), outcome);
}

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
        modSymbolTest test;
        test.intCorrect[LevelIndex(level)] = std::int16_t(correctBefore);
        test.intAttempts[LevelIndex(level)] = std::int16_t(attemptsBefore);
        test.RecordGuess(level, outcome);
        QCOMPARE(int(test.CorrectCount(level)), correctAfter);
        QCOMPARE(int(test.AttemptsCount(level)), attemptsAfter);
    }
}

void tst_Tallies::guessesAtOneLevelLeaveTheOthers()
{
    modSymbolTest test;
    test.RecordGuess(Level::Intermediate, Outcome::Right);
    test.RecordGuess(Level::Intermediate, Outcome::Wrong);
    QCOMPARE(int(test.CorrectCount(Level::Intermediate)), 1);
    QCOMPARE(int(test.AttemptsCount(Level::Intermediate)), 2);
    for (Level other : {Level::Beginner, Level::Expert}) {
        QCOMPARE(int(test.CorrectCount(other)), 0);
        QCOMPARE(int(test.AttemptsCount(other)), 0);
    }
}

void tst_Tallies::outcomeTexts_data()
{
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("red");
    QTest::addColumn<int>("green");
    QTest::newRow("right") << Outcome::Right << "Correct"
                           << "This is the Right Answer! Now take a deep breath, relax your mind and aim to predict the right answer again."
                           << 0 << 128;
    QTest::newRow("wrong") << Outcome::Wrong << "Incorrect"
                           << "Incorrect: Don't lose hope! Relax, take a deep breath, keep a calm mind and guess again."
                           << 128 << 0;
}

void tst_Tallies::outcomeTexts()
{
    QFETCH(Outcome, outcome);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, red);
    QFETCH(int, green);
    QCOMPARE(QString::fromUtf8(OutcomeText(outcome)), text);
    QCOMPARE(QString::fromUtf8(ResultMessage(outcome)), message);
    QCOMPARE(MessageColour(outcome), (Rgb{red, green, 0}));
}

QTEST_GUILESS_MAIN(tst_Tallies)
#include "tst_tallies.moc"
