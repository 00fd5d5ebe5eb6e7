#include "main_window_access.h"
#include "fakes/tallies.h"
#include "find_control.h"
#include "window_test_support.h"

#include "ui/main_window.h"
#include "ui/result_dialog.h"
#include "ui/widgets/picture_box.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(Level)

namespace {

struct Shown
{
    QString message;
    bool waitPanelHidden = false;
    bool counted = false;
};

} // namespace

class tst_GuessFlow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void guessIsJudgedShownAndCounted_data();
    void guessIsJudgedShownAndCounted();
    void guessesAtOneLevelLeaveTheOthersAlone();
    void countersStopAtTheLimitAndTheGuessIsStillShown();

private:
    Shown guess(Level level, int position, int drawn);

    std::unique_ptr<TestRun> m_run;
    MainWindow *m_main = nullptr;
};

void tst_GuessFlow::init()
{
    m_run = std::make_unique<TestRun>();
    m_run->test.setLevelChosen(true);
    m_main = new MainWindow(m_run->context);
}

void tst_GuessFlow::cleanup()
{
    delete m_main;
    m_run.reset();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

// Clicks the choice picture on the level's panel, brought forward, with a
// pinned draw and reads the result dialog.
Shown tst_GuessFlow::guess(Level level, int position, int drawn)
{
    m_run->random.push(ScriptedRandom::forSymbol(drawn, symbolCount(level)));
    Shown shown;
    const int attemptsBefore = m_run->test.attemptsCount(level);
    m_main->showLevel(level);
    QTest::mouseClick(choiceOf(m_main, level, position), Qt::LeftButton);
    if (ResultDialog *dialog = MainWindowRun::openResultOver(m_main)) {
        shown.message = control<QLabel>(dialog, "messageLabel")->text();
        shown.waitPanelHidden = !control<QFrame>(m_main, "waitPanel")->isVisible();
        shown.counted = m_run->test.attemptsCount(level) == attemptsBefore + 1;
        QTest::mouseClick(control<QPushButton>(dialog, "tryAgainButton"), Qt::LeftButton);
    }
    return shown;
}

void tst_GuessFlow::guessIsJudgedShownAndCounted_data()
{
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<bool>("right");
    QTest::newRow("beginner circle on 1") << Level::Beginner << 0 << 1 << true;
    QTest::newRow("beginner waves on 2") << Level::Beginner << 4 << 2 << false;
    QTest::newRow("intermediate pyramid on 8") << Level::Intermediate << 7 << 8 << true;
    QTest::newRow("expert pyramid on 10") << Level::Expert << 9 << 10 << true;
    QTest::newRow("expert circle on 10") << Level::Expert << 0 << 10 << false;
}

void tst_GuessFlow::guessIsJudgedShownAndCounted()
{
    QFETCH(Level, level);
    QFETCH(int, position);
    QFETCH(int, drawn);
    QFETCH(bool, right);
    const Outcome outcome = right ? Outcome::Right : Outcome::Wrong;

    const Shown shown = guess(level, position, drawn);

    QCOMPARE(shown.message, QString::fromUtf8(resultMessage(outcome)));
    QVERIFY(shown.waitPanelHidden);
    QVERIFY(shown.counted);
    QCOMPARE(control<QLabel>(m_main, "outcomeLabel")->text(), QString::fromUtf8(outcomeText(outcome)));
    QCOMPARE(int(m_run->test.correctCount(level)), right ? 1 : 0);
    QCOMPARE(int(m_run->test.attemptsCount(level)), 1);
    // The result picture shows the drawn symbol, right or wrong, and it is
    // the picture that the choice for that symbol shows.
    const QPixmap shownPicture = resultOf(m_main, level)->pixmap();
    QVERIFY(samePicture(shownPicture, m_main->pictures().forLevel(level).picture(drawn)));
    QVERIFY(samePicture(shownPicture, choiceOf(m_main, level, drawn - 1)->picture()));
    QCOMPARE(resultOf(m_main, level)->size(), shownPicture.size());
    QCOMPARE(m_run->platform.timers, QList<int>{1500});
    // The guess's own dialog, a window of its own, is gone once the guess is over.
    const auto resultDialogOpen = [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(),
                           [](QWidget *window) { return qobject_cast<ResultDialog *>(window); });
    };
    QTRY_VERIFY(!resultDialogOpen());
}

void tst_GuessFlow::guessesAtOneLevelLeaveTheOthersAlone()
{
    const QPixmap resting = m_main->pictures().restingPicture();
    m_main->showLevel(Level::Beginner);
    m_main->showLevel(Level::Expert);
    guess(Level::Intermediate, 3, 4);
    guess(Level::Intermediate, 0, 6);
    for (Level other : {Level::Beginner, Level::Expert}) {
        QCOMPARE(int(m_run->test.attemptsCount(other)), 0);
        QCOMPARE(int(m_run->test.correctCount(other)), 0);
        QCOMPARE(int(m_run->test.lastDraw(other)), 0);
        QVERIFY(samePicture(resultOf(m_main, other)->pixmap(), resting));
    }
    QCOMPARE(int(m_run->test.attemptsCount(Level::Intermediate)), 2);
}

void tst_GuessFlow::countersStopAtTheLimitAndTheGuessIsStillShown()
{
    recordTally(m_run->test, Level::Expert, 32767, 32767);
    const Shown shown = guess(Level::Expert, 4, 5);
    QCOMPARE(shown.message, QString::fromUtf8(resultMessage(Outcome::Right)));
    QCOMPARE(int(m_run->test.correctCount(Level::Expert)), 32767);
    QCOMPARE(int(m_run->test.attemptsCount(Level::Expert)), 32767);
}

QTEST_MAIN(tst_GuessFlow)
#include "tst_guess_flow.moc"
