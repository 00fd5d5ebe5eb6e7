#include "fakes/scripted_random.h"
#include "find_control.h"

#include "services/app_context.h"
#include "services/history_keeper.h"
#include "symboltest/symbol_test.h"
#include "ui/main_window.h"
#include "ui/qt_platform.h"
#include "ui/storage_notice.h"
#include "ui/window_registry.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

// Every dialog of the program stands over the window it belongs to, as the
// window system sees it: its QWindow's transient parent is that window's.
// Only then does a window manager keep it above its window, centre it there
// and take it along when the window is minimised; a Wayland compositor such
// as sway places a dialog without one as a window of its own, wherever it
// likes. Geometry proves nothing there, so the test asks the window itself.
//
// Messages are Qt's own here, the desktop seam of the shipped program, so
// that the parent the seam picks is the one tested.
namespace {

// What opens the dialog, and which window it belongs to.
enum class Way {
    LevelChoice,
    ScoreView,
    Result,
    About,
    Statistics,
    StorageNotice,
    StatisticsNotice,
    ForgetQuestion,
    ExportQuestion,
    ExitScreenSpaceMessage,
    ExitScreenAddressMessage,
};
enum class Owner { MainWindow, StatisticsWindow, ExitScreen };

// One run of the program with Qt's message boxes and file dialogs, its guess
// history in a fresh folder.
struct DesktopRun
{
    SymbolTest test;
    ScriptedRandom random;
    QtPlatform platform;
    WindowRegistry windows;
    AppContext context{test, random, platform, windows};
    QTemporaryDir folder;
    QPointer<MainWindow> main;

    // The exit screen, left open by a test, goes with the registry.
    ~DesktopRun()
    {
        delete main;
        context.history.reset();
    }
    QString historyPath() const { return folder.filePath(QStringLiteral("history.sqlite")); }
    bool openHistory()
    {
        context.history = std::make_shared<HistoryKeeper>(historyPath());
        return QTest::qWaitFor([this] { return context.history->isLoaded(); }, 10000);
    }
};

// The program's visible top-level window of that class, if any.
QWidget *openWindowOf(const char *className)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->inherits(className))
            return window;
    }
    return nullptr;
}

QWidget *ownerWindow(Owner owner)
{
    switch (owner) {
    case Owner::MainWindow:
        return openWindowOf("MainWindow");
    case Owner::StatisticsWindow:
        return openWindowOf("StatisticsWindow");
    case Owner::ExitScreen:
        return openWindowOf("ExitScreen");
    }
    return nullptr;
}

// The visible top-level window that the way opens, found by its class or
// name, or a message box by its kind: however the window is built.
bool isOpenedBy(Way way, QWidget *window)
{
    auto *box = qobject_cast<QMessageBox *>(window);
    switch (way) {
    case Way::LevelChoice:
    case Way::ScoreView: {
        // The level dialog's own, not the main window's that holds the dialog.
        auto *report = window->findChild<QPlainTextEdit *>(QStringLiteral("scoreBox"));
        const bool showsScore = report && report->isVisible();
        return window->inherits("LevelDialog") && showsScore == (way == Way::ScoreView);
    }
    case Way::Result:
        return window->inherits("ResultDialog");
    case Way::About:
        return window->inherits("AboutBox");
    case Way::Statistics:
        return window->inherits("StatisticsWindow");
    case Way::StorageNotice:
        return window->objectName() == QLatin1String("storageNotice");
    case Way::StatisticsNotice:
    case Way::ExitScreenSpaceMessage:
    case Way::ExitScreenAddressMessage:
        return box && box->standardButtons() == QMessageBox::Ok && window->objectName() != QLatin1String("storageNotice");
    case Way::ForgetQuestion:
        return box && box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
    case Way::ExportQuestion:
        return qobject_cast<QFileDialog *>(window) != nullptr;
    }
    return false;
}

// What the window system was told of the dialog while it was shown.
struct Sighting
{
    bool seen = false;
    QString className;
    QPointer<QWindow> transientParent;
    QPointer<QWindow> owner;
};

