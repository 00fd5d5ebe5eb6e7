#include "find_control.h"
#include "history_test_support.h"
#include "statistics_test_support.h"
#include "window_test_support.h"

#include "symboltest/binomial_tail.h"
#include "ui/statistics_window.h"
#include "ui/widgets/hit_rate_chart.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(Level)

using namespace statistics_test;

// The Statistics window's figures, cell by cell, against what the test works
// out from the counts; and the words around them.
class tst_StatisticsFigures : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsEveryLevelsFiguresForThisRunAndAllTime_data();
    void showsEveryLevelsFiguresForThisRunAndAllTime();
    void verdictAndTailAreWordedTheRightWayRound_data();
    void verdictAndTailAreWordedTheRightWayRound();
    void guaranteeIsVisibleInTheWindow();
    void eachNewGuessShowsWhatAFreshLookWouldShow();
    void tellsHowManyRowsWereIgnoredAndHowManyAreNotYetSaved();

private:
    StatisticsWindow *open() { return statistics_test::openWindow(*m_run, m_window); }

    QPointer<StatisticsWindow> m_window;

    std::unique_ptr<HistoryRun> m_run;
};

void tst_StatisticsFigures::init()
{
    m_run = std::make_unique<HistoryRun>();
    QVERIFY(m_run->folder.isValid());
}

