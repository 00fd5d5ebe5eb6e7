#include "ui/find_control.h"
#include "ui/window_test_support.h"

#include "app/startup.h"
#include "ui/exit_screen.h"
#include "ui/main_window.h"
#include "ui/widgets/link_button.h"

#include <QApplication>
#include <QPointer>
#include <QFrame>
#include <QTest>

#include <algorithm>

namespace {

const QString durationKey = QStringLiteral("Settings/Duration");

struct Run : TestRun
{
    MainWindow *mainWindow() const
    {
        const QList<QWidget *> open = windows.openWindows();
        return open.isEmpty() ? nullptr : qobject_cast<MainWindow *>(open.first());
    }
};

// Which of the two banners a click on their shared place meets.
QString frontBanner(MainWindow &window)
{
    QWidget *bar = control<QFrame>(&window, "bottomBar");
    const QWidget *place = control<LinkButton>(&window, "coBrandLink")->parentWidget();
    const QWidget *hit = bar->childAt(place->mapTo(bar, place->rect().center()));
    return hit ? hit->objectName() : QString();
}

} // namespace

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceIsRefusedAndEnds();
    void startShowsTheMainWindowAfterTheReminder();
    void bannerPickComesFromTheClockSeededGenerator_data();
    void bannerPickComesFromTheClockSeededGenerator();
    void failingReminderStillShowsTheMainWindow_data();
    void failingReminderStillShowsTheMainWindow();
    void closingTheExitScreenEndsTheProgram();
    void cleanup();
};

void tst_Startup::secondInstanceIsRefusedAndEnds()
{
    Run run;
    run.platform.anotherInstance = true;
    run.platform.settings.insert(durationKey, QStringLiteral("1 Jan 2020"));
    startApplication(run.context);

    QCOMPARE(run.platform.messages.size(), 1);
    const FakePlatform::Message &message = run.platform.messages.first();
    QCOMPARE(message.text, QStringLiteral("Application is already running"));
    QCOMPARE(message.buttons, Platform::Buttons::Ok);
    QCOMPARE(message.icon, Platform::Icon::Information);
    QCOMPARE(message.caption, QStringLiteral("Corvella"));
    // There is no window to stand over: the box waits for its answer.
    QVERIFY(message.beforeAnyWindow);
    QCOMPARE(run.platform.quitCodes, QList<int>{0});
    // None of the later steps ran: no seeding, no reminder, no window, no pick.
    QCOMPARE(run.random.seeds, 0);
    QCOMPARE(run.random.draws, 0);
    QCOMPARE(run.platform.settings.value(durationKey), QStringLiteral("1 Jan 2020"));
    QVERIFY(run.windows.openWindows().isEmpty());
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    QCOMPARE(run.context.bannerNumber, std::int16_t(0));
}

void tst_Startup::startShowsTheMainWindowAfterTheReminder()
{
    Run run;
    run.test.setLevelChosen(true); // keeps the level dialog out of this test
    run.platform.settings.insert(durationKey, QStringLiteral("1 Jan 2020"));
    int seedsWhenAsked = -1;
    bool windowWhenAsked = true;
    run.platform.onMessage = [&run, &seedsWhenAsked, &windowWhenAsked](const QString &) {
        seedsWhenAsked = run.random.seeds;
        windowWhenAsked = !QApplication::topLevelWidgets().isEmpty();
    };
    startApplication(run.context);

    // Seeded first, then the reminder's question, with no window yet.
    QCOMPARE(run.platform.messages.size(), 1);
    QVERIFY(run.platform.messages.first().beforeAnyWindow);
    QCOMPARE(seedsWhenAsked, 1);
    QVERIFY(!windowWhenAsked);
    QCOMPARE(run.random.seeds, 1);

    MainWindow *window = run.mainWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(run.platform.quitCodes.isEmpty());
}

void tst_Startup::bannerPickComesFromTheClockSeededGenerator_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("front");
    QTest::newRow("1: co-branding") << 0.0f << 1 << "coBrandLink";
    QTest::newRow("2: full branding") << 0.25f << 2 << "fullBrandLink";
    QTest::newRow("3: co-branding") << 0.34f << 3 << "coBrandLink";
    QTest::newRow("4: full branding") << 0.5f << 4 << "fullBrandLink";
    QTest::newRow("5: co-branding") << 0.67f << 5 << "coBrandLink";
    QTest::newRow("6: full branding") << 0.75f << 6 << "fullBrandLink";
    // Nothing is moved: the co-branding label stays in front, as designed.
    QTest::newRow("7: layout order") << 0.99f << 7 << "coBrandLink";
}

void tst_Startup::bannerPickComesFromTheClockSeededGenerator()
{
    QFETCH(float, r);
    QFETCH(int, number);
    QFETCH(QString, front);

    Run run;
    run.test.setLevelChosen(true);
    run.random.push(r);
    startApplication(run.context);

    QCOMPARE(int(run.context.bannerNumber), number);
    QCOMPARE(run.random.draws, 1);
    MainWindow *window = run.mainWindow();
    QVERIFY(window);
    QCOMPARE(frontBanner(*window), front);
}

void tst_Startup::failingReminderStillShowsTheMainWindow_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("stored text is not a date") << "someday" << false;
    QTest::newRow("store cannot be written") << "" << true;
}

void tst_Startup::failingReminderStillShowsTheMainWindow()
{
    QFETCH(QString, stored);
    QFETCH(bool, readOnly);

    Run run;
    run.test.setLevelChosen(true);
    if (!stored.isEmpty())
        run.platform.settings.insert(durationKey, stored);
    run.platform.settingsReadOnly = readOnly;
    startApplication(run.context);

    QVERIFY(run.platform.messages.isEmpty());
    QVERIFY(run.mainWindow());
    QVERIFY(run.mainWindow()->isVisible());
    QVERIFY(run.context.bannerNumber != 0);
}

// The main window leads to the exit screen, whose closing ends the run
// through the shutdown: every window closed, exit code 0.
void tst_Startup::closingTheExitScreenEndsTheProgram()
{
    Run run;
    run.test.setLevelChosen(true);
    startApplication(run.context);
    QPointer<MainWindow> window = run.mainWindow();
    QVERIFY(window);
    QVERIFY(window->close());

    ExitScreen *screen = nullptr;
    for (QWidget *open : run.windows.openWindows()) {
        if (auto *exitScreen = qobject_cast<ExitScreen *>(open))
            screen = exitScreen;
    }
    QVERIFY(screen);
    QVERIFY(run.platform.quitCodes.isEmpty());
    QPointer<ExitScreen> screenGuard = screen;
    QVERIFY(screen->close());

    QCOMPARE(run.platform.quitCodes, QList<int>{0});
    QVERIFY(run.context.ended);
    QTRY_VERIFY(window.isNull() && screenGuard.isNull());
}

void tst_Startup::cleanup()
{
    // Destroyed without their closing steps, which would lead to the exit screen.
    // Only windows without an owner; owned ones go with their owner.
    for (;;) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto unowned = std::find_if(windows.cbegin(), windows.cend(),
                                          [](const QWidget *window) { return !window->parentWidget(); });
        if (unowned == windows.cend())
            break;
        delete *unowned;
    }
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
