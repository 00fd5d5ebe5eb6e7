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

Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(Platform::Answer)

namespace {

using Column = Ui::StatisticsWindow::Column;

QString cell(QTableWidget *table, Level level, Column column)
{
    return table->item(levelIndex(level), column)->text();
}

// The number in a cell such as "33.3%".
double number(const QString &text)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("[0-9]+(\\.[0-9]+)?")).match(text);
    return match.hasMatch() ? match.captured().toDouble() : -1.0;
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
    void verdictSaysInPlainWordsWhatTheScoreMeans_data();
    void verdictSaysInPlainWordsWhatTheScoreMeans();
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
}

// Counts come from the history; the rates and the tail are worked out here
// from those counts, so the cells must agree with the arithmetic itself.
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
        const QString period = expected.table->accessibleName();
        QCOMPARE(cell(expected.table, level, Column::GuessesColumn), QString::number(expected.guesses));
        QCOMPARE(cell(expected.table, level, Column::RightColumn), QString::number(expected.right));
        const QString chance = cell(expected.table, level, Column::ChanceColumn);
        QVERIFY2(chance.startsWith(QStringLiteral("1 in %1").arg(symbols)), qPrintable(chance));
        if (expected.guesses == 0) {
            QCOMPARE(cell(expected.table, level, Column::VerdictColumn), QStringLiteral("not enough guesses yet"));
            continue;
        }
        const double rate = 100.0 * expected.right / expected.guesses;
        QVERIFY2(qAbs(number(cell(expected.table, level, Column::HitRateColumn)) - rate) <= 0.05, qPrintable(period));
        const double tail = 100.0 * binomialUpperTail(expected.guesses, expected.right, 1.0 / symbols);
        const QString byChance = cell(expected.table, level, Column::ByChanceColumn);
        QVERIFY2(qAbs(number(byChance) - tail) <= tail * 0.05, qPrintable(period + QLatin1String(": ") + byChance));
    }
    // The other levels stay empty.
    for (Level other : AllLevels) {
        if (other != level)
            QCOMPARE(cell(window->ui().allTimeTable, other, Column::GuessesColumn), QStringLiteral("0"));
    }
}

void tst_StatisticsWindow::verdictSaysInPlainWordsWhatTheScoreMeans_data()
{
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("wrongs");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("a chance score") << 10 << 40 << "consistent with chance";
    QTest::newRow("half right") << 20 << 20 << "better than chance (about 1 in ";
    QTest::newRow("none right of 60") << 0 << 60 << "worse than chance (about 1 in ";
}

void tst_StatisticsWindow::verdictSaysInPlainWordsWhatTheScoreMeans()
{
    QFETCH(int, rights);
    QFETCH(int, wrongs);
    QFETCH(QString, verdict);

    m_run->openHistory();
    m_run->store(Level::Beginner, rights, wrongs);
    const QString shown = cell(open()->ui().allTimeTable, Level::Beginner, Column::VerdictColumn);
    QVERIFY2(shown.startsWith(verdict), qPrintable(shown));
    if (!verdict.contains(QLatin1String("about")))
        return;
    // "about 1 in N by luck": N is the odds of the tail in that direction.
    const int n = rights + wrongs;
    const double luck = rights * 5 > n ? binomialUpperTail(n, rights, 0.2) : binomialLowerTail(n, rights, 0.2);
    const double odds = number(shown.mid(verdict.size()).remove(QLatin1Char(',')));
    // Rounded to two digits.
    QVERIFY2(qAbs(odds * luck - 1.0) < 0.06, qPrintable(shown));
    QVERIFY2(shown.endsWith(QLatin1String(" by luck)")), qPrintable(shown));
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
    // Written by the history's thread.
    QFile csv(path);
    QTRY_VERIFY(QFileInfo::exists(path) || !m_run->platform.messages.isEmpty());
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
    // Guessed symbol 1, right once: the first row is that right guess.
    QVERIFY2(lines.at(1).contains(QLatin1String(",Expert,1,1,1,")), qPrintable(lines.at(1)));
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

    HistoryKeeper &history = m_run->openHistory();
    m_run->store(Level::Beginner, 1, 3);
    m_run->platform.answers.push_back(answer);
    StatisticsWindow *window = open();
    QTest::mouseClick(window->ui().forgetButton, Qt::LeftButton);

    QCOMPARE(m_run->platform.messages.size(), 1);
    QCOMPARE(m_run->platform.messages.first().buttons, Platform::Buttons::YesNo);
    QTRY_COMPARE(int(history.snapshot().outcomes[0].size()), left);
    QTRY_COMPARE(cell(window->ui().allTimeTable, Level::Beginner, Column::GuessesColumn), QString::number(left));
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
