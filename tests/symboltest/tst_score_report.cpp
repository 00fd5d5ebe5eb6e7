#include "symboltest/score_report.h"
#include "fakes/tallies.h"
#include "symboltest/symbol_test.h"

#include <QTest>

class tst_ScoreReport : public QObject
{
    Q_OBJECT

private slots:
    void beforeAnyGuess();
    void countsGoToTheirLevels();
    void limitIsWrittenPlain();
};

void tst_ScoreReport::beforeAnyGuess()
{
    const SymbolTest test;
    QCOMPARE(QByteArray::fromStdString(scoreReport(test)),
             QByteArray("\r\n\r\nBeginner level :-  0 Correct Out Of 0 Attempts"
                        "\r\n\r\nIntermediate Level :-  0 Correct Out Of 0 Attempts"
                        "\r\n\r\nExpert level :-  0 Correct Out Of 0 Attempts"));
}

void tst_ScoreReport::countsGoToTheirLevels()
{
    SymbolTest test;
    recordTally(test, Level::Beginner, 1, 3);
    recordTally(test, Level::Intermediate, 4, 12);
    recordTally(test, Level::Expert, 7, 250);
    const QByteArray report = QByteArray::fromStdString(scoreReport(test));
    QVERIFY(report.contains("Beginner level :-  1 Correct Out Of 3 Attempts\r\n"));
    QVERIFY(report.contains("Intermediate Level :-  4 Correct Out Of 12 Attempts\r\n"));
    QVERIFY(report.endsWith("Expert level :-  7 Correct Out Of 250 Attempts"));
}

void tst_ScoreReport::limitIsWrittenPlain()
{
    SymbolTest test;
    recordTally(test, Level::Beginner, 32767, 32767);
    recordTally(test, Level::Intermediate, 0, 32767);
    recordTally(test, Level::Expert, 32767, 32767);
    const QByteArray report = QByteArray::fromStdString(scoreReport(test));
    QCOMPARE(report,
             QByteArray("\r\n\r\nBeginner level :-  32767 Correct Out Of 32767 Attempts"
                        "\r\n\r\nIntermediate Level :-  0 Correct Out Of 32767 Attempts"
                        "\r\n\r\nExpert level :-  32767 Correct Out Of 32767 Attempts"));
}

QTEST_GUILESS_MAIN(tst_ScoreReport)
#include "tst_score_report.moc"
