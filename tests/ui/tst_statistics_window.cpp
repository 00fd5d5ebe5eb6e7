#include "find_control.h"
#include "history_test_support.h"
#include "statistics_test_support.h"
#include "window_test_support.h"

#include "ui/statistics_window.h"
#include "ui/widgets/hit_rate_chart.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

Q_DECLARE_METATYPE(Level)
Q_DECLARE_METATYPE(Platform::Answer)

using namespace statistics_test;

class tst_StatisticsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void thisRunStartsAgainAfterForgetInAHistoryWithEarlierRuns();
    void chartOpensOnTheLevelWithTheMostGuessesThenStaysWithTheChoice();
    void exportWritesTheHistoryWhereTheUserChose_data();
    void exportWritesTheHistoryWhereTheUserChose();
    void forgetDeletesOnlyAfterYes_data();
    void forgetDeletesOnlyAfterYes();
    void questionsOfAWindowGoneMeanwhileDoNothing_data();
    void questionsOfAWindowGoneMeanwhileDoNothing();
    void oneWindowThatEscapeClosesAndTheMenuBringsBack();

private:
    StatisticsWindow *open() { return statistics_test::openWindow(*m_run, m_window); }

    QPointer<StatisticsWindow> m_window;

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
    QCOMPARE(cell(thisRunTable(window), Level::Beginner, Column::GuessesColumn), QStringLiteral("5"));
    QCOMPARE(cell(allTimeTable(window), Level::Beginner, Column::GuessesColumn), QStringLiteral("25"));

    QTest::mouseClick(control<QPushButton>(window, "forgetButton"), Qt::LeftButton);
    for (QTableWidget *table : {thisRunTable(window), allTimeTable(window)})
        QTRY_COMPARE(cell(table, Level::Beginner, Column::GuessesColumn), QStringLiteral("0"));

    // Three more guesses of this run, as the window hears them one by one
    // and as reading the history again tells them.
    m_run->store(Level::Beginner, 1, 2);
    window->refresh();
    for (QTableWidget *table : {thisRunTable(window), allTimeTable(window)}) {
        QCOMPARE(cell(table, Level::Beginner, Column::GuessesColumn), QStringLiteral("3"));
        QCOMPARE(cell(table, Level::Beginner, Column::RightColumn), QStringLiteral("1"));
    }
    m_run->store(Level::Beginner, 1, 0);
    for (QTableWidget *table : {thisRunTable(window), allTimeTable(window)}) {
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
    QCOMPARE(control<QComboBox>(window, "chartLevel")->currentIndex(), levelIndex(Level::Intermediate));
    // The chart itself shows that level: its 10 guesses, 30%, against 12.5%.
    const QString described = control<HitRateChart>(window, "chart")->accessibleDescription();
    QVERIFY2(described.startsWith(QLatin1String("Intermediate:")) && described.contains(QLatin1String(" 10 "))
                 && described.contains(QLatin1String("30.0%")) && described.contains(QLatin1String("12.5%")),
             qPrintable(described));

    // The user picks Expert; more Beginner guesses do not take the chart away.
    control<QComboBox>(window, "chartLevel")->setCurrentIndex(levelIndex(Level::Expert));
    m_run->store(Level::Beginner, 10, 10);
    window->refresh();
    QCOMPARE(control<QComboBox>(window, "chartLevel")->currentIndex(), levelIndex(Level::Expert));
    QVERIFY2(control<HitRateChart>(window, "chart")->accessibleDescription().startsWith(QLatin1String("Expert:")),
             qPrintable(control<HitRateChart>(window, "chart")->accessibleDescription()));
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
    QTest::mouseClick(control<QPushButton>(open(), "exportButton"), Qt::LeftButton);

    QCOMPARE(m_run->platform.saveQuestions.size(), 1);
    QVERIFY(m_run->platform.saveQuestionOwners.first() == m_run->windows.openWindows().constFirst());
    // Written by the history's thread.
    QFile csv(path);
    QTRY_VERIFY(QFileInfo::exists(path) || !m_run->platform.messages.isEmpty());
    QCOMPARE(csv.open(QIODevice::ReadOnly), written);
    if (!written) {
        // A failure is told, with the place that was chosen.
        QCOMPARE(m_run->platform.messages.size(), 1);
        QCOMPARE(m_run->platform.messages.first().icon, Platform::Icon::Critical);
        QVERIFY(m_run->platform.messages.first().text.contains(file));
        QVERIFY(m_run->platform.messages.first().owner == m_run->windows.openWindows().constFirst());
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
    QTest::mouseClick(control<QPushButton>(window, "forgetButton"), Qt::LeftButton);

    QCOMPARE(m_run->platform.messages.size(), 1);
    QCOMPARE(m_run->platform.messages.first().buttons, Platform::Buttons::YesNo);
    QVERIFY(m_run->platform.messages.first().owner == window);
    QTRY_COMPARE(int(history.snapshot().outcomes[0].size()), left);
    QTRY_COMPARE(cell(allTimeTable(window), Level::Beginner, Column::GuessesColumn), QString::number(left));
    QCOMPARE(control<QPushButton>(window, "forgetButton")->isEnabled(), left > 0);
}

void tst_StatisticsWindow::questionsOfAWindowGoneMeanwhileDoNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Forget, answered Yes") << "forgetButton";
    QTest::newRow("Export, a place chosen") << "exportButton";
}

