#include "fakes/test_run.h"

#include "ui/shutdown.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace {

// A window whose closing step writes to a shared log and may run more.
class LoggingWindow : public QWidget
{
public:
    LoggingWindow(QString name, QStringList &log, bool deleteOnClose)
        : m_name(std::move(name)), m_log(log)
    {
        setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
        setWindowTitle(m_name);
        resize(120, 80);
    }

    std::function<void()> duringClose;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        m_log.append(m_name);
        if (duringClose)
            duringClose();
        m_log.append(m_name + QStringLiteral(" done"));
        event->accept();
    }

private:
    QString m_name;
    QStringList &m_log;
};

struct Run : TestRun
{
    QStringList log;
    // Windows that are only hidden when closed are deleted with the run.
    std::vector<std::unique_ptr<QWidget>> kept;

    LoggingWindow *open(const QString &name, bool deleteOnClose = true, bool shown = true)
    {
        auto *window = new LoggingWindow(name, log, deleteOnClose);
        if (!deleteOnClose)
            kept.emplace_back(window);
        windows.add(window);
        if (shown)
            window->show();
        return window;
    }
};

} // namespace

class tst_Shutdown : public QObject
{
    Q_OBJECT

private slots:
    void closesEveryWindowInTheOrderOpened();
    void shutdownFromAClosingStepEndsOnceWithoutLooping_data();
    void shutdownFromAClosingStepEndsOnceWithoutLooping();
    void shutdownAfterTheEndDoesNothing();
    void windowOpenedByAClosingStepGoesWithTheRun();
    void cleanup();
};

// A window that an earlier closing step destroyed is skipped.
void tst_Shutdown::closesEveryWindowInTheOrderOpened()
{
    Run run;
    QPointer<LoggingWindow> main = run.open(QStringLiteral("main"));
    QPointer<QWidget> dialog = run.open(QStringLiteral("dialog"));
    QPointer<LoggingWindow> gone = run.open(QStringLiteral("gone"));
    main->duringClose = [&gone] { delete gone; };
    QPointer<QWidget> exitScreen = run.open(QStringLiteral("exit screen"));
    QVERIFY(QTest::qWaitForWindowExposed(exitScreen));

    shutdownApplication(run.context);

    const QStringList expected{QStringLiteral("main"),   QStringLiteral("main done"),
                               QStringLiteral("dialog"), QStringLiteral("dialog done"),
                               QStringLiteral("exit screen"), QStringLiteral("exit screen done")};
    QCOMPARE(run.log, expected);
    QCOMPARE(run.platform.quitCodes, QList<int>{0});
    QVERIFY(run.context.ended);
    QTRY_VERIFY(!main && !dialog && !exitScreen);
}

void tst_Shutdown::shutdownFromAClosingStepEndsOnceWithoutLooping_data()
{
    QTest::addColumn<bool>("deleteOnClose");
    QTest::addColumn<bool>("shown");
    QTest::newRow("windows destroyed on close") << true << true;
    QTest::newRow("windows loaded but never shown") << false << false;
}

void tst_Shutdown::shutdownFromAClosingStepEndsOnceWithoutLooping()
{
    QFETCH(bool, deleteOnClose);
    QFETCH(bool, shown);

    // The exit screen calls the shutdown from its own closing step; the inner
    // run closes what is left, without running a closing step twice, and
    // ends; the outer run stops there.
    Run run;
    run.open(QStringLiteral("main"), deleteOnClose, shown);
    LoggingWindow *exitScreen = run.open(QStringLiteral("exit screen"), deleteOnClose, shown);
    run.open(QStringLiteral("about box"), deleteOnClose, shown);
    int entries = 0;
    exitScreen->duringClose = [&run, &entries] {
        ++entries;
        QVERIFY(entries < 5);
        shutdownApplication(run.context);
    };

    shutdownApplication(run.context);

    const QStringList expected{QStringLiteral("main"),      QStringLiteral("main done"),
                               QStringLiteral("exit screen"), QStringLiteral("about box"),
                               QStringLiteral("about box done"), QStringLiteral("exit screen done")};
    QCOMPARE(run.log, expected);
    QCOMPARE(entries, 1);
    QCOMPARE(run.platform.quitCodes, QList<int>{0});
}

// The refused second instance ends with no window open yet.
void tst_Shutdown::shutdownAfterTheEndDoesNothing()
{
    Run run;
    shutdownApplication(run.context);
    QCOMPARE(run.platform.quitCodes, QList<int>{0});
    run.open(QStringLiteral("late window"));
    shutdownApplication(run.context);
    QVERIFY(run.log.isEmpty());
    QCOMPARE(run.platform.quitCodes, QList<int>{0});
    delete run.windows.openWindows().value(0);
}

// The main window's closing step opens the exit screen; opened during the
// shutdown, that window is never closed, and must not outlive the run.
void tst_Shutdown::windowOpenedByAClosingStepGoesWithTheRun()
{
    QPointer<LoggingWindow> late;
    {
        Run run;
        LoggingWindow *main = run.open(QStringLiteral("main"));
        main->duringClose = [&run, &late] { late = run.open(QStringLiteral("late window")); };

        shutdownApplication(run.context);

        QCOMPARE(run.platform.quitCodes, QList<int>{0});
        QVERIFY(late && late->isVisible());
    }
    QVERIFY(late.isNull());
}

void tst_Shutdown::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(tst_Shutdown)
#include "tst_shutdown.moc"