// Watches for the dialog, notes its transient parent and its owner's window
// while it is up, and closes it: a dialog shown with exec() holds the test
// in its own loop until then, one shown with open() or show() does not.
// Questions are answered No or Cancel, so that nothing is forgotten or
// written.
QTimer *watchFor(Way way, Owner owner, Sighting &sighting)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, way, owner, &sighting] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || !window->windowHandle() || !isOpenedBy(way, window))
                continue;
            timer->stop();
            sighting.seen = true;
            sighting.className = QLatin1String(window->metaObject()->className());
            sighting.transientParent = window->windowHandle()->transientParent();
            if (QWidget *ownedBy = ownerWindow(owner))
                sighting.owner = ownedBy->windowHandle();
            auto *dialog = qobject_cast<QDialog *>(window);
            if (!dialog)
                window->close();
            else if (way == Way::Result) // TRY AGAIN is its only way out
                dialog->accept();
            else if (way == Way::Statistics)
                dialog->close();
            else
                dialog->reject();
            return;
        }
    });
    timer->start();
    return timer;
}

// Shows the exit screen as closing the main window does, active as it is
// for a user who types into it.
QWidget *showExitScreen(DesktopRun &run)
{
    run.main->close();
    QWidget *screen = nullptr;
    if (!QTest::qWaitFor([&screen] { return (screen = ownerWindow(Owner::ExitScreen)) != nullptr; }))
        return nullptr;
    screen->activateWindow();
    return QTest::qWaitFor([screen] { return QApplication::activeWindow() == screen; }) ? screen : nullptr;
}

// The class of the widget whose window this is, for the failure message.
QString windowName(const QWindow *window)
{
    if (!window)
        return QStringLiteral("no window");
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return QLatin1String(widget->metaObject()->className());
    }
    return QStringLiteral("a window of no widget");
}

QAction *action(DesktopRun &run, const char *name)
{
    return control<QAction>(run.main, name);
}

} // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(Owner)

class tst_DialogParents : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void everyDialogStandsOverItsWindow_data();
    void everyDialogStandsOverItsWindow();
};

void tst_DialogParents::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_DialogParents::everyDialogStandsOverItsWindow_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<Owner>("owner");
    // Whether the window the dialog is opened from has become the active one
    // first; a window that has only just opened is not yet.
    QTest::addColumn<bool>("ownerActive");
    QTest::newRow("level dialog, File menu") << Way::LevelChoice << Owner::MainWindow << true;
    QTest::newRow("score view, File menu") << Way::ScoreView << Owner::MainWindow << true;
    QTest::newRow("result dialog, a guess") << Way::Result << Owner::MainWindow << true;
    QTest::newRow("about box, Help menu") << Way::About << Owner::MainWindow << true;
    QTest::newRow("Statistics window, File menu") << Way::Statistics << Owner::MainWindow << true;
    QTest::newRow("storage notice, a guess not saved") << Way::StorageNotice << Owner::MainWindow << true;
    QTest::newRow("Statistics window's notice of a damaged history")
        << Way::StatisticsNotice << Owner::StatisticsWindow << false;
    QTest::newRow("Statistics window's Forget question") << Way::ForgetQuestion << Owner::StatisticsWindow << true;
    QTest::newRow("Statistics window's export save question")
        << Way::ExportQuestion << Owner::StatisticsWindow << true;
    QTest::newRow("exit screen, a space in an address")
        << Way::ExitScreenSpaceMessage << Owner::ExitScreen << true;
    QTest::newRow("exit screen, a bad address sent") << Way::ExitScreenAddressMessage << Owner::ExitScreen << true;
    QTest::newRow("Statistics window's Forget question, the window just opened")
        << Way::ForgetQuestion << Owner::StatisticsWindow << false;
    QTest::newRow("Statistics window's export save question, the window just opened")
        << Way::ExportQuestion << Owner::StatisticsWindow << false;
}

