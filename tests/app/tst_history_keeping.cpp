#include "ui/main_window_access.h"

#include "app/startup.h"
#include "services/guess_history.h"
#include "ui/statistics_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

// The guess history in the running program: each guess is kept before its
// result shows, the history opens after start-up, and a history that cannot
// be read or kept is told once and never stops the test.
class tst_HistoryKeeping : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void guessIsKeptBeforeItsResultShows();
    void damagedHistoryIsMovedAsideAndToldOnce();
    void historyThatCannotBeKeptIsToldOnceAndTheTestRuns();

private:
    MainWindow *start();
    void openStatistics();

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MainWindowRun> m_run;
};

void tst_HistoryKeeping::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder->filePath(QStringLiteral("data"))));
    m_run = std::make_unique<MainWindowRun>();
}

void tst_HistoryKeeping::cleanup()
{
    m_run->main = nullptr;
    // The main window takes its Statistics window with it.
    while (!m_run->windows.openWindows().isEmpty())
        delete m_run->windows.openWindows().first();
    m_run.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Starts the program as main() does, past its first level choice, and
// waits for the history to open.
MainWindow *tst_HistoryKeeping::start()
{
    m_run->test.setLevelChosen(true);
    startApplication(m_run->context);
    const QList<QWidget *> windows = m_run->windows.openWindows();
    m_run->main = windows.isEmpty() ? nullptr : qobject_cast<MainWindow *>(windows.first());
    // Opened from the event loop, not during start-up.
    const bool openedLater = !m_run->context.history
        && QTest::qWaitFor([this] { return m_run->context.history != nullptr; }, 5000);
    return openedLater ? m_run->main : nullptr;
}

void tst_HistoryKeeping::openStatistics()
{
    m_run->main->ui().statisticsAction->trigger();
}

void tst_HistoryKeeping::guessIsKeptBeforeItsResultShows()
{
    QVERIFY(start());
    m_run->random.push(ScriptedRandom::forSymbol(3, symbolCount(Level::Expert)));
    std::vector<StoredGuess> keptWhileShown;
    whenModal<ResultDialog>([this, &keptWhileShown](ResultDialog *dialog) {
        // What another process reads from the file, not what this one holds.
        keptWhileShown = GuessHistory(m_run->context.history->filePath()).allGuesses();
        dialog->accept();
    });
    m_run->main->guess(Level::Expert, 2);

    // In the data folder, which did not exist before this first run.
    QVERIFY(m_run->context.history->filePath().startsWith(m_folder->filePath(QStringLiteral("data/"))));
    QCOMPARE(int(keptWhileShown.size()), 1);
    QCOMPARE(keptWhileShown.front().level, Level::Expert);
    QCOMPARE(keptWhileShown.front().guessed, 3);
    QCOMPARE(keptWhileShown.front().drawn, 3);
    QVERIFY(keptWhileShown.front().right);

    QVERIFY(m_run->reactivate());
    QTest::keyClick(m_run->main, Qt::Key_T, Qt::ControlModifier);
    auto *statistics = m_run->main->findChild<StatisticsWindow *>();
    QVERIFY2(statistics && statistics->isVisible(), "Ctrl+T did not open the Statistics window");
    // A history that opened as it was is not mentioned.
    QVERIFY(m_run->platform.messages.isEmpty());
}

void tst_HistoryKeeping::damagedHistoryIsMovedAsideAndToldOnce()
{
    const QString path = GuessHistory::defaultFilePath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile damaged(path);
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(8192, '\x5a'));
    damaged.close();

    QVERIFY(start());
    // Nothing is said over the level dialog at start-up; the Statistics
    // window tells it, once.
    QVERIFY(m_run->platform.messages.isEmpty());
    openStatistics();
    openStatistics();
    QCOMPARE(m_run->platform.messages.size(), 1);
    const GuessHistory &history = *m_run->context.history;
    QCOMPARE(history.state(), GuessHistory::State::StartedAfresh);
    QVERIFY(m_run->platform.messages.first().text.contains(QDir::toNativeSeparators(history.setAsidePath())));
    QCOMPARE(QFileInfo(history.setAsidePath()).size(), 8192);
    QVERIFY(history.allGuesses().empty());
    QVERIFY(history.isAvailable());
}

void tst_HistoryKeeping::historyThatCannotBeKeptIsToldOnceAndTheTestRuns()
{
    // A file where the data folder should be: nothing can be kept under it.
    QFile blocker(m_folder->filePath(QStringLiteral("data")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY(start());
    QCOMPARE(m_run->context.history->state(), GuessHistory::State::Unavailable);
    openStatistics();
    QCOMPARE(m_run->platform.messages.size(), 1);
    QVERIFY(m_run->platform.messages.first().text.startsWith(QLatin1String("Your guesses cannot be kept: ")));

    m_run->random.push(ScriptedRandom::forSymbol(1, symbolCount(Level::Beginner)));
    MainWindowRun::answerResult();
    m_run->main->guess(Level::Beginner, 0);
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 1);
    QCOMPARE(int(m_run->test.correctCount(Level::Beginner)), 1);

    openStatistics();
    QCOMPARE(m_run->platform.messages.size(), 1);
    auto *statistics = m_run->main->findChild<StatisticsWindow *>();
    QVERIFY(statistics && statistics->ui().historyNote->isVisible());
    QVERIFY(!statistics->ui().exportButton->isEnabled());
}

QTEST_MAIN(tst_HistoryKeeping)
#include "tst_history_keeping.moc"
