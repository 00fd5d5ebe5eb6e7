#include "find_control.h"
#include "main_window_access.h"

#include "ui/widgets/link_button.h"


#include <QKeyEvent>
#include <QPushButton>
#include <QSet>

Q_DECLARE_METATYPE(Level)

// The main window from the keyboard: Tab reaches what the user sees, and
// Space or Enter on a choice picture guesses as a click does.
class tst_KeyboardAccess : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabReachesOnlyWhatLiesInFront_data();
    void tabReachesOnlyWhatLiesInFront();
    void tabOrderDoesNotDependOnWhenEachPanelWasBuilt_data();
    void tabOrderDoesNotDependOnWhenEachPanelWasBuilt();
    void focusLeavesAPanelThatGoesBehind();
    void keyOnAChoicePictureGuessesLikeAClick_data();
    void keyOnAChoicePictureGuessesLikeAClick();
    void heldKeyMakesOneGuess();
    void keyThatClosesTheResultMakesNoNewGuess();
    void focusFrameShowsOnlyForTheKeyboard();
    void closingTheLevelChoiceHandsTheKeysToThePanelInFront_data();
    void closingTheLevelChoiceHandsTheKeysToThePanelInFront();
    void dismissingTheFirstLevelChoiceLeavesExitAlone();
    void focusReturnsToTheChoiceJustGuessed();

private:
    std::unique_ptr<MainWindowRun> m_run;
    MainWindow *m_main = nullptr;
};

void tst_KeyboardAccess::init()
{
    m_run = std::make_unique<MainWindowRun>();
    QVERIFY(m_run->show());
    m_main = m_run->main;
}

void tst_KeyboardAccess::cleanup()
{
    m_run.reset();
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_KeyboardAccess::tabReachesOnlyWhatLiesInFront_data()
{
    QTest::addColumn<int>("level"); // -1: none chosen yet
    QTest::newRow("no level chosen") << -1;
    for (Level level : AllLevels)
        QTest::newRow(levelName(level)) << int(level);
}

// Tab goes round the controls the user can see and no others: not those of
// the panels behind, nor the banner label behind the one in front; and every
// choice picture in front is on the way.
void tst_KeyboardAccess::tabReachesOnlyWhatLiesInFront()
{
    QFETCH(int, level);
    if (level >= 0)
        QVERIFY(m_run->chooseLevel(Level(level)));
    QWidget *first = control<QPushButton>(m_main, "exitButton");
    first->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), first);
    QSet<QWidget *> reached;
    do {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(!focus->visibleRegion().isEmpty(), qPrintable(focus->objectName() + QStringLiteral(" is out of sight")));
        reached << focus;
        QTest::keyClick(focus, Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && reached.size() < 40);
    QCOMPARE(QApplication::focusWidget(), first);
    QVERIFY(reached.contains(control<LinkButton>(m_main, "forumLink")));
    if (level >= 0) {
        for (int position = 0; position < symbolCount(Level(level)); ++position)
            QVERIFY(reached.contains(choiceOf(m_main, Level(level), position)));
    }
}

namespace {

// The controls that Tab visits from Exit until it comes round again.
QStringList tabRound(MainWindow *main)
{
    QWidget *first = control<QPushButton>(main, "exitButton");
    first->setFocus(Qt::TabFocusReason);
    QStringList round;
    if (!QTest::qWaitFor([first] { return first->hasFocus(); }))
        return {QStringLiteral("Exit never took the focus")};
    do {
        QWidget *focus = QApplication::focusWidget();
        round << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    } while (QApplication::focusWidget() != first && round.size() < 40);
    return round;
}

} // namespace

void tst_KeyboardAccess::tabOrderDoesNotDependOnWhenEachPanelWasBuilt_data()
{
    QTest::addColumn<Level>("level");
    for (Level level : AllLevels)
        QTest::newRow(levelName(level)) << level;
}

