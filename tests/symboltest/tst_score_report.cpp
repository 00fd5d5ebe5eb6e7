#include "symboltest/score_report.h"
#include "fakes/tallies.h"
#include "symboltest/symbol_test.h"

#include <QTest>

class tst_ScoreReport : public QObject
{
    Q_OBJECT

private slots:
    void countsGoToTheirLevels();
};

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

QTEST_GUILESS_MAIN(tst_ScoreReport)
#include "tst_score_report.moc"