void tst_StatisticsFigures::cleanup()
{
    qDeleteAll(m_run->windows.openWindows());
    m_run.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_StatisticsFigures::showsEveryLevelsFiguresForThisRunAndAllTime_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("earlierRights");
    QTest::addColumn<int>("earlierWrongs");
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("wrongs");
    QTest::newRow("Beginner, both runs") << Level::Beginner << 5 << 15 << 4 << 6;
    QTest::newRow("Intermediate, only earlier runs") << Level::Intermediate << 3 << 21 << 0 << 0;
    QTest::newRow("Expert, only this run") << Level::Expert << 0 << 0 << 2 << 7;
    QTest::newRow("Expert, below chance") << Level::Expert << 1 << 30 << 0 << 9;
}
// Counts come from the history; the rates, intervals, differences and chance
// are worked out here from those counts, so the cells must agree with the
// arithmetic itself.
void tst_StatisticsFigures::showsEveryLevelsFiguresForThisRunAndAllTime()
{
    QFETCH(Level, level);
    QFETCH(int, earlierRights);
    QFETCH(int, earlierWrongs);
    QFETCH(int, rights);
    QFETCH(int, wrongs);

    m_run->openHistory();
    m_run->store(level, earlierRights, earlierWrongs);
    m_run->openHistory(); // the next run of the program
    m_run->store(level, rights, wrongs);
    StatisticsWindow *window = open();

    const int symbols = symbolCount(level);
    struct Expected
    {
        QTableWidget *table;
        int guesses;
        int right;
    };
    const int allGuesses = earlierRights + earlierWrongs + rights + wrongs;
    for (const Expected &expected : {Expected{thisRunTable(window), rights + wrongs, rights},
                                     Expected{allTimeTable(window), allGuesses, earlierRights + rights}}) {
        const QString period = expected.table->accessibleName() + QLatin1String(": ");
        const auto at = [&](Column column) { return cell(expected.table, level, column); };
        QCOMPARE(at(Column::GuessesColumn), QString::number(expected.guesses));
        QCOMPARE(at(Column::RightColumn), QString::number(expected.right));
        // "1 in m (100/m %)", whatever was guessed.
        const QList<double> chance = numbers(at(Column::ChanceColumn));
        QVERIFY2(chance.size() == 3 && chance[0] == 1 && chance[1] == symbols
                     && std::fabs(chance[2] - 100.0 / symbols) < 0.05,
                 qPrintable(period + at(Column::ChanceColumn)));
        if (expected.guesses == 0) {
            QCOMPARE(at(Column::HitRateColumn), QStringLiteral("\u2013"));
            continue;
        }
        const double rate = 100.0 * expected.right / expected.guesses;
        QVERIFY2(std::fabs(number(at(Column::HitRateColumn)) - rate) <= 0.05, qPrintable(period));
        // The interval holds the exact one, rounded outwards to 0.1 points.
        const QList<double> interval = numbers(at(Column::IntervalColumn));
        QVERIFY2(interval.size() == 2, qPrintable(period + at(Column::IntervalColumn)));
        const double low = expected.right == 0 ? 0.0 : 100.0 * intervalEnd(expected.guesses, expected.right, true);
        const double high = expected.right == expected.guesses
            ? 100.0
            : 100.0 * intervalEnd(expected.guesses, expected.right, false);
        QVERIFY2(interval[0] <= low + 1e-9 && low - interval[0] < 0.1 + 1e-9, qPrintable(period + at(Column::IntervalColumn)));
        QVERIFY2(interval[1] >= high - 1e-9 && interval[1] - high < 0.1 + 1e-9, qPrintable(period + at(Column::IntervalColumn)));
        // The difference from chance, signed, in points.
        const QString difference = at(Column::DifferenceColumn);
        QVERIFY2(std::fabs(number(difference) - (rate - 100.0 / symbols)) <= 0.05 + 1e-9, qPrintable(period + difference));
        QVERIFY2(difference.contains(QLatin1String("points")), qPrintable(difference));
    }
    // This run is descriptive only: it shows no verdict.
    QVERIFY(thisRunTable(window)->isColumnHidden(Column::VerdictColumn));
    QVERIFY(cell(thisRunTable(window), level, Column::VerdictColumn).isEmpty());
    QVERIFY(!cell(allTimeTable(window), level, Column::VerdictColumn).isEmpty());
    // The other levels stay empty.
    for (Level other : AllLevels) {
        if (other != level)
            QCOMPARE(cell(allTimeTable(window), other, Column::GuessesColumn), QStringLiteral("0"));
    }
}
void tst_StatisticsFigures::verdictAndTailAreWordedTheRightWayRound_data()
{
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("wrongs");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("tail");
    // What a pure guesser reaches easily: a fixed-sample tail near 5 %, but
    // no verdict.
    QTest::newRow("437 of 2,000") << 437 << 1563 << "consistent with chance" << "at least";
    QTest::newRow("half right of 200") << 100 << 100 << "better than chance" << "at least";
    QTest::newRow("none right of 60") << 0 << 60 << "worse than chance" << "at most";
}
void tst_StatisticsFigures::verdictAndTailAreWordedTheRightWayRound()
{
    QFETCH(int, rights);
    QFETCH(int, wrongs);
    QFETCH(QString, verdict);
    QFETCH(QString, tail);

    m_run->openHistory();
    StatisticsWindow *window = open();
    window->showSnapshot(snapshotOf(Level::Beginner, rights, wrongs));
    QCOMPARE(cell(allTimeTable(window), Level::Beginner, Column::VerdictColumn), verdict);

    // "a pure guesser does at least this well in about 1 of N such series",
    // N the odds of the tail on the side of the score, under a heading that
    // says it is not the verdict.
    const QString tails = control<QLabel>(window, "tailsNote")->text();
    QVERIFY2(tails.contains(QLatin1String("not the verdict")), qPrintable(tails));
    const QString line = tails.section(QLatin1Char('\n'), 1, 1);
    const QString start = QStringLiteral("Beginner: a pure guesser does %1 this well in ").arg(tail);
    QVERIFY2(line.startsWith(start) && line.endsWith(QLatin1String(" such series.")), qPrintable(line));
    const int n = rights + wrongs;
    const double chance = tail == QLatin1String("at least") ? binomialUpperTail(n, rights, 0.2)
                                                             : binomialLowerTail(n, rights, 0.2);
    const QString words = line.mid(start.size());
    if (words.startsWith(QLatin1String("fewer than 1 of 10^"))) {
        QVERIFY2(chance <= std::pow(10.0, -number(words.mid(19))), qPrintable(line));
    } else {
        QVERIFY2(words.startsWith(QLatin1String("about 1 of ")), qPrintable(line));
        double odds = number(words.mid(11));
        if (words.contains(QLatin1String("million")))
            odds *= 1e6;
        else if (words.contains(QLatin1String("billion")))
            odds *= 1e9;
        // Rounded to two digits.
        QVERIFY2(std::fabs(odds * chance - 1.0) < 0.06, qPrintable(line));
    }
}
// The promise of the verdict is in the window itself, where the keyboard
// and a screen reader reach it, not in a tool tip.
void tst_StatisticsFigures::guaranteeIsVisibleInTheWindow()
{
    m_run->openHistory();
    StatisticsWindow *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QLabel *note = control<QLabel>(window, "guaranteeNote");
    QVERIFY(note->isVisible());
    for (const char *point : {"5%", "since the history was last cleared", "Forget History", "starts the evidence over",
                              "1e-7"})
        QVERIFY2(note->text().contains(QLatin1String(point)), point);
    const QLabel *powerNote = control<QLabel>(window, "powerNote");
    const QString power = powerNote->text();
    QVERIFY2(powerNote->isVisible() && power.contains(QLatin1String("5 points above chance")), qPrintable(power));
    QCOMPARE(numbers(power).size(), 4); // 5 points, then one median per level
}
// A guess kept in the history reaches the open window, whose figures change
// just as reading the whole history again would.
void tst_StatisticsFigures::eachNewGuessShowsWhatAFreshLookWouldShow()
{
    m_run->openHistory();
    m_run->store(Level::Expert, 30, 50);
    m_run->openHistory();
    m_run->store(Level::Expert, 2, 2);
    StatisticsWindow *window = open();
    const bool guesses[] = {true, true, false, true, true, true, false, true, true, true, true, true};
    for (bool right : guesses) {
        m_run->store(Level::Expert, right ? 1 : 0, right ? 0 : 1);
    }
    QStringList told;
    for (QTableWidget *table : {thisRunTable(window), allTimeTable(window)})
        for (int column = 0; column < Column::ColumnCount; ++column)
            told << cell(table, Level::Expert, Column(column));
    const QString toldTails = control<QLabel>(window, "tailsNote")->text();
    const QString toldChart = control<HitRateChart>(window, "chart")->accessibleDescription();

    window->refresh();
    QStringList read;
    for (QTableWidget *table : {thisRunTable(window), allTimeTable(window)})
        for (int column = 0; column < Column::ColumnCount; ++column)
            read << cell(table, Level::Expert, Column(column));
    QCOMPARE(told, read);
    QCOMPARE(toldTails, control<QLabel>(window, "tailsNote")->text());
    QCOMPARE(toldChart, control<HitRateChart>(window, "chart")->accessibleDescription());
    QCOMPARE(cell(thisRunTable(window), Level::Expert, Column::GuessesColumn), QStringLiteral("16"));
}
void tst_StatisticsFigures::tellsHowManyRowsWereIgnoredAndHowManyAreNotYetSaved()
{
    m_run->openHistory();
    StatisticsWindow *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    HistorySnapshot snapshot = snapshotOf(Level::Beginner, 3, 9);
    snapshot.ignoredRows = 7;
    window->showSnapshot(snapshot);
    const QLabel *note = control<QLabel>(window, "historyNote");
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().contains(QLatin1String("ignored: 7")), qPrintable(note->text()));
    // The ignored rows are not counted.
    QCOMPARE(cell(allTimeTable(window), Level::Beginner, Column::GuessesColumn), QStringLiteral("12"));

    window->setNotYetSaved(4);
    QVERIFY2(note->text().contains(QLatin1String("not yet saved: 4")), qPrintable(note->text()));
    QVERIFY(note->text().contains(QLatin1String("ignored: 7")));

    window->showSnapshot(snapshotOf(Level::Beginner, 3, 9));
    QVERIFY(!note->isVisible());
}
QTEST_MAIN(tst_StatisticsFigures)
#include "tst_statistics_figures.moc"