// A panel is built when its level is first chosen; Tab goes round it the
// same way whether the other panels were built before it or not at all.
void tst_KeyboardAccess::tabOrderDoesNotDependOnWhenEachPanelWasBuilt()
{
    QFETCH(Level, level);
    QVERIFY(m_run->chooseLevel(level));
    const QStringList alone = tabRound(m_main);

    MainWindowRun afterOthers;
    QVERIFY(afterOthers.show());
    for (Level other : AllLevels) {
        if (other != level)
            QVERIFY(afterOthers.chooseLevel(other));
    }
    QVERIFY(afterOthers.chooseLevel(level));
    QCOMPARE(tabRound(afterOthers.main), alone);
    // The round starts at the panel's choice pictures and result picture,
    // goes on to the window's buttons and ends at the links: from the link in
    // front Tab comes back to the first choice, and the result leads to Exit.
    const QString panel = QString::fromLatin1(levelName(level)).toLower();
    QVERIFY2(alone.indexOf(QStringLiteral("coBrandLink")) >= 0, qPrintable(alone.join(u' ')));
    QCOMPARE(alone.value(alone.indexOf(QStringLiteral("coBrandLink")) + 1), panel + QStringLiteral("Choice0"));
    QCOMPARE(alone.last(), panel + QStringLiteral("Result"));
}

// A keyboard user on a Beginner picture who switches to Expert must not be
// left on the Beginner picture, now out of sight.
void tst_KeyboardAccess::focusLeavesAPanelThatGoesBehind()
{
    QVERIFY(m_run->chooseLevel(Level::Beginner));
    PictureButton *picture = choiceOf(m_main, Level::Beginner, 2);
    picture->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    QVERIFY(m_run->chooseLevel(Level::Expert));
    QWidget *focused = QApplication::focusWidget();
    QVERIFY(focused != picture);
    QVERIFY(!m_main->levelPanel(Level::Beginner)->isAncestorOf(focused));
}

void tst_KeyboardAccess::keyOnAChoicePictureGuessesLikeAClick_data()
{
    QTest::addColumn<int>("key"); // 0: the screen reader's press
    QTest::addColumn<Level>("level");
    QTest::addColumn<int>("position");
    QTest::newRow("Space") << int(Qt::Key_Space) << Level::Beginner << 4;
    QTest::newRow("Return") << int(Qt::Key_Return) << Level::Expert << 8;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Level::Intermediate << 6;
    QTest::newRow("screen reader press") << 0 << Level::Expert << 3;
}

void tst_KeyboardAccess::keyOnAChoicePictureGuessesLikeAClick()
{
    QFETCH(int, key);
    QFETCH(Level, level);
    QFETCH(int, position);
    QVERIFY(m_run->chooseLevel(level));
    PictureButton *picture = choiceOf(m_main, level, position);
    QString shown;
    m_run->random.push(ScriptedRandom::forSymbol(position + 1, symbolCount(level)));
    if (key == 0) {
        QVERIFY(press(picture));
    } else {
        picture->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(picture->hasFocus());
        QTest::keyClick(picture, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
    QVERIFY(m_run->answerResult(&shown));
    QCOMPARE(m_run->platform.timers, QList<int>{1500});
    QCOMPARE(int(m_run->test.attemptsCount(level)), 1);
    QCOMPARE(int(m_run->test.correctCount(level)), 1);
    QCOMPARE(shown, QString::fromUtf8(resultMessage(Outcome::Right)));
}

// Holding Space or Enter down repeats the key; the picture still makes one guess.
void tst_KeyboardAccess::heldKeyMakesOneGuess()
{
    QVERIFY(m_run->chooseLevel(Level::Beginner));
    PictureButton *picture = choiceOf(m_main, Level::Beginner, 1);
    picture->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
        m_run->random.push(ScriptedRandom::forSymbol(2, 5));
        auto send = [picture, key](QEvent::Type type, bool repeated) {
            QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"),
                            repeated);
            QCoreApplication::sendEvent(picture, &event);
        };
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 5; ++i) {
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        QVERIFY(m_run->platform.timers.size() < 2); // nothing while the key is held
        send(QEvent::KeyRelease, false);
        QVERIFY(m_run->answerResult());
        QVERIFY(m_run->reactivate());
        QTRY_VERIFY(picture->hasFocus());
    }
    QCOMPARE(m_run->platform.timers, QList<int>({1500, 1500}));
    QCOMPARE(int(m_run->test.attemptsCount(Level::Beginner)), 2);
}

