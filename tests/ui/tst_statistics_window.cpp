#include "history_test_support.h"
#include "window_test_support.h"

#include "symboltest/binomial_tail.h"
#include "ui/statistics_window.h"
#include "ui/widgets/hit_rate_chart.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(Platform::Answer)

namespace {

using Column = Ui::StatisticsWindow::Column;

QString cell(QTableWidget *table, Level level, Column column)
{
    return table->item(levelIndex(level), column)->text();
}

// The numbers in a cell such as "27.1–39.9%" or "+13.3 points", in order,
// signed where the cell has a sign (plus or the minus sign U+2212).
QList<double> numbers(const QString &text)
{
    QList<double> found;
    static const QRegularExpression number(QStringLiteral("([+\u2212-]?)([0-9][0-9,]*(\\.[0-9]+)?)"));
    for (auto match = number.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch next = match.next();
        const double value = QString(next.captured(2)).remove(QLatin1Char(',')).toDouble();
        found << (next.captured(1).isEmpty() || next.captured(1) == QLatin1String("+") ? value : -value);
    }
    return found;
}

double number(const QString &text)
{
    const QList<double> all = numbers(text);
    return all.isEmpty() ? -1.0 : all.first();
}

// The p at which P(X >= rights) (upper) or P(X <= rights) (lower) is 2.5 %,
// found here by halving: the ends of the exact 95 % interval.
double intervalEnd(int guesses, int rights, bool low)
{
    double inside = double(rights) / guesses;
    double outside = low ? 0.0 : 1.0;
    for (int i = 0; i < 100; ++i) {
        const double middle = (inside + outside) / 2;
        const double tail = low ? binomialUpperTail(guesses, rights, middle) : binomialLowerTail(guesses, rights, middle);
        (tail < 0.025 ? outside : inside) = middle;
    }
    return inside;
}

HistorySnapshot snapshotOf(Level level, int rights, int wrongs)
{
    HistorySnapshot snapshot;
    snapshot.readable = true;
    std::vector<bool> &outcomes = snapshot.outcomes[std::size_t(levelIndex(level))];
    for (int i = 0; i < rights + wrongs; ++i)
        outcomes.push_back(i < rights);
    return snapshot;
}

} // namespace

class tst_StatisticsWindow : public QObject
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
    void thisRunStartsAgainAfterForgetInAHistoryWithEarlierRuns();
    void chartOpensOnTheLevelWithTheMostGuessesThenStaysWithTheChoice();
    void eachNewGuessShowsWhatAFreshLookWouldShow();
    void tellsHowManyRowsWereIgnoredAndHowManyAreNotYetSaved();
    void exportWritesTheHistoryWhereTheUserChose_data();
    void exportWritesTheHistoryWhereTheUserChose();
    void forgetDeletesOnlyAfterYes_data();
    void forgetDeletesOnlyAfterYes();
    void oneWindowThatEscapeClosesAndTheMenuBringsBack();

private:
    StatisticsWindow *open() { return StatisticsWindow::showFor(m_run->context); }

    std::unique_ptr<HistoryRun> m_run;
};

void tst_StatisticsWindow::init()
{
    m_run = std::make_unique<HistoryRun>();
    QVERIFY(m_run->folder.isValid());
}