// The window goes (the shutdown destroys it) while its question is open:
// the answer that comes after does nothing, and the history stays whole.
void tst_StatisticsWindow::questionsOfAWindowGoneMeanwhileDoNothing()
{
    QFETCH(QString, button);
    HistoryKeeper &history = m_run->openHistory();
    m_run->store(Level::Beginner, 1, 3);
    m_run->platform.holdReplies = true;
    m_run->platform.answers.push_back(Platform::Answer::Yes);
    const QString path = m_run->folder.filePath(QStringLiteral("late.csv"));
    m_run->platform.saveFileName = path;
    QPointer<StatisticsWindow> window = open();
    QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
    QCOMPARE(m_run->platform.messages.size() + m_run->platform.saveQuestions.size(), 1);
    const qsizetype messages = m_run->platform.messages.size();

    delete window;
    QCOMPARE(m_run->platform.answerHeld(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(int(history.snapshot().outcomes[0].size()), 4);
    QVERIFY(!QFileInfo::exists(path));
    QCOMPARE(m_run->platform.messages.size(), messages);
}

void tst_StatisticsWindow::oneWindowThatEscapeClosesAndTheMenuBringsBack()
{
    m_run->openHistory();
    StatisticsWindow *window = open();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY(!window->isModal());
    QVERIFY(control<QPushButton>(window, "closeButton")->isDefault());
    QTest::keyClick(window, Qt::Key_Escape);
    QTRY_VERIFY2(!window->isVisible(), "Escape did not close the Statistics window");

    m_run->store(Level::Expert, 1, 3);
    QCOMPARE(open(), window);
    QVERIFY(window->isVisible());
    // Brought up to date on showing again, the chart on the level with guesses.
    QCOMPARE(cell(allTimeTable(window), Level::Expert, Column::GuessesColumn), QStringLiteral("4"));
    QCOMPARE(control<QComboBox>(window, "chartLevel")->currentText(), QStringLiteral("Expert"));
    // A screen reader hears what the chart shows: level, rate and chance.
    const QString description = control<HitRateChart>(window, "chart")->accessibleDescription();
    QVERIFY2(description.contains(QLatin1String("Expert")) && description.contains(QLatin1String("25.0%"))
                 && description.contains(QLatin1String("10%")),
             qPrintable(description));
}

QTEST_MAIN(tst_StatisticsWindow)
#include "tst_statistics_window.moc"