// Enter closes the result dialog when it goes down; when it comes up the
// focus is back on the picture, which must not take it for a new guess.
void tst_KeyboardAccess::keyThatClosesTheResultMakesNoNewGuess()
{
    QVERIFY(m_run->chooseLevel(Level::Expert));
    PictureButton *picture = choiceOf(m_main, Level::Expert, 5);
    picture->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    m_run->random.push(ScriptedRandom::forSymbol(6, 10));
    QTest::keyClick(picture, Qt::Key_Return);
    ResultDialog *dialog = m_run->openResult();
    QVERIFY(dialog);
    // TRY AGAIN has the focus in the dialog; Enter goes down on it.
    QTest::keyPress(control<QPushButton>(dialog, "tryAgainButton"), Qt::Key_Return);
    const bool closedByKey = !dialog->isVisible();
    if (!closedByKey)
        dialog->accept();
    QVERIFY(closedByKey);
    QVERIFY(m_run->reactivate());
    QTRY_VERIFY(picture->hasFocus());
    QTest::keyRelease(picture, Qt::Key_Return);
    QCOMPARE(m_run->platform.timers, QList<int>{1500});
    QCOMPARE(int(m_run->test.attemptsCount(Level::Expert)), 1);
}

// The focus frame is for the keyboard: a click leaves the picture as it
// was, and the frame goes when the focus moves on. The box keeps its size.
void tst_KeyboardAccess::focusFrameShowsOnlyForTheKeyboard()
{
    QVERIFY(m_run->chooseLevel(Level::Beginner));
    PictureButton *picture = choiceOf(m_main, Level::Beginner, 3);
    const QSize size = picture->size();
    const QImage plain = picture->grab().toImage();

    m_run->random.push(ScriptedRandom::forSymbol(4, 5));
    QTest::mouseClick(picture, Qt::LeftButton);
    QVERIFY(!picture->hasFocus());
    // Closing the result brings the keys back to the picture, still without a frame.
    QVERIFY(m_run->answerResult());
    QCOMPARE(m_run->platform.timers.size(), 1);
    QCOMPARE(picture->grab().toImage(), plain);
    QVERIFY(m_run->reactivate());

    // The window's own choice of a focus widget shows no frame either.
    picture->setFocus(Qt::ActiveWindowFocusReason);
    QTRY_VERIFY(picture->hasFocus());
    QCOMPARE(picture->grab().toImage(), plain);

    choiceOf(m_main, Level::Beginner, 2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(choiceOf(m_main, Level::Beginner, 2), Qt::Key_Tab);
    QTRY_VERIFY(picture->hasFocus());
    QVERIFY(picture->grab().toImage() != plain);
    QCOMPARE(picture->size(), size);

    QTest::keyClick(picture, Qt::Key_Tab);
    QTRY_VERIFY(!picture->hasFocus());
    QCOMPARE(picture->grab().toImage(), plain);
}

// However the level choice closes (a level chosen, the one in front chosen
// again, or dismissed), the keys go on at the first choice picture of the
// panel in front, where Space makes a guess; never on a covered panel, nor
// on a button that the user did not choose.
void tst_KeyboardAccess::closingTheLevelChoiceHandsTheKeysToThePanelInFront_data()
{
    QTest::addColumn<QStringList>("answers"); // a level's name, or "dismiss"
    QTest::addColumn<QString>("focusedBefore"); // where the focus is before the last choice
    QTest::addColumn<Level>("inFront");
    QTest::newRow("Beginner first") << QStringList{"beginner"} << QString() << Level::Beginner;
    QTest::newRow("Expert after a dismissal") << QStringList{"dismiss", "expert"} << QString() << Level::Expert;
    QTest::newRow("the same level again from Back")
        << QStringList{"intermediate", "intermediate"} << "backButton" << Level::Intermediate;
    QTest::newRow("another level from Exit") << QStringList{"beginner", "expert"} << "exitButton" << Level::Expert;
    QTest::newRow("dismissed over a level") << QStringList{"intermediate", "dismiss"} << "exitButton"
                                            << Level::Intermediate;
    QTest::newRow("dismissed from the Score button")
        << QStringList{"expert", "dismiss"} << "expertScoreButton" << Level::Expert;
}

void tst_KeyboardAccess::closingTheLevelChoiceHandsTheKeysToThePanelInFront()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, focusedBefore);
    QFETCH(Level, inFront);
    for (qsizetype i = 0; i < answers.size(); ++i) {
        if (i == answers.size() - 1 && !focusedBefore.isEmpty()) {
            auto *before = m_main->findChild<QWidget *>(focusedBefore);
            QVERIFY(before);
            before->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(before->hasFocus());
        }
        if (answers.at(i) == QStringLiteral("dismiss")) {
            m_main->chooseLevel();
            LevelDialog *dialog = m_run->openLevelDialog();
            QVERIFY(dialog);
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(!dialog->isVisible());
            QVERIFY(m_run->reactivate());
        } else {
            const Level level = answers.at(i) == QStringLiteral("beginner") ? Level::Beginner
                : answers.at(i) == QStringLiteral("intermediate")             ? Level::Intermediate
                                                                              : Level::Expert;
            QVERIFY(m_run->chooseLevel(level));
        }
    }

    auto *choice = qobject_cast<PictureButton *>(m_main->focusWidget());
    QVERIFY2(choice, qPrintable(QStringLiteral("the focus is on %1").arg(
                         m_main->focusWidget() ? m_main->focusWidget()->objectName() : QStringLiteral("nothing"))));
    QVERIFY(m_main->levelPanel(inFront)->isAncestorOf(choice));
    QVERIFY(choice->isVisible());
    QTRY_VERIFY(choice->hasFocus());
    // The first in tab order: Shift+Tab leaves the panel's choices.
    QTest::keyClick(choice, Qt::Key_Backtab);
    QWidget *previous = m_main->focusWidget();
    QVERIFY(!(qobject_cast<PictureButton *>(previous) && m_main->levelPanel(inFront)->isAncestorOf(previous)));
    // And Space on it makes a guess at that level.
    choice->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(choice->hasFocus());
    QTest::keyClick(choice, Qt::Key_Space);
    QVERIFY(m_run->answerResult());
    QCOMPARE(int(m_run->test.attemptsCount(inFront)), 1);
    QVERIFY(m_main->isVisible());
}