void tst_StatisticsWindow::cleanup()
{
    qDeleteAll(m_run->windows.openWindows());
    m_run.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_StatisticsWindow::showsEveryLevelsFiguresForThisRunAndAllTime_data()
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
void tst_StatisticsWindow::showsEveryLevelsFiguresForThisRunAndAllTime()
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
    for (const Expected &expected : {Expected{window->ui().thisRunTable, rights + wrongs, rights},
                                     Expected{window->ui().allTimeTable, allGuesses, earlierRights + rights}}) {
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
    QVERIFY(window->ui().thisRunTable->isColumnHidden(Column::VerdictColumn));
    QVERIFY(cell(window->ui().thisRunTable, level, Column::VerdictColumn).isEmpty());
    QVERIFY(!cell(window->ui().allTimeTable, level, Column::VerdictColumn).isEmpty());
    // The other levels stay empty.
    for (Level other : AllLevels) {
        if (other != level)
            QCOMPARE(cell(window->ui().allTimeTable, other, Column::GuessesColumn), QStringLiteral("0"));
    }
}

void tst_StatisticsWindow::verdictAndTailAreWordedTheRightWayRound_data()
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

void tst_StatisticsWindow::verdictAndTailAreWordedTheRightWayRound()
{
    QFETCH(int, rights);
    QFETCH(int, wrongs);
    QFETCH(QString, verdict);
    QFETCH(QString, tail);

    m_run->openHistory();
    StatisticsWindow *window = open();
    window->showSnapshot(snapshotOf(Level::Beginner, rights, wrongs));
    QCOMPARE(cell(window->ui().allTimeTable, Level::Beginner, Column::VerdictColumn), verdict);

    // "a pure guesser does at least this well in about 1 of N such series",
    // N the odds of the tail on the side of the score, under a heading that
    // says it is not the verdict.
    const QString tails = window->ui().tailsNote->text();
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
void tst_StatisticsWindow::guaranteeIsVisibleInTheWindow()
{
    m_run->openHistory();
    StatisticsWindow *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QLabel *note = window->ui().guaranteeNote;
    QVERIFY(note->isVisible());
    for (const char *point : {"5%", "since the history was last cleared", "Forget History", "starts the evidence over",
                              "1e-7"})
        QVERIFY2(note->text().contains(QLatin1String(point)), point);
    const QString power = window->ui().powerNote->text();
    QVERIFY2(window->ui().powerNote->isVisible() && power.contains(QLatin1String("5 points above chance")),
             qPrintable(power));
    QCOMPARE(numbers(power).size(), 4); // 5 points, then one median per level
}

// "This run" counts this run's guesses, also after the history was
// forgotten, while earlier runs only ever count in all time.
void tst_StatisticsWindow::thisRunStartsAgainAfterForgetInAHistoryWithEarlierRuns()
{
    m_run->openHistory();
    m_run->store(Level::Beginner, 6, 14);
    m_run->openHistory();
    m_run->store(Level::Beginner, 2, 3);
    m_run->platform.answers.push_back(Platform::Answer::Yes);
    StatisticsWindow *window = open();
    QCOMPARE(cell(window->ui().thisRunTable, Level::Beginner, Column::GuessesColumn), QStringLiteral("5"));
    QCOMPARE(cell(window->ui().allTimeTable, Level::Beginner, Column::GuessesColumn), QStringLiteral("25"));

    QTest::mouseClick(window->ui().forgetButton, Qt::LeftButton);
    for (QTableWidget *table : {window->ui().thisRunTable, window->ui().allTimeTable})
        QCOMPARE(cell(table, Level::Beginner, Column::GuessesColumn), QStringLiteral("0"));

    // Three more guesses of this run, as the history tells them and as the
    // window hears them one by one.
    m_run->store(Level::Beginner, 1, 2);
    window->refresh();
    for (QTableWidget *table : {window->ui().thisRunTable, window->ui().allTimeTable}) {
        QCOMPARE(cell(table, Level::Beginner, Column::GuessesColumn), QStringLiteral("3"));
        QCOMPARE(cell(table, Level::Beginner, Column::RightColumn), QStringLiteral("1"));
    }
    window->addGuess(Level::Beginner, true);
    for (QTableWidget *table : {window->ui().thisRunTable, window->ui().allTimeTable}) {
        QCOMPARE(cell(table, Level::Beginner, Column::GuessesColumn), QStringLiteral("4"));
        QCOMPARE(cell(table, Level::Beginner, Column::HitRateColumn), QStringLiteral("50.0%"));
    }
}

void tst_StatisticsWindow::chartOpensOnTheLevelWithTheMostGuessesThenStaysWithTheChoice()
{
    m_run->openHistory();
    m_run->store(Level::Beginner, 1, 1);
    m_run->store(Level::Intermediate, 3, 7);
    m_run->store(Level::Expert, 1, 3);
    StatisticsWindow *window = open();
    QCOMPARE(window->ui().chartLevel->currentIndex(), levelIndex(Level::Intermediate));
    // The chart itself shows that level: its 10 guesses, 30%, against 12.5%.
    const QString described = window->ui().chart->accessibleDescription();
    QVERIFY2(described.startsWith(QLatin1String("Intermediate:")) && described.contains(QLatin1String(" 10 "))
                 && described.contains(QLatin1String("30.0%")) && described.contains(QLatin1String("12.5%")),
             qPrintable(described));

    // The user picks Expert; more Beginner guesses do not take the chart away.
    window->ui().chartLevel->setCurrentIndex(levelIndex(Level::Expert));
    m_run->store(Level::Beginner, 10, 10);
    window->refresh();
    QCOMPARE(window->ui().chartLevel->currentIndex(), levelIndex(Level::Expert));
    QVERIFY2(window->ui().chart->accessibleDescription().startsWith(QLatin1String("Expert:")),
             qPrintable(window->ui().chart->accessibleDescription()));
}

// A guess told to the open window changes its figures just as reading the
// whole history again would.
void tst_StatisticsWindow::eachNewGuessShowsWhatAFreshLookWouldShow()
{
    m_run->openHistory();
    m_run->store(Level::Expert, 30, 50);
    m_run->openHistory();
    m_run->store(Level::Expert, 2, 2);
    StatisticsWindow *window = open();
    const bool guesses[] = {true, true, false, true, true, true, false, true, true, true, true, true};
    for (bool right : guesses) {
        m_run->store(Level::Expert, right ? 1 : 0, right ? 0 : 1);
        window->addGuess(Level::Expert, right);
    }
    QStringList told;
    for (QTableWidget *table : {window->ui().thisRunTable, window->ui().allTimeTable})
        for (int column = 0; column < Column::ColumnCount; ++column)
            told << cell(table, Level::Expert, Column(column));
    const QString toldTails = window->ui().tailsNote->text();
    const QString toldChart = window->ui().chart->accessibleDescription();

    window->refresh();
    QStringList read;
    for (QTableWidget *table : {window->ui().thisRunTable, window->ui().allTimeTable})
        for (int column = 0; column < Column::ColumnCount; ++column)
            read << cell(table, Level::Expert, Column(column));
    QCOMPARE(told, read);
    QCOMPARE(toldTails, window->ui().tailsNote->text());
    QCOMPARE(toldChart, window->ui().chart->accessibleDescription());
    QCOMPARE(cell(window->ui().thisRunTable, Level::Expert, Column::GuessesColumn), QStringLiteral("16"));
}

void tst_StatisticsWindow::tellsHowManyRowsWereIgnoredAndHowManyAreNotYetSaved()
{
    m_run->openHistory();
    StatisticsWindow *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    HistorySnapshot snapshot = snapshotOf(Level::Beginner, 3, 9);
    snapshot.ignoredRows = 7;
    window->showSnapshot(snapshot);
    const QLabel *note = window->ui().historyNote;
    QVERIFY(note->isVisible());
    QVERIFY2(note->text().contains(QLatin1String("ignored: 7")), qPrintable(note->text()));
    // The ignored rows are not counted.
    QCOMPARE(cell(window->ui().allTimeTable, Level::Beginner, Column::GuessesColumn), QStringLiteral("12"));

    window->setNotYetSaved(4);
    QVERIFY2(note->text().contains(QLatin1String("not yet saved: 4")), qPrintable(note->text()));
    QVERIFY(note->text().contains(QLatin1String("ignored: 7")));

    window->showSnapshot(snapshotOf(Level::Beginner, 3, 9));
    QVERIFY(!note->isVisible());
}

void tst_StatisticsWindow::exportWritesTheHistoryWhereTheUserChose_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("written");
    QTest::newRow("a file in a folder") << "chosen.csv" << true;
    QTest::newRow("a folder that does not exist") << "no such folder/out.csv" << false;
}

void tst_StatisticsWindow::exportWritesTheHistoryWhereTheUserChose()
{
    QFETCH(QString, file);
    QFETCH(bool, written);

    m_run->openHistory();
    m_run->store(Level::Expert, 1, 2);
    const QString path = m_run->folder.filePath(file);
    m_run->platform.saveFileName = path;
    QTest::mouseClick(open()->ui().exportButton, Qt::LeftButton);

    QCOMPARE(m_run->platform.saveQuestions.size(), 1);
    QFile csv(path);
    QCOMPARE(csv.open(QIODevice::ReadOnly), written);
    if (!written) {
        // A failure is told, with the place that was chosen.
        QCOMPARE(m_run->platform.messages.size(), 1);
        QCOMPARE(m_run->platform.messages.first().icon, Platform::Icon::Critical);
        QVERIFY(m_run->platform.messages.first().text.contains(file));
        return;
    }
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 3);
    QVERIFY2(lines.at(1).contains(QLatin1String("Expert")), qPrintable(lines.at(1)));
    QVERIFY(m_run->platform.messages.isEmpty());
}