void tst_DialogParents::everyDialogStandsOverItsWindow()
{
    QFETCH(Way, way);
    QFETCH(Owner, owner);
    QFETCH(bool, ownerActive);

    DesktopRun run;
    QVERIFY(run.folder.isValid());
    if (way == Way::StatisticsNotice) {
        // A history file that is no database: it is moved aside, and the
        // Statistics window says so the first time it opens.
        QFile damaged(run.historyPath());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(8192, 'x'));
    }
    if (way == Way::StatisticsNotice || way == Way::ForgetQuestion || way == Way::ExportQuestion
        || way == Way::StorageNotice) {
        QVERIFY(run.openHistory());
    }
    if (way == Way::ForgetQuestion || way == Way::ExportQuestion) {
        StoredGuess guess;
        guess.level = Level::Beginner;
        guess.guessed = 1;
        guess.drawn = 2;
        run.context.history->record(guess);
        QTRY_COMPARE(run.context.history->notYetSaved(), 0);
    }
    run.test.setLevelChosen(true);
    run.main = new MainWindow(run.context);
    run.main->show();
    QVERIFY(QTest::qWaitForWindowActive(run.main));

    // The windows the dialog is opened from.
    QWidget *exitScreen = nullptr;
    if (way == Way::ExitScreenSpaceMessage || way == Way::ExitScreenAddressMessage) {
        exitScreen = showExitScreen(run);
        QVERIFY(exitScreen);
    }
    QWidget *statistics = nullptr;
    if (way == Way::ForgetQuestion || way == Way::ExportQuestion) {
        action(run, "statisticsAction")->trigger();
        QTRY_VERIFY((statistics = ownerWindow(Owner::StatisticsWindow)) != nullptr);
        // Active itself, not only over the active main window, as after a
        // click into it.
        if (ownerActive)
            QTRY_COMPARE(QApplication::activeWindow(), statistics);
    }

    Sighting sighting;
    const std::unique_ptr<QTimer> watch(watchFor(way, owner, sighting));
    switch (way) {
    case Way::LevelChoice:
        action(run, "levelAction")->trigger();
        break;
    case Way::ScoreView:
        action(run, "scoreAction")->trigger();
        break;
    case Way::Result:
        run.random.push(ScriptedRandom::forSymbol(2, 5));
        run.main->showLevel(Level::Beginner);
        run.main->guess(Level::Beginner, 0);
        break;
    case Way::About:
        action(run, "aboutAction")->trigger();
        break;
    case Way::Statistics:
    case Way::StatisticsNotice:
        action(run, "statisticsAction")->trigger();
        break;
    case Way::StorageNotice: {
        auto *notice = new StorageNotice(*run.context.history, run.main);
        Q_UNUSED(notice)
        emit run.context.history->storageFailed(QStringLiteral("the disk is full"));
        break;
    }
    case Way::ForgetQuestion:
        control<QPushButton>(statistics, "forgetButton")->click();
        break;
    case Way::ExportQuestion:
        control<QPushButton>(statistics, "exportButton")->click();
        break;
    case Way::ExitScreenSpaceMessage:
        QTest::keyClick(control<QLineEdit>(exitScreen, "yourEmailBox"), Qt::Key_Space);
        break;
    case Way::ExitScreenAddressMessage:
        control<QLineEdit>(exitScreen, "yourEmailBox")->setText(QStringLiteral("not an address"));
        control<QPushButton>(exitScreen, "referButton")->click();
        break;
    }
    QTRY_VERIFY2_WITH_TIMEOUT(sighting.seen, "the dialog did not open", 10000);
    QVERIFY2(sighting.owner, "the window it belongs to is not open");

    QVERIFY2(sighting.transientParent == sighting.owner,
             qPrintable(QStringLiteral("%1 stands over %2, not over the window it belongs to")
                            .arg(sighting.className, windowName(sighting.transientParent))));
}

QTEST_MAIN(tst_DialogParents)
#include "tst_dialog_parents.moc"
