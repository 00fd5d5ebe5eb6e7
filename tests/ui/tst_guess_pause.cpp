#include "find_control.h"
#include "main_window_access.h"

#include "ui/guess_flow.h"
#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWheelEvent>

namespace {

// The program's windows on the screen, dialogs included.
QList<QWidget *> shownWindows()
{
    QList<QWidget *> shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.append(window);
    }
    return shown;
}

// Counts the events of some types that reach an object.
class EventCounter final : public QObject
{
public:
    EventCounter(QObject *watched, QList<QEvent::Type> types)
        : m_types(std::move(types))
    {
        watched->installEventFilter(this);
    }

    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (m_types.contains(event->type()))
            ++count;
        return false;
    }

private:
    QList<QEvent::Type> m_types;
};

enum class Input { Click, DoubleClick, Key, AccessKey, Shortcut, Wheel, ContextMenu, CloseBox };

// Sends the event as the window system delivers it: marked spontaneous.
void sendAsTheUser(QObject *receiver, QEvent *event)
{
    QSpontaneKeyEvent::setSpontaneous(event);
    QCoreApplication::sendEvent(receiver, event);
}

} // namespace

Q_DECLARE_METATYPE(Input)

// The pause between a click and the draw lets the event loop run, drops what
// the user does meanwhile, and lets the guess go on only when its time is up.
// The clock is the test's: a pause lasts until the test runs it out (the
// platform's timer on the real clock is checked with the platform).
class tst_GuessPause : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void resultFollowsOnlyWhenThePauseRunsOut();
    void inputDuringThePauseIsDropped_data();
    void inputDuringThePauseIsDropped();
    void screenReaderPressDuringThePauseStartsNoSecondGuess();
    void windowGoneDuringThePauseEndsTheGuessQuietly();

private:
    // Clicks the Beginner choice at `position`, the draw pinned to `drawn`.
    void startGuess(int position, int drawn);
    // Runs the pause out and answers the result dialog.
    void finishGuess();
    GuessFlow *flow() const { return m_main->findChild<GuessFlow *>(); }

    std::unique_ptr<MainWindowRun> m_run;
    QPointer<MainWindow> m_main;
};

void tst_GuessPause::init()
{
    // A dialog that input let through opens fails the test within seconds
    // instead of holding it until the watchdog.
    ModalGuard::watch();
    m_run = std::make_unique<MainWindowRun>();
    m_run->platform.holdTimers = true;
    QVERIFY(m_run->show());
    m_main = m_run->main;
    m_main->showLevel(Level::Beginner);
}

void tst_GuessPause::cleanup()
{
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_GuessPause::startGuess(int position, int drawn)
{
    m_run->random.push(ScriptedRandom::forSymbol(drawn, 5));
    QTest::mouseClick(choiceOf(m_main, Level::Beginner, position), Qt::LeftButton);
    QVERIFY(flow()->isRunning());
}

void tst_GuessPause::finishGuess()
{
    QCOMPARE(m_run->platform.fireTimers(), 1);
    QVERIFY(m_run->answerResult());
    QVERIFY(!flow()->isRunning());
}

void tst_GuessPause::resultFollowsOnlyWhenThePauseRunsOut()
{
    control<QLabel>(m_main, "outcomeLabel")->setText(QStringLiteral("Correct"));
    QSignalSpy finished(flow(), &GuessFlow::finished);
    startGuess(2, 3);

    // The click has returned; the wait panel lies on top, and nothing has
    // been drawn, judged or counted yet.
    QCOMPARE(m_run->platform.timers, QList<int>{guessPauseMilliseconds});
    EventCounter paints(control<QFrame>(m_main, "waitPanel"), {QEvent::Paint});
    QTRY_VERIFY(paints.count > 0);
    QVERIFY(control<QFrame>(m_main, "waitPanel")->isVisible());
    QVERIFY(topOfSiblings(control<QWidget>(m_main, "clientArea")) == control<QFrame>(m_main, "waitPanel"));
    QCOMPARE(control<QLabel>(m_main, "outcomeLabel")->text(), QString());
    QCOMPARE(m_run->random.draws, 0);
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 0);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(finished.count(), 0);

    QCOMPARE(m_run->platform.fireTimers(), 1);
    ResultDialog *dialog = m_run->openResult();
    QVERIFY(dialog);
    QCOMPARE(control<QLabel>(dialog, "messageLabel")->text(), QString::fromUtf8(resultMessage(Outcome::Right)));
    QVERIFY(!control<QFrame>(m_main, "waitPanel")->isVisible());
    QCOMPARE(finished.count(), 0);
    QVERIFY(flow()->isRunning());
    dialog->accept();
    QCOMPARE(control<QLabel>(m_main, "outcomeLabel")->text(), QString::fromUtf8(outcomeText(Outcome::Right)));
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 1);
    QCOMPARE(finished.count(), 1);
    QVERIFY(!flow()->isRunning());
}