void tst_StatisticsWindow::forgetDeletesOnlyAfterYes_data()
{
    QTest::addColumn<Platform::Answer>("answer");
    QTest::addColumn<int>("left");
    QTest::newRow("Yes") << Platform::Answer::Yes << 0;
    QTest::newRow("No") << Platform::Answer::No << 4;
}

void tst_StatisticsWindow::forgetDeletesOnlyAfterYes()
{
    QFETCH(Platform::Answer, answer);
    QFETCH(int, left);

    GuessHistory &history = m_run->openHistory();
    m_run->store(Level::Beginner, 1, 3);
    m_run->platform.answers.push_back(answer);
    StatisticsWindow *window = open();
    QTest::mouseClick(window->ui().forgetButton, Qt::LeftButton);

    QCOMPARE(m_run->platform.messages.size(), 1);
    QCOMPARE(m_run->platform.messages.first().buttons, Platform::Buttons::YesNo);
    QCOMPARE(int(history.allGuesses().size()), left);
    QCOMPARE(cell(window->ui().allTimeTable, Level::Beginner, Column::GuessesColumn), QString::number(left));
    QCOMPARE(window->ui().forgetButton->isEnabled(), left > 0);
}

void tst_StatisticsWindow::oneWindowThatEscapeClosesAndTheMenuBringsBack()
{
    m_run->openHistory();
    StatisticsWindow *window = open();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(!window->isModal());
    QVERIFY(window->ui().closeButton->isDefault());
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY2(!window->isVisible(), "Escape did not close the Statistics window");

    m_run->store(Level::Expert, 1, 3);
    QCOMPARE(open(), window);
    QVERIFY(window->isVisible());
    // Brought up to date on showing again, the chart on the level with guesses.
    QCOMPARE(cell(window->ui().allTimeTable, Level::Expert, Column::GuessesColumn), QStringLiteral("4"));
    QCOMPARE(window->ui().chartLevel->currentText(), QStringLiteral("Expert"));
    // A screen reader hears what the chart shows: level, rate and chance.
    const QString description = window->ui().chart->accessibleDescription();
    QVERIFY2(description.contains(QLatin1String("Expert")) && description.contains(QLatin1String("25.0%"))
                 && description.contains(QLatin1String("10%")),
             qPrintable(description));
}

QTEST_MAIN(tst_StatisticsWindow)
#include "tst_statistics_window.moc"
