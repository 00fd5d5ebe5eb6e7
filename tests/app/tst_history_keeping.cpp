#include "ui/main_window_access.h"
#include "ui/statistics_test_support.h"

#include "app/startup.h"
#include "services/guess_history.h"
#include "services/history_keeper.h"
#include "ui/exit_screen.h"
#include "ui/guess_flow.h"
#include "ui/statistics_window.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

// The guess history in the running program: each guess is in the file while
// its result shows, the history opens after start-up, a history that cannot
// be read or kept is told once and never stops the test, and storage that
// fails during play neither delays the result nor loses a guess.
class tst_HistoryKeeping : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void guessIsKeptBeforeItsResultShows();
    void statisticsWindowIsOnePerRun();
    void damagedHistoryIsMovedAsideAndToldOnce();
    void historyThatCannotBeKeptIsToldOnceAndTheTestRuns();
    void lockedHistoryDelaysNoResultAndIsToldAfterIt();
    void guessesStillUnsavedAreToldBeforeTheExitScreen();

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
    // Opened from the event loop, not during start-up, and read on its own
    // thread.
    const bool openedLater = !m_run->context.history
        && QTest::qWaitFor([this] { return m_run->context.history && m_run->context.history->isLoaded(); }, 5000);
    return openedLater ? m_run->main : nullptr;
}

void tst_HistoryKeeping::openStatistics()
{
    control<QAction>(m_run->main, "statisticsAction")->trigger();
}

void tst_HistoryKeeping::guessIsKeptBeforeItsResultShows()
{
    QVERIFY(start());
    m_run->random.push(ScriptedRandom::forSymbol(3, symbolCount(Level::Expert)));
    std::vector<StoredGuess> keptWhileShown;
    m_run->main->guess(Level::Expert, 2);
    ResultDialog *dialog = m_run->openResult();
    QVERIFY(dialog);
    // What another process reads from the file, not what this one holds.
    const bool written = QTest::qWaitFor([this, &keptWhileShown] {
        keptWhileShown = GuessHistory(m_run->context.history->filePath()).allGuesses();
        return !keptWhileShown.empty();
    });
    Q_UNUSED(written) // the comparisons below tell
    dialog->accept();

    // In the data folder, which did not exist before this first run.
    QVERIFY(m_run->context.history->filePath().startsWith(m_folder->filePath(QStringLiteral("data/"))));
    QCOMPARE(int(keptWhileShown.size()), 1);
    QCOMPARE(keptWhileShown.front().level, Level::Expert);
    QCOMPARE(keptWhileShown.front().guessed, 3);
    QCOMPARE(keptWhileShown.front().drawn, 3);
    QVERIFY(keptWhileShown.front().right);
    QCOMPARE(keptWhileShown.front().runId, m_run->context.history->runId());

    QVERIFY(m_run->reactivate());
    QTest::keyClick(m_run->main, Qt::Key_T, Qt::ControlModifier);
    auto *statistics = m_run->main->findChild<StatisticsWindow *>();
    QVERIFY2(statistics && statistics->isVisible(), "Ctrl+T did not open the Statistics window");
    // A history that opened as it was is not mentioned.
    QVERIFY(m_run->platform.messages.isEmpty());
}

// One Statistics window per run, over the main window: closing hides it, and
// asking again brings the same window back, up to date.
void tst_HistoryKeeping::statisticsWindowIsOnePerRun()
{
    QVERIFY(start());
    openStatistics();
    QPointer<StatisticsWindow> statistics = m_run->main->findChild<StatisticsWindow *>();
    QVERIFY(statistics && statistics->isVisible());
    QCOMPARE(statistics->parentWidget(), m_run->main);
    statistics->close();
    QVERIFY(statistics && !statistics->isVisible());

    m_run->random.push(ScriptedRandom::forSymbol(1, symbolCount(Level::Beginner)));
    m_run->main->guess(Level::Beginner, 0);
    QVERIFY(m_run->answerResult());
    openStatistics();
    QCOMPARE(m_run->main->findChildren<StatisticsWindow *>().size(), 1);
    QVERIFY(statistics && statistics->isVisible());
    QCOMPARE(statistics_test::cell(statistics_test::thisRunTable(statistics), Level::Beginner,
                                   statistics_test::Column::GuessesColumn),
             QStringLiteral("1"));
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
    const HistoryKeeper &history = *m_run->context.history;
    QCOMPARE(history.state(), GuessHistory::State::StartedAfresh);
    QVERIFY(m_run->platform.messages.first().text.contains(QDir::toNativeSeparators(history.setAsidePath())));
    QVERIFY(m_run->platform.messages.first().owner == m_run->main->findChild<StatisticsWindow *>());
    QCOMPARE(QFileInfo(history.setAsidePath()).size(), 8192);
    QVERIFY(GuessHistory(path).allGuesses().empty());
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
    QVERIFY(m_run->platform.messages.first().text.startsWith(QLatin1String("Your history cannot be read or written: ")));

    m_run->random.push(ScriptedRandom::forSymbol(1, symbolCount(Level::Beginner)));
    m_run->main->guess(Level::Beginner, 0);
    QVERIFY(m_run->answerResult());
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 1);
    QCOMPARE(int(m_run->test.correctCount(Level::Beginner)), 1);

    openStatistics();
    QCOMPARE(m_run->platform.messages.size(), 1);
    auto *statistics = m_run->main->findChild<StatisticsWindow *>();
    QVERIFY(statistics && control<QLabel>(statistics, "historyNote")->isVisible());
    QVERIFY(!control<QPushButton>(statistics, "exportButton")->isEnabled());
}

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Another program holding the history locked, as the sqlite3 shell does
// with BEGIN EXCLUSIVE, for as long as it lives.
class Locker
{
public:
    explicit Locker(const QString &path)
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        m_db.setDatabaseName(path);
        m_locked = m_db.open() && QSqlQuery(m_db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
    }
    ~Locker() { release(); }
    bool locked() const { return m_locked; }
    void release()
    {
        if (!m_db.isValid())
            return;
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    }

private:
    QSqlDatabase m_db;
    bool m_locked = false;
};