// Dismissed before any level was chosen, the level choice leaves the cover
// in front, with nothing to play: the keys must not rest on Exit, where one
// Space would end the test.
void tst_KeyboardAccess::dismissingTheFirstLevelChoiceLeavesExitAlone()
{
    control<QPushButton>(m_main, "exitButton")->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control<QPushButton>(m_main, "exitButton")->hasFocus());
    m_main->chooseLevel();
    LevelDialog *dialog = m_run->openLevelDialog();
    QVERIFY(dialog);
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QVERIFY(m_run->reactivate());
    QWidget *focused = m_main->focusWidget();
    QVERIFY(focused);
    QTRY_VERIFY(focused->hasFocus());
    // Space there asks for a level again, and the test goes on.
    QTest::keyClick(focused, Qt::Key_Space);
    LevelDialog *askedAgain = m_run->openLevelDialog();
    QVERIFY(askedAgain);
    QTest::keyClick(askedAgain, Qt::Key_Escape);
    QVERIFY(m_main->isVisible());
}

// After a result the keys are back on the choice just guessed, whichever
// had them before: a screen reader's press does not move the focus itself.
void tst_KeyboardAccess::focusReturnsToTheChoiceJustGuessed()
{
    QVERIFY(m_run->chooseLevel(Level::Intermediate));
    PictureButton *elsewhere = choiceOf(m_main, Level::Intermediate, 1);
    elsewhere->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(elsewhere->hasFocus());
    PictureButton *guessed = choiceOf(m_main, Level::Intermediate, 6);
    QVERIFY(press(guessed));
    QVERIFY(m_run->answerResult());
    QTRY_COMPARE(int(m_run->test.attemptsCount(Level::Intermediate)), 1);
    QVERIFY(m_run->reactivate());
    QTRY_VERIFY(guessed->hasFocus());
}

QTEST_MAIN(tst_KeyboardAccess)
#include "tst_keyboard_access.moc"