void tst_GuessPause::inputDuringThePauseIsDropped_data()
{
    QTest::addColumn<Input>("input");
    QTest::newRow("click on another symbol") << Input::Click;
    QTest::newRow("double click on another symbol") << Input::DoubleClick;
    QTest::newRow("Space on the Exit button") << Input::Key;
    QTest::newRow("Alt+E, the Exit button's access key") << Input::AccessKey;
    QTest::newRow("Ctrl+S, the score's shortcut") << Input::Shortcut;
    QTest::newRow("wheel over another symbol") << Input::Wheel;
    QTest::newRow("context menu on another symbol") << Input::ContextMenu;
    QTest::newRow("the window manager's close box") << Input::CloseBox;
}

// Whatever the user does during the pause acts on nothing, neither then nor
// after the pause.
void tst_GuessPause::inputDuringThePauseIsDropped()
{
    QFETCH(Input, input);
    PictureButton *other = choiceOf(m_main, Level::Beginner, 3);
    const QPoint centre = other->rect().center();
    EventCounter reached(other, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                 QEvent::KeyPress, QEvent::Wheel, QEvent::ContextMenu});
    EventCounter closes(m_main, {QEvent::Close});
    startGuess(0, 2);

    switch (input) {
    case Input::Click:
        QTest::mouseClick(other, Qt::LeftButton);
        break;
    case Input::DoubleClick:
        QTest::mouseDClick(other, Qt::LeftButton);
        break;
    case Input::Key:
        control<QPushButton>(m_main, "exitButton")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control<QPushButton>(m_main, "exitButton"), Qt::Key_Space);
        break;
    case Input::AccessKey:
        QTest::keyClick(m_main, Qt::Key_E, Qt::AltModifier);
        break;
    case Input::Shortcut:
        QTest::keyClick(m_main, Qt::Key_S, Qt::ControlModifier);
        break;
    case Input::Wheel: {
        QWheelEvent wheel(centre, other->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        sendAsTheUser(other, &wheel);
        break;
    }
    case Input::ContextMenu: {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, centre, other->mapToGlobal(centre));
        sendAsTheUser(other, &menu);
        break;
    }
    case Input::CloseBox: {
        QCloseEvent close;
        sendAsTheUser(m_main->windowHandle(), &close);
        QVERIFY(!close.isAccepted());
        break;
    }
    }
    QCoreApplication::processEvents();

    QCOMPARE(reached.count, 0);
    QCOMPARE(closes.count, 0);
    QVERIFY2(m_main && m_main->isVisible(), "the main window closed during the pause");
    QVERIFY(!control<QPushButton>(m_main, "exitButton")->isDown()); // an access key presses it and clicks a moment later
    QVERIFY(QApplication::activeModalWidget() == nullptr); // no score, no level dialog
    QCOMPARE(m_run->platform.timers.size(), 1);

    finishGuess();
    QCoreApplication::processEvents();
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 1);
    QCOMPARE(m_run->platform.timers.size(), 1); // no second guess afterwards either
    QVERIFY(m_main->isVisible());
    // No exit screen, no score view, no level dialog: the main window alone.
    QTRY_COMPARE(shownWindows(), QList<QWidget *>{m_main});
}

// A screen reader's press is no input event; the running guess still keeps a
// second one from starting.
void tst_GuessPause::screenReaderPressDuringThePauseStartsNoSecondGuess()
{
    startGuess(0, 4);
    QVERIFY(press(choiceOf(m_main, Level::Beginner, 3)));
    m_main->guess(Level::Beginner, 1);
    QCOMPARE(m_run->platform.timers.size(), 1);

    finishGuess();
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 1);
    QCOMPARE(int(m_run->test.correctCount(Level::Beginner)), 0);
    QCOMPARE(m_run->random.draws, 1);
}

// The shutdown may close the main window while a guess waits: the guess
// ends with it, and nothing stays blocked.
void tst_GuessPause::windowGoneDuringThePauseEndsTheGuessQuietly()
{
    startGuess(0, 1);
    delete m_main;
    m_run->main = nullptr;
    QCOMPARE(m_run->platform.fireTimers(), 1);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(m_run->random.draws, 0);

    QPushButton other(QStringLiteral("other"));
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QSignalSpy clicked(&other, &QPushButton::clicked);
    QTest::mouseClick(&other, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(tst_GuessPause)
#include "tst_guess_pause.moc"