QList<QMessageBox *> storageNotices(QWidget *main)
{
    return main->findChildren<QMessageBox *>(QStringLiteral("storageNotice"));
}

} // namespace

// Another program holding the file longer than the pause changes nothing in
// the test's timing; the user is told once the result dialog has closed,
// without being stopped, the guesses wait in memory, and are written, and
// said to be, once the lock is gone.
void tst_HistoryKeeping::lockedHistoryDelaysNoResultAndIsToldAfterIt()
{
    QVERIFY(start());
    const QString path = m_run->context.history->filePath();
    auto locker = std::make_unique<Locker>(path);
    QVERIFY(locker->locked());
    const QByteArray before = readFile(path);
    HistoryKeeper &history = *m_run->context.history;

    m_run->random.push(ScriptedRandom::forSymbol(2, symbolCount(Level::Beginner)));
    qint64 toResult = -1;
    bool noticeOverTheResult = true;
    QElapsedTimer clock;
    clock.start();
    m_run->main->guess(Level::Beginner, 1);
    if (ResultDialog *dialog = m_run->openResult()) {
        toResult = clock.elapsed();
        // The notice waits for the result dialog to close.
        const bool told = QTest::qWaitFor([&history] { return history.inOutage(); }, 5000);
        noticeOverTheResult = !told || !storageNotices(m_run->main).isEmpty();
        dialog->accept();
    }
    // The pause is the platform's timer alone (here run out at once): the
    // result follows without waiting for the disk, where a lock used to hold
    // it back by seconds.
    QVERIFY(m_run->platform.timers.contains(guessPauseMilliseconds));
    QVERIFY2(toResult >= 0 && toResult < 1000, qPrintable(QString::number(toResult)));
    QVERIFY(!noticeOverTheResult);

    QTRY_COMPARE(storageNotices(m_run->main).size(), 1);
    QMessageBox *notice = storageNotices(m_run->main).first();
    QVERIFY(notice->isVisible());
    QCOMPARE(notice->windowModality(), Qt::NonModal);
    QVERIFY2(notice->text().contains(QLatin1String("locked")), qPrintable(notice->text()));
    QCOMPARE(history.notYetSaved(), 1);
    QCOMPARE(history.snapshot().outcomes[0].size(), std::size_t(1));
    QCOMPARE(readFile(path), before);

    // The test goes on; one notice for the whole outage.
    m_run->random.push(ScriptedRandom::forSymbol(1, symbolCount(Level::Beginner)));
    m_run->main->guess(Level::Beginner, 1);
    QVERIFY(m_run->answerResult());
    QTRY_COMPARE(history.notYetSaved(), 2);
    QCOMPARE(storageNotices(m_run->main).size(), 1);
    QCOMPARE(readFile(path), before);

    locker->release();
    QTRY_COMPARE_WITH_TIMEOUT(history.notYetSaved(), 0, 10000);
    QTRY_VERIFY2(notice->text().contains(QLatin1String("(2) have been saved")), qPrintable(notice->text()));
    QCOMPARE(GuessHistory(path).allGuesses().size(), std::size_t(2));
}

// Leaving while guesses still wait: how many is said before the goodbye.
void tst_HistoryKeeping::guessesStillUnsavedAreToldBeforeTheExitScreen()
{
    QVERIFY(start());
    Locker locker(m_run->context.history->filePath());
    QVERIFY(locker.locked());
    m_run->random.push(ScriptedRandom::forSymbol(3, symbolCount(Level::Intermediate)));
    m_run->main->guess(Level::Intermediate, 0);
    QVERIFY(m_run->answerResult());
    QTRY_COMPARE(m_run->context.history->notYetSaved(), 1);
    QVERIFY(m_run->platform.messages.isEmpty());

    QPointer<ExitScreen> exitScreen;
    connect(m_run->main, &MainWindow::exitScreenOpened, this,
            [&exitScreen](ExitScreen *screen) { exitScreen = screen; });
    m_run->platform.holdReplies = true;
    m_run->main->close();
    QVERIFY(exitScreen);
    QCOMPARE(m_run->platform.messages.size(), 1);
    QVERIFY2(m_run->platform.messages.first().text.contains(QLatin1String("not yet saved: 1 ")),
             qPrintable(m_run->platform.messages.first().text));
    // The message stands in the exit screen's place, which comes once the
    // message is answered.
    QVERIFY(m_run->platform.messages.first().owner == exitScreen);
    QCoreApplication::processEvents();
    QVERIFY(!exitScreen->isVisible());
    QCOMPARE(m_run->platform.answerHeld(), 1);
    QVERIFY(exitScreen->isVisible());
}

QTEST_MAIN(tst_HistoryKeeping)
#include "tst_history_keeping.moc"
